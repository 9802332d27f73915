#pragma once

// For the tests that run the program, or the edit driver, as a process of its own.

// Its store isolation is what keeps the started programs away from the user's store on Windows too.
#include "testsupport.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QThread>

#ifdef Q_OS_WIN
#include <qt_windows.h>

#include <vector>
#endif

namespace ProcessSupport {

/// The private runtime folder of copies started with environment(configHome), where the first
/// of them listens for later starts.
inline QString runtimeDirIn(const QString &configHome)
{
    return configHome + QStringLiteral("/runtime");
}

/// The environment of a copy that keeps its settings under configHome and needs no display. Its
/// runtime folder is private too, so that it never hands over to a copy of another test or of the
/// user.
inline QProcessEnvironment environment(const QString &configHome)
{
    const QString runtimeDir = runtimeDirIn(configHome);
    QDir().mkpath(runtimeDir);
    // Qt expects a runtime folder that only its owner may enter.
    QFile::setPermissions(runtimeDir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

/// The store file of a copy started with environment(configHome).
inline QString storeFileIn(const QString &configHome)
{
    return configHome + QStringLiteral("/Dorvane/Dorvane.conf");
}

#ifdef Q_OS_UNIX
/// Waits until process pid has a handler for signalNumber, read from the SigCgt mask in
/// /proc/PID/status. Before that moment the signal would end it without any clean-up.
inline bool waitUntilCatching(qint64 pid, int signalNumber, int timeoutMs = 10000)
{
    const QDeadlineTimer deadline(timeoutMs);
    const QString path = QStringLiteral("/proc/%1/status").arg(pid);
    while (!deadline.hasExpired()) {
        QFile status(path);
        if (!status.open(QIODevice::ReadOnly))
            return false;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (!line.startsWith("SigCgt:"))
                continue;
            bool ok = false;
            const quint64 mask = line.mid(7).trimmed().toULongLong(&ok, 16);
            if (ok && (mask >> (signalNumber - 1) & 1u))
                return true;
        }
        QThread::msleep(5);
    }
    return false;
}
#endif

#ifdef Q_OS_WIN
/// The top-level windows of process pid, or only its visible ones.
inline std::vector<HWND> topLevelWindows(qint64 pid, bool visibleOnly)
{
    struct Search {
        DWORD pid;
        bool visibleOnly;
        std::vector<HWND> found;
    } search{static_cast<DWORD>(pid), visibleOnly, {}};
    ::EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto *s = reinterpret_cast<Search *>(data);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner == s->pid && (!s->visibleOnly || ::IsWindowVisible(window)))
                s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// What Windows sends every top-level window of a program at logoff: whether the session may end,
// then whether it does. True when every window agreed to the end.
inline bool endSession(qint64 pid, bool ends)
{
    const std::vector<HWND> windows = topLevelWindows(pid, false);
    bool agreed = !windows.empty();
    for (HWND window : windows) {
        DWORD_PTR answer = 0;
        agreed = ::SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &answer)
            && answer && agreed;
    }
    for (HWND window : windows) {
        DWORD_PTR answer = 0;
        ::SendMessageTimeoutW(window, WM_ENDSESSION, ends, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &answer);
    }
    return agreed;
}
#endif

} // namespace ProcessSupport
