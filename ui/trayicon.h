#pragma once

#include <QElapsedTimer>
#include <QIcon>
#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>

#include <memory>

class QMenu;

/// Trayicon1: the program's icon in the notification area and its popup menu. It only states what
/// the user asked for; whoever owns the windows decides what that means.
class TrayIcon : public QObject
{
    Q_OBJECT
public:
    explicit TrayIcon(QObject *parent = nullptr);
    ~TrayIcon() override;

    /// Whether the notification area was there at the last check.
    bool trayAvailable() const { return m_trayAvailable; }

    void show();
    bool isVisible() const;
    /// A short non-modal notice from the icon.
    void showMessage(const QString &title, const QString &message,
                     QSystemTrayIcon::MessageIcon icon = QSystemTrayIcon::Warning);

    /// Null while the icon waits for a D-Bus tray to appear (see waitsForStatusNotifierHost).
    QSystemTrayIcon *icon() const { return m_icon.get(); }

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

    /// Looks for the notification area again. Qt says nothing when an XEmbed panel starts or ends,
    /// and a session's autostart often runs before its panel, so the program asks at every tick.
    void recheck();

private slots:
    void watcherRegistered();
    /// A host registered with the watcher, or a look after the watcher came is due.
    void followWatcher();

private:
    void createIcon();
    bool lookForTray() const;
    /// Whether this platform can only reach a tray over D-Bus and the session has no
    /// StatusNotifierHost yet. Qt 6 asks the bus for one once, when its first tray icon is made,
    /// and keeps that answer for the whole run; so the icon is made only once a host is there.
    bool waitsForStatusNotifierHost() const;
    void watchForStatusNotifierHost();
    /// Asks the watcher, without waiting, whether a host is there; makes the icon if so.
    void askForStatusNotifierHost();
    void lookAgainSoon();

    bool m_trayAvailable = false;
    bool m_showRequested = false;
    bool m_hostAsked = false;
    /// A watcher comes seconds before the panel that hosts its items, and some watchers never say
    /// when a host registers: after a watcher appears it is asked again 1, 2, 4, 8 and 16 s later,
    /// then at the ticks.
    QTimer m_lookAgain;
    int m_lookAgainMs = 0;
    QElapsedTimer m_sinceTrigger;
    QIcon m_image;
    /// mnuPopUp, with mnuConfig and mnuExit.
    std::unique_ptr<QMenu> m_menu;
    std::unique_ptr<QSystemTrayIcon> m_icon;
};
