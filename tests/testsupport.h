#pragma once

// Shared by the tests: a settings folder of their own, a clock they drive, and a pinned locale.

#include "clock.h"
#include "oledate.h"

#include <QDir>
#include <QLocale>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtGlobal>

namespace TestSupport {

/// The folder that stands in for ~/.config during this test run. Set before main() so that no
/// QSettings of the test can ever see the real user's settings.
inline QTemporaryDir &configHome()
{
    static QTemporaryDir dir;
    return dir;
}

inline void isolateSettings()
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome().path()));
}
Q_CONSTRUCTOR_FUNCTION(isolateSettings)

/// The file the native store uses inside configHome().
inline QString storeFile()
{
    return configHome().path() + QStringLiteral("/Dorvane/Dorvane.conf");
}

/// Empties the store, the folder included.
inline void clearStore()
{
    QDir(configHome().path() + QStringLiteral("/Dorvane")).removeRecursively();
}

/// Writes the store file by hand, as a user with an editor would.
inline void writeStoreFile(const QByteArray &content)
{
    QDir().mkpath(configHome().path() + QStringLiteral("/Dorvane"));
    QFile f(storeFile());
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(content);
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
