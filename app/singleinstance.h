#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLockFile;
class QWinEventNotifier;
class UnixSignals;

/// Keeps Dorvane to one copy per user and desktop session, whatever the timing of two starts. On
/// Unix the copy that holds a lock file in the runtime folder runs, and a later start sends SIGUSR1
/// to the PID written in it; on Windows a named event of the session does both. The system lets go
/// of either when its owner dies, so a killed copy never blocks the next start.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    enum class Outcome {
        First, ///< no other copy runs: this one does (guarded, unless the guard could not be had)
        HandedOver, ///< the running copy was asked to show itself; this one should end
        Unreachable, ///< another copy holds the guard but could not be asked; this one should end
    };

    /// storeKey is the settings store's registry key on Windows, where one copy runs per store (see
    /// SettingsStore::native); elsewhere it is ignored.
    explicit SingleInstance(const QString &storeKey, QObject *parent = nullptr);
    ~SingleInstance() override;

    /// Asks a running copy to show itself, or else becomes the copy that later starts ask. On Unix
    /// unixSignals must already catch SIGUSR1 and outlive this object. Waits a few seconds at most,
    /// for a copy that is taking the guard at this very moment; touches nothing but the guard.
    Outcome start(const UnixSignals &unixSignals);

    /// The guard's name: the same for one user in one desktop session, and different for any
    /// other user or session. On Unix the lock file's path, empty without a runtime folder.
    static QString guardName(const QString &storeKey = QString());

signals:
    /// A later start wants this copy's configuration window in front.
    void activationRequested();

private:
    QString m_storeKey;
#if defined(Q_OS_WIN)
    void *m_event = nullptr;
    QWinEventNotifier *m_notifier = nullptr;
#else
    std::unique_ptr<QLockFile> m_lock;
#endif
};
