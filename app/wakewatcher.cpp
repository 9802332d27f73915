#include "wakewatcher.h"

#include <QCoreApplication>

#ifdef DORVANE_DBUS_WAKE
#include <QDBusConnection>
#endif
#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

WakeWatcher::WakeWatcher(QObject *parent)
    : QObject(parent)
{
#ifdef DORVANE_DBUS_WAKE
    // D-Bus signals can only be connected by name.
    QDBusConnection::systemBus().connect(QStringLiteral("org.freedesktop.login1"),
                                         QStringLiteral("/org/freedesktop/login1"),
                                         QStringLiteral("org.freedesktop.login1.Manager"),
                                         QStringLiteral("PrepareForSleep"), this, SLOT(prepareForSleep(bool)));
#endif
#ifdef Q_OS_WIN
    QCoreApplication::instance()->installNativeEventFilter(this);
#endif
}

WakeWatcher::~WakeWatcher()
{
#ifdef Q_OS_WIN
    QCoreApplication::instance()->removeNativeEventFilter(this);
#endif
}

void WakeWatcher::prepareForSleep(bool sleeping)
{
    if (!sleeping)
        emit woke();
}

bool WakeWatcher::nativeEventFilter([[maybe_unused]] const QByteArray &eventType, [[maybe_unused]] void *message,
                                    qintptr *)
{
#ifdef Q_OS_WIN
    if (eventType != "windows_generic_MSG")
        return false;
    const auto *msg = static_cast<const MSG *>(message);
    const bool resumed = msg->message == WM_POWERBROADCAST && msg->wParam == PBT_APMRESUMEAUTOMATIC;
    // Out of the window procedure first: the check may show a window.
    if (resumed || msg->message == WM_TIMECHANGE)
        QMetaObject::invokeMethod(this, &WakeWatcher::woke, Qt::QueuedConnection);
#endif
    return false;
}
