#include "trayicon.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#ifdef DORVANE_DBUS_TRAY
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#endif

namespace {

constexpr int kFirstLookAgainMs = 1000;
constexpr int kLastLookAgainMs = 16000;

#ifdef DORVANE_DBUS_TRAY
const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");

// Asks the watcher whether a host is registered with it: what Qt's D-Bus tray needs before it
// will put an icon anywhere.
QDBusMessage hostQuestion()
{
    QDBusMessage get = QDBusMessage::createMethodCall(kWatcherService, kWatcherPath,
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << kWatcherService << QStringLiteral("IsStatusNotifierHostRegistered");
    get.setAutoStartService(false);
    return get;
}

// On X11 a panel that comes late is reached through XEmbed (Plasma's xembedsniproxy included), and
// the offscreen and other non-desktop platforms have no tray at all; on Wayland D-Bus is the only way.
bool trayOnlyOverDBus()
{
    return QGuiApplication::platformName().startsWith(u"wayland");
}

// At start-up, whether a StatusNotifierWatcher is on the session bus with a host registered.
bool statusNotifierHostPresent()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    const QDBusMessage reply = bus.call(hostQuestion(), QDBus::Block, 2000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    return qvariant_cast<QDBusVariant>(reply.arguments().constFirst()).variant().toBool();
}
#endif

} // namespace

TrayIcon::TrayIcon(QObject *parent)
    : QObject(parent)
    , m_menu(std::make_unique<QMenu>())
{
    QMenu *mnuPopUp = m_menu.get();
    mnuPopUp->setObjectName(QStringLiteral("mnuPopUp"));
    mnuPopUp->setTitle(QStringLiteral("Popup"));

    //: Tray menu item: shows or hides the configuration window.
    QAction *mnuConfig = mnuPopUp->addAction(tr("Configure"));
    mnuConfig->setObjectName(QStringLiteral("mnuConfig"));
    mnuPopUp->setDefaultAction(mnuConfig);
    mnuPopUp->addSeparator()->setObjectName(QStringLiteral("sep1"));
    //: Tray menu item: ends the program.
    QAction *mnuExit = mnuPopUp->addAction(tr("Exit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));

    connect(mnuConfig, &QAction::triggered, this, &TrayIcon::toggleRequested);
    connect(mnuExit, &QAction::triggered, this, &TrayIcon::exitRequested);

    m_image.addFile(QStringLiteral(":/dorvane-16.png"), QSize(16, 16));
    m_image.addFile(QStringLiteral(":/dorvane-32.png"), QSize(32, 32));
    m_lookAgain.setSingleShot(true);
    connect(&m_lookAgain, &QTimer::timeout, this, &TrayIcon::followWatcher);
    watchForStatusNotifierHost();
    if (waitsForStatusNotifierHost()) {
        // At login the panel often starts beside the program.
        m_lookAgainMs = kFirstLookAgainMs;
        lookAgainSoon();
    } else {
        createIcon();
    }
    m_trayAvailable = lookForTray();
}

// The icon goes before its menu.
TrayIcon::~TrayIcon()
{
    m_icon.reset();
}

void TrayIcon::createIcon()
{
    m_icon = std::make_unique<QSystemTrayIcon>();
    m_icon->setIcon(m_image);
    m_icon->setToolTip(QString());
    // Handed to the platform, the menu is exported over D-Bus to StatusNotifierItem hosts, which
    // never pass the right click on, and is opened by Qt itself on an XEmbed tray.
    m_icon->setContextMenu(m_menu.get());
    connect(m_icon.get(), &QSystemTrayIcon::activated, this, &TrayIcon::onActivated);
    if (m_showRequested)
        m_icon->show();
}

bool TrayIcon::lookForTray() const
{
    return m_icon && QSystemTrayIcon::isSystemTrayAvailable();
}

bool TrayIcon::waitsForStatusNotifierHost() const
{
#ifdef DORVANE_DBUS_TRAY
    return trayOnlyOverDBus() && !statusNotifierHostPresent();
#else
    return false;
#endif
}

void TrayIcon::watchForStatusNotifierHost()
{
#ifdef DORVANE_DBUS_TRAY
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    // Told by the bus, so the program wakes only when a panel starts, ends or restarts.
    auto *watcher = new QDBusServiceWatcher(kWatcherService, bus,
                                            QDBusServiceWatcher::WatchForRegistration
                                                | QDBusServiceWatcher::WatchForUnregistration,
                                            this);
    connect(watcher, &QDBusServiceWatcher::serviceRegistered, this, &TrayIcon::watcherRegistered);
    connect(watcher, &QDBusServiceWatcher::serviceUnregistered, this, &TrayIcon::recheck);
    // D-Bus signals can only be connected by name.
    bus.connect(kWatcherService, kWatcherPath, kWatcherService, QStringLiteral("StatusNotifierHostRegistered"), this,
                SLOT(followWatcher()));
#endif
}

void TrayIcon::watcherRegistered()
{
    m_lookAgainMs = kFirstLookAgainMs;
    followWatcher();
}

void TrayIcon::followWatcher()
{
    if (!m_icon) {
        askForStatusNotifierHost();
        return;
    }
    recheck();
    if (!m_trayAvailable)
        lookAgainSoon();
}

void TrayIcon::lookAgainSoon()
{
    if (m_lookAgainMs == 0 || m_lookAgainMs > kLastLookAgainMs)
        return;
    m_lookAgain.start(m_lookAgainMs);
    m_lookAgainMs *= 2;
}

void TrayIcon::askForStatusNotifierHost()
{
#ifdef DORVANE_DBUS_TRAY
    if (m_icon || m_hostAsked || !trayOnlyOverDBus())
        return;
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    // Without waiting: a watcher that has just started can take seconds to answer.
    m_hostAsked = true;
    auto *call = new QDBusPendingCallWatcher(bus.asyncCall(hostQuestion(), 10000), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *finished) {
        finished->deleteLater();
        m_hostAsked = false;
        const QDBusPendingReply<QDBusVariant> reply = *finished;
        if (m_icon)
            return;
        if (reply.isError() || !reply.value().variant().toBool()) {
            lookAgainSoon();
            return;
        }
        createIcon();
        m_lookAgain.stop();
        recheck();
    });
#endif
}

void TrayIcon::recheck()
{
    // Also the fallback should the bus's word on the host be missed: one call per tick, and only
    // while there is no icon.
    askForStatusNotifierHost();
    const bool available = lookForTray();
    if (available == m_trayAvailable)
        return;
    m_trayAvailable = available;
    emit availabilityChanged(available);
}

void TrayIcon::show()
{
    m_showRequested = true;
    if (m_icon)
        m_icon->show();
}

bool TrayIcon::isVisible() const
{
    return m_icon && m_icon->isVisible();
}

void TrayIcon::showMessage(const QString &title, const QString &message, QSystemTrayIcon::MessageIcon icon)
{
    if (m_icon)
        m_icon->showMessage(title, message, icon);
}

void TrayIcon::onActivated(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        m_sinceTrigger.start();
        emit toggleRequested();
        break;
    case QSystemTrayIcon::DoubleClick:
        // X11 and Windows report the first click of a double-click as a click of its own.
        if (m_sinceTrigger.isValid() && m_sinceTrigger.elapsed() <= QApplication::doubleClickInterval())
            break;
        emit toggleRequested();
        break;
    case QSystemTrayIcon::Context:
    case QSystemTrayIcon::MiddleClick:
    case QSystemTrayIcon::Unknown:
        break;
    }
}
