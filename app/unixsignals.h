#pragma once

#include <QObject>

class QSocketNotifier;

/// Turns SIGTERM, SIGINT and SIGHUP (logout, kill, Ctrl+C, a closed terminal) into a Qt signal on
/// the main thread, so that the program can end through its ordinary exit path, and SIGUSR1, a
/// later start's request, into another. Where there are no such signals (Windows) it never emits.
class UnixSignals : public QObject
{
    Q_OBJECT
public:
    explicit UnixSignals(QObject *parent = nullptr);
    ~UnixSignals() override;

signals:
    void terminationRequested(int signalNumber);
    /// SIGUSR1: a later start asks this copy to show itself.
    void activationRequested();

private:
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
};
