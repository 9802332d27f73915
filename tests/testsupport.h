#pragma once

// Shared by the tests: a settings folder of their own, a clock they drive, and a pinned locale.

#include "clock.h"
#include "oledate.h"
#include "scheduleloader.h"
#include "settingsstore.h"

#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUuid>
#include <QtGlobal>

namespace TestSupport {

/// The folder that stands in for ~/.config during this test run. Set before main() so that no
/// QSettings of the test can ever see the real user's settings.
inline QTemporaryDir &configHome()
{
    static QTemporaryDir dir;
    return dir;
}

#ifdef Q_OS_WIN
/// On Windows the native store is the registry, which XDG_CONFIG_HOME does not move: this test run
/// and every program it starts use a key of their own, HKEY_CURRENT_USER\Software\<this>, which
/// goes again when the test ends.
inline const QString &registryRoot()
{
    static const QString root = QStringLiteral("Dorvane Test ") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    return root;
}

/// The store's key under HKEY_CURRENT_USER\Software, as the programs are told it.
inline QString registryKey()
{
    return registryRoot() + QStringLiteral("\\Dorvane");
}

inline QString registryPath()
{
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\") + registryKey();
}

struct RegistryCleanup {
    ~RegistryCleanup()
    {
        QSettings(QStringLiteral("HKEY_CURRENT_USER\\Software"), QSettings::NativeFormat).remove(registryRoot());
    }
};
#endif

inline void isolateSettings()
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome().path()));
#ifdef Q_OS_WIN
    qputenv(SettingsStore::kRegistryKeyVariable, registryKey().toUtf8());
    static RegistryCleanup cleanup;
#endif
}
Q_CONSTRUCTOR_FUNCTION(isolateSettings)

/// The native store of this test run, which isolateSettings() keeps away from the user's own: on
/// Windows the registry key that the environment names, as the programs the test starts are told it.
inline SettingsStore testStore()
{
#ifdef Q_OS_WIN
    return SettingsStore::native(qEnvironmentVariable(SettingsStore::kRegistryKeyVariable));
#else
    return SettingsStore();
#endif
}

/// The file the native store uses inside configHome(); on Windows the store is not a file.
inline QString storeFile()
{
    return configHome().path() + QStringLiteral("/Dorvane/Dorvane.conf");
}

#ifdef Q_OS_WIN
/// The registry store as the lines of a store file would give it, keys sorted, for comparisons.
inline QByteArray registryText()
{
    QSettings registry(registryPath(), QSettings::NativeFormat);
    QByteArray text;
    const QStringList groups = registry.childGroups();
    for (const QString &group : groups) {
        text += '[' + group.toUtf8() + "]\n";
        registry.beginGroup(group);
        for (const QString &key : registry.childKeys())
            text += key.toUtf8() + '=' + registry.value(key).toString().toUtf8() + '\n';
        registry.endGroup();
    }
    return text;
}

/// Makes the registry store fail every write and read nothing, as a folder in place of the store
/// file does: it moves to a key whose name is longer than the registry allows. Stores made from
/// then on (testStore(), and the programs started) follow.
inline void blockRegistry(bool blocked)
{
    const QString key = registryKey();
    qputenv(SettingsStore::kRegistryKeyVariable, (blocked ? key + QString(300, u'x') : key).toUtf8());
}
#endif

/// The store's raw text, to see what was written and what was not: the bytes of file, or on Windows
/// the registry store as such a file's lines would give it.
inline QByteArray storeText(const QString &file = storeFile())
{
#ifdef Q_OS_WIN
    Q_UNUSED(file);
    return registryText();
#else
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
#endif
}

/// Empties the store, the folder included.
inline void clearStore()
{
    QDir(configHome().path() + QStringLiteral("/Dorvane")).removeRecursively();
#ifdef Q_OS_WIN
    QSettings(registryPath(), QSettings::NativeFormat).clear();
#endif
}

/// Writes the store by hand, as a user with an editor would: the file, or on Windows the
/// registry values that the file's lines name, as texts.
inline void writeStoreFile(const QByteArray &content)
{
    QDir().mkpath(configHome().path() + QStringLiteral("/Dorvane"));
    QFile f(storeFile());
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        f.write(content);
        f.flush();
        // QSettings rereads a file only when its size or time changed: two files of one size written
        // within the same millisecond would read as the first. Each gets a time of its own.
        static int written = 0;
        f.setFileTime(QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC).addSecs(++written),
                      QFileDevice::FileModificationTime);
    }
#ifdef Q_OS_WIN
    f.close();
    const QSettings ini(storeFile(), QSettings::IniFormat);
    QSettings registry(registryPath(), QSettings::NativeFormat);
    registry.clear();
    for (const QString &key : ini.allKeys())
        registry.setValue(key, ini.value(key));
    registry.sync();
    QFile::remove(storeFile());
#endif
}

/// The start-up load straight from store, as a fresh program does it.
inline LoadedSettings loadSettings(SettingsStore &store, const QLocale &locale = QLocale())
{
    SettingsSaver saver(store);
    return ::loadSettings(saver, locale);
}

/// A clock that stands still until told to move.
class FakeClock final : public Clock
{
public:
    explicit FakeClock(QDateTime start)
        : m_now(std::move(start))
    {
    }
    QDateTime now() const override { return m_now; }
    void set(const QDateTime &now) { m_now = now; }
    void advance(qint64 seconds) { m_now = m_now.addSecs(seconds); }

private:
    QDateTime m_now;
};

/// Sets the default locale for the scope of the returned guard.
[[nodiscard]] inline auto useLocale(const QLocale &locale)
{
    const QLocale previous;
    QLocale::setDefault(locale);
    return qScopeGuard([previous] { QLocale::setDefault(previous); });
}

/// The OLE date of a time of day, on the zero date unless a date is given.
inline double oleTime(int h, int m, int s = 0, QDate date = OleDate::zeroDate())
{
    return OleDate::fromDateTime(date, QTime(h, m, s));
}

/// A wall-clock date and time as the OLE date conversions give it.
inline QDateTime utc(int y, int mo, int d, int h, int mi, int s)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

inline QLocale enUS()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

} // namespace TestSupport
