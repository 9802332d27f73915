#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QSystemTrayIcon>

#include <memory>

class QAction;
class QMenu;

/// Trayicon1: the program's icon in the notification area and its popup menu. It only states what
/// the user asked for; whoever owns the windows decides what that means.
class TrayIcon : public QObject
{
    Q_OBJECT
public:
    explicit TrayIcon(QObject *parent = nullptr);
    ~TrayIcon() override;

    /// Whether the desktop has a notification area to put the icon in.
    static bool isSystemTrayAvailable();

    void show();
    bool isVisible() const;
    /// A short non-modal notice from the icon.
    void showMessage(const QString &title, const QString &message,
                     QSystemTrayIcon::MessageIcon icon = QSystemTrayIcon::Warning);

    QSystemTrayIcon *icon() const { return m_icon.get(); }

    QMenu *mnuPopUp = nullptr;
    QAction *mnuConfig = nullptr;
    QAction *mnuExit = nullptr;

signals:
    void toggleRequested();
    void exitRequested();

public slots:
    /// Click and double-click toggle the configuration window (some hosts send only one of the
    /// two); the context gesture opens the menu at the mouse pointer. A double-click whose first
    /// click was already reported as a click toggles only once.
    void onActivated(QSystemTrayIcon::ActivationReason reason);

private:
    QElapsedTimer m_sinceTrigger;
    std::unique_ptr<QMenu> m_menu;
    std::unique_ptr<QSystemTrayIcon> m_icon;
};
