#include "trayicon.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QMenu>

TrayIcon::TrayIcon(QObject *parent)
    : QObject(parent)
    , m_menu(std::make_unique<QMenu>())
    , m_icon(std::make_unique<QSystemTrayIcon>())
{
    mnuPopUp = m_menu.get();
    mnuPopUp->setObjectName(QStringLiteral("mnuPopUp"));
    mnuPopUp->setTitle(QStringLiteral("Popup"));

    mnuConfig = mnuPopUp->addAction(QStringLiteral("Configure"));
    mnuConfig->setObjectName(QStringLiteral("mnuConfig"));
    mnuPopUp->setDefaultAction(mnuConfig);
    mnuPopUp->addSeparator()->setObjectName(QStringLiteral("sep1"));
    mnuExit = mnuPopUp->addAction(QStringLiteral("Exit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));

    connect(mnuConfig, &QAction::triggered, this, &TrayIcon::toggleRequested);
    connect(mnuExit, &QAction::triggered, this, &TrayIcon::exitRequested);

    QIcon icon;
    icon.addFile(QStringLiteral(":/dorvane-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/dorvane-32.png"), QSize(32, 32));
    m_icon->setIcon(icon);
    m_icon->setToolTip(QString());
    // Handed to the platform, the menu is exported over D-Bus to StatusNotifierItem hosts, which
    // never pass the right click on, and is opened by Qt itself on an XEmbed tray.
    m_icon->setContextMenu(mnuPopUp);
    connect(m_icon.get(), &QSystemTrayIcon::activated, this, &TrayIcon::onActivated);
    m_trayAvailable = m_probe();
}

// The icon goes before its menu.
TrayIcon::~TrayIcon()
{
    m_icon.reset();
}

bool TrayIcon::isSystemTrayAvailable()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::setAvailabilityProbe(std::function<bool()> probe)
{
    m_probe = std::move(probe);
    m_trayAvailable = m_probe();
}

void TrayIcon::recheck()
{
    const bool available = m_probe();
    if (available == m_trayAvailable)
        return;
    m_trayAvailable = available;
    emit availabilityChanged(available);
}

void TrayIcon::show()
{
    m_icon->show();
}

bool TrayIcon::isVisible() const
{
    return m_icon->isVisible();
}

void TrayIcon::showMessage(const QString &title, const QString &message, QSystemTrayIcon::MessageIcon icon)
{
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
