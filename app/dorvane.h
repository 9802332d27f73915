#pragma once

#include "alarmsound.h"
#include "cursorblink.h"
#include "mainwindow.h"
#include "reminder.h"
#include "trayicon.h"
#include "wakewatcher.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>

class AlertWindow;
class Clock;
class SettingsStore;
class SingleInstance;
class UnixSignals;

/// The program: builds the model, the configuration window, the tray icon, the alert and the
/// notices over a store and a clock, and makes every connection between them. main() runs one on
/// the user's store and the system clock; tests run one on a private store and a clock of their own.
class Dorvane : public QObject
{
    Q_OBJECT
public:
    /// unixSignals and instance, where given, end the program and bring its window forward.
    Dorvane(SettingsStore &store, const Clock &clock, const UnixSignals *unixSignals = nullptr,
            const SingleInstance *instance = nullptr, QObject *parent = nullptr);
    ~Dorvane() override;

    /// Reads the store into the model, which the window shows.
    void Form_Load();
    /// Start-up: the icon, Form_Load, then the configuration window.
    void start();

    Reminder &reminder() { return m_reminder; }
    MainWindow &window() { return m_window; }
    TrayIcon &tray() { return m_tray; }
    /// The alert while it is open.
    AlertWindow *alertWindow() const;

public slots:
    /// Shows the alert, reusing one that is still open; returns without waiting for the user.
    void GoToWork(qint16 IsItSaturday);
    /// Closes every window and asks for the end through quitRequested.
    void mnuExit_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    /// Every window is closed; the program should end now.
    void quitRequested();

private:
    /// The configuration window and the notices go where a tray is, or where one is not.
    void followTray(bool available);
    /// A non-modal notice: a message from the icon where there is a tray, else one message box,
    /// whose news is replaced by the latest.
    void notify(const QString &title, const QString &message, bool failure);
    /// A quiet word that today's alert was missed: on stderr, and from the icon where there is a tray.
    void tellMissed(const QTime &time);

    CursorBlinkTimeout m_cursorBlink;
    Reminder m_reminder;
    TrayIcon m_tray;
    MainWindow m_window;
    WakeWatcher m_wake;
    AlarmSound m_sound;
    QPointer<AlertWindow> m_alert;
    QPointer<QMessageBox> m_notice;
    bool m_trayAvailable = false;
};
