#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

/// Says when the computer has woken from sleep or its clock was set, so that the alarm is checked
/// at once rather than at the next tick: logind's PrepareForSleep(false) on the system bus, and on
/// Windows WM_POWERBROADCAST (PBT_APMRESUMEAUTOMATIC) and WM_TIMECHANGE to the program's windows.
/// Without a system bus or logind it stays silent, and the tick catches up on its own.
class WakeWatcher : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT
public:
    explicit WakeWatcher(QObject *parent = nullptr);
    ~WakeWatcher() override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

signals:
    void woke();

private slots:
    void prepareForSleep(bool sleeping);
};
