#include "singleinstance.h"

#include "logging.h"
#include "unixsignals.h"

#include <QCryptographicHash>
#include <QStandardPaths>

#if defined(Q_OS_WIN)
#include <QWinEventNotifier>
#include <qt_windows.h>
#else
#include <QDeadlineTimer>
#include <QLockFile>
#include <QThread>

#include <csignal>
#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif
#endif

namespace {


QString userAndSession([[maybe_unused]] const QString &storeKey)
{
#if defined(Q_OS_WIN)
    DWORD session = 0;
    ::ProcessIdToSessionId(::GetCurrentProcessId(), &session);
    // One copy per store: a copy on a store of its own (as tests start it) never hands over to the
    // user's, as on Unix a private runtime folder keeps it apart.
    return qEnvironmentVariable("USERDOMAIN") + u'\\' + qEnvironmentVariable("USERNAME") + u'\n'
        + QString::number(session) + u'\n' + storeKey;
#else
    QString session = qEnvironmentVariable("XDG_SESSION_ID");
    if (session.isEmpty())
        session = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (session.isEmpty())
        session = qEnvironmentVariable("DISPLAY");
#if defined(Q_OS_UNIX)
    const QString user = QString::number(::geteuid());
#else
    const QString user = qEnvironmentVariable("USER");
#endif
    return user + u'\n' + session;
#endif
}

#if !defined(Q_OS_WIN)
// Long enough for a copy to write its PID into the lock it has just created, which takes
// microseconds; only a lock whose creator died before that makes a start wait this long.
constexpr int kPidTimeoutMs = 5000;
constexpr int kRetryMs = 10;
#endif

} // namespace

SingleInstance::SingleInstance(const QString &storeKey, QObject *parent)
    : QObject(parent)
    , m_storeKey(storeKey)
{
}

SingleInstance::~SingleInstance()
{
#if defined(Q_OS_WIN)
    if (m_event)
        ::CloseHandle(m_event);
#endif
}

QString SingleInstance::guardName(const QString &storeKey)
{
    // Hashed, because session ids and display names may hold characters a file or object name must not.
    const QByteArray hash
        = QCryptographicHash::hash(userAndSession(storeKey).toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    const QString name = QStringLiteral("dorvane-") + QString::fromLatin1(hash);
#if defined(Q_OS_WIN)
    // Local\ keeps the event to this session.
    return QStringLiteral("Local\\") + name;
#else
    // Not the shared temporary folder, where another user could squat the name.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QString() : runtime + u'/' + name + QStringLiteral(".lock");
#endif
}

#if defined(Q_OS_WIN)

SingleInstance::Outcome SingleInstance::start(const UnixSignals &)
{
    // Creating the event and finding it there are one step of the kernel's, so two starts cannot
    // both be first. Auto-reset: a request waits in it until this copy's event loop takes it.
    const std::wstring name = guardName(m_storeKey).toStdWString();
    HANDLE event = ::CreateEventW(nullptr, FALSE, FALSE, name.c_str());
    if (!event) {
        qCWarning(lcInstance, "cannot watch for a second start (error %lu).", ::GetLastError());
        return Outcome::First;
    }
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        // Windows lets only the process the user just started take the foreground; without passing
        // that right on, the first copy's window would merely flash on the taskbar.
        ::AllowSetForegroundWindow(ASFW_ANY);
        const bool asked = ::SetEvent(event);
        ::CloseHandle(event);
        if (asked)
            qCInfo(lcInstance, "already running; showing its configuration window.");
        else
            qCWarning(lcInstance, "already running, but it cannot be asked to show itself.");
        return asked ? Outcome::HandedOver : Outcome::Unreachable;
    }
    m_event = event;
    m_notifier = new QWinEventNotifier(event, this);
    connect(m_notifier, &QWinEventNotifier::activated, this, &SingleInstance::activationRequested);
    return Outcome::First;
}

#else

SingleInstance::Outcome SingleInstance::start(const UnixSignals &unixSignals)
{
    connect(&unixSignals, &UnixSignals::activationRequested, this, &SingleInstance::activationRequested);
    const QString path = guardName(m_storeKey);
    if (path.isEmpty()) {
        qCWarning(lcInstance, "no runtime folder; cannot watch for a second start.");
        return Outcome::First;
    }
    m_lock = std::make_unique<QLockFile>(path);
    // A copy holds its lock for days: age says nothing. A lock is stale only when no process of
    // this program's name has its PID (QLockFile checks the name, so a reused PID does not count).
    m_lock->setStaleLockTime(0);

    const QDeadlineTimer deadline(kPidTimeoutMs);
    for (;;) {
        if (m_lock->tryLock(0))
            return Outcome::First;
        if (m_lock->error() != QLockFile::LockFailedError) {
            qCWarning(lcInstance, "cannot take %s; cannot watch for a second start.", qUtf8Printable(path));
            m_lock.reset();
            return Outcome::First;
        }
        // The holder catches SIGUSR1 before it takes the lock, so the signal cannot end it.
        qint64 pid = 0;
        if (m_lock->getLockInfo(&pid, nullptr, nullptr) && ::kill(pid_t(pid), SIGUSR1) == 0) {
            qCInfo(lcInstance, "already running; showing its configuration window.");
            return Outcome::HandedOver;
        }
        // The holder has created the file but not yet written its PID, or has just ended.
        if (deadline.hasExpired())
            break;
        QThread::msleep(kRetryMs);
    }
    // A lock still without a PID was left by a copy that died while taking it, unless a live
    // process still holds it open, which the removal then refuses.
    if (m_lock->removeStaleLockFile() && m_lock->tryLock(0))
        return Outcome::First;
    qCWarning(lcInstance, "another copy holds %s but cannot be asked to show itself.", qUtf8Printable(path));
    return Outcome::Unreachable;
}

#endif
