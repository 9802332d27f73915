#include "trayicon.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
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
    connect(m_icon.get(), &QSystemTrayIcon::activated, this, &TrayIcon::onActivated);
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
        mnuPopUp->popup(QCursor::pos());
        break;
    case QSystemTrayIcon::MiddleClick:
    case QSystemTrayIcon::Unknown:
        break;
    }
}
