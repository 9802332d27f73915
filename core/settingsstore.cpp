#include "settingsstore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace {
const QString kOrganization = QStringLiteral("Dorvane");
const QString kApplication = QStringLiteral("Dorvane");
const QString kGroup = QStringLiteral("Options");

// Error numbers for a failed save, as the colour handlers report them to the user.
constexpr int kPathFileAccessError = 75;
constexpr int kFileFormatError = 76;

// Whether some live process holds the lock file (QLockFile keeps an flock on it while it is held).
bool lockIsHeld(const QString &lockPath)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(lockPath).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return held;
#else
    Q_UNUSED(lockPath);
    return false;
#endif
}

// A copy killed between creating the lock file and writing its process id into it leaves an empty
// lock, which QSettings would only call stale after 30 s, freezing every save until then. A live
// writer fills its lock within microseconds and holds it, so an empty, unheld lock is abandoned.
void removeAbandonedLock(const QString &settingsFile)
{
    const QFileInfo lock(settingsFile + QLatin1String(".lock"));
    if (!lock.exists() || lock.size() != 0)
        return;
    if (lock.lastModified().msecsTo(QDateTime::currentDateTime()) < 20 || lockIsHeld(lock.filePath()))
        return;
    QFile::remove(lock.filePath());
}

// sentence is a source text of the context "SettingsStore" with two arguments.
SaveResult failure(int errorNumber, const char *sentence, const QString &first, const QString &second)
{
    return { false, errorNumber, QCoreApplication::translate("SettingsStore", sentence).arg(first, second),
             QString::fromUtf8(sentence).arg(first, second) };
}
} // namespace

SettingsStore::SettingsStore() = default;

SettingsStore::SettingsStore(const QString &iniFilePath)
    : m_iniFilePath(iniFilePath)
{
}

SettingsStore SettingsStore::native(const QString &registryKey)
{
    SettingsStore store;
    store.m_registryKey = registryKey;
    return store;
}

std::unique_ptr<QSettings> SettingsStore::open() const
{
    // A fresh QSettings for every call: status() never clears once an error is set, so a long-lived
    // object would keep reporting an old failure after the store became writable again.
    if (!m_iniFilePath.isEmpty())
        return openGroup(std::make_unique<QSettings>(m_iniFilePath, QSettings::IniFormat));
#ifdef Q_OS_WIN
    if (!m_registryKey.isEmpty())
        return openGroup(std::make_unique<QSettings>(
            QStringLiteral("HKEY_CURRENT_USER\\Software\\") + m_registryKey, QSettings::NativeFormat));
#endif
    return openGroup(
        std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kOrganization, kApplication));
}

std::unique_ptr<QSettings> SettingsStore::openGroup(std::unique_ptr<QSettings> settings)
{
    settings->beginGroup(kGroup);
    return settings;
}

QString SettingsStore::get(const QString &key, const QString &defaultText) const
{
    const auto settings = open();
    if (!settings->contains(key)) {
        // A file written by hand without its "[Options]" line keeps its keys at the top level.
        settings->endGroup();
        if (!settings->contains(key))
            return defaultText;
    }
    const QVariant value = settings->value(key);
    // "Message=Get up, go" written by hand reads as a list.
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

bool SettingsStore::contains(const QString &key) const
{
    const auto settings = open();
    if (settings->contains(key))
        return true;
    settings->endGroup();
    return settings->contains(key);
}

SaveResult SettingsStore::save(const QString &key, const QString &text)
{
    auto status = write(key, text);
    // A file that did not parse cleanly (a hand-edited one with a byte-order mark, say) reports a
    // FormatError from the read, which hides how the write went; the write itself rewrote the file
    // cleanly if it worked, so a second write reports the truth.
    if (status == QSettings::FormatError)
        status = write(key, text);
    switch (status) {
    case QSettings::NoError:
        return {};
    case QSettings::FormatError:
        //: %1 is a file path, %2 a settings key name such as MondayTime (not translated).
        return failure(kFileFormatError,
                       QT_TRANSLATE_NOOP("SettingsStore",
                                         "The settings in %1 could not be read, so \"%2\" was not saved."),
                       location(), key);
    case QSettings::AccessError:
        break;
    }
    return failure(kPathFileAccessError,
                   //: %1 is a settings key name such as MondayTime (not translated), %2 a file path.
                   QT_TRANSLATE_NOOP("SettingsStore", "\"%1\" could not be saved: %2 cannot be written."), key,
                   location());
}

QSettings::Status SettingsStore::write(const QString &key, const QString &text)
{
    const auto settings = open();
    removeAbandonedLock(settings->fileName());
    settings->setValue(key, text);
    settings->sync();
    return settings->status();
}

QString SettingsStore::location() const
{
    return open()->fileName();
}
