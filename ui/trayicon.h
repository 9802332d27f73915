#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QSystemTrayIcon>

#include <functional>
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

    /// Whether the notification area was there at the last check.
    bool trayAvailable() const { return m_trayAvailable; }
    /// Replaces how the notification area is looked for; tests stand in for a desktop's tray.
    void setAvailabilityProbe(std::function<bool()> probe);

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
    /// The notification area came or went since the last check.
    void availabilityChanged(bool available);

public slots:
    /// Click and double-click toggle the configuration window (some hosts send only one of the
    /// two). A double-click whose first click was already reported as a click toggles only once.
    /// The context gesture is the platform's: it opens mnuPopUp itself.
    void onActivated(QSystemTrayIcon::ActivationReason reason);

    /// Looks for the notification area again. Qt says nothing when a panel starts or ends, and a
    /// session's autostart often runs before its panel, so the program asks at every tick.
    void recheck();

private:
    std::function<bool()> m_probe = &TrayIcon::isSystemTrayAvailable;
    bool m_trayAvailable = false;
    QElapsedTimer m_sinceTrigger;
    std::unique_ptr<QMenu> m_menu;
    std::unique_ptr<QSystemTrayIcon> m_icon;
};
