#include "dorvane.h"

#include "alertwindow.h"
#include "fonts.h"
#include "logging.h"
#include "messagecomposer.h"
#include "olepalette.h"
#include "singleinstance.h"
#include "unixsignals.h"
#include "windowroles.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>

#include <utility>

Dorvane::Dorvane(SettingsStore &store, const Clock &clock, const UnixSignals *unixSignals,
                 const SingleInstance *instance, QObject *parent)
    : QObject(parent)
    , m_reminder(store, clock)
    , m_window(m_reminder)
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/dorvane-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/dorvane-32.png"), QSize(32, 32));
    QApplication::setWindowIcon(icon);
    // Every window uses Arial; as the application font it spares loading the desktop's default too.
    QApplication::setFont(Fonts::window());
    WindowRoles::install();

    connect(&m_reminder, &Reminder::alertDue, this, &Dorvane::GoToWork);
    connect(&m_reminder, &Reminder::alertMissed, this, &Dorvane::tellMissed);
    // A check at once when the computer wakes: an alert passed over in its sleep comes now, not at
    // the next tick.
    connect(&m_wake, &WakeWatcher::woke, &m_reminder, &Reminder::tick);
    connect(&m_reminder, &Reminder::saveFailed, this, [this](const QString &title, const QString &message) {
        notify(title, message, true);
    });
    connect(&m_reminder, &Reminder::saved, this, [this](const QString &title, const QString &message) {
        notify(title, message, false);
    });
    // Checking for the tray with the alarm costs no wake-up of its own.
    connect(&m_reminder, &Reminder::ticked, &m_tray, &TrayIcon::recheck);
    connect(&m_tray, &TrayIcon::availabilityChanged, this, &Dorvane::followTray);
    connect(&m_tray, &TrayIcon::toggleRequested, &m_window, &MainWindow::mnuConfig_Click);
    connect(&m_tray, &TrayIcon::exitRequested, this, &Dorvane::mnuExit_Click);
    connect(&m_window, &MainWindow::quitRequested, this, &Dorvane::mnuExit_Click);
    if (unixSignals)
        connect(unixSignals, &UnixSignals::terminationRequested, this, &Dorvane::mnuExit_Click);
    if (instance)
        connect(instance, &SingleInstance::activationRequested, &m_window, &MainWindow::showInFront);
    // A Windows logoff first only asks (commitDataRequest), and the user may still cancel it, so the
    // program stays. When the session really ends, Qt says aboutToQuit and quits by itself, and
    // Windows may end the process before exec() returns; aboutToQuit comes exactly once on every
    // way out. Elsewhere logout sends SIGTERM.
    connect(qApp, &QCoreApplication::aboutToQuit, &m_reminder, [this] { m_reminder.finish(); });
    // The end of the session reaches the application as a Quit event, which closes every window.
    qApp->installEventFilter(this);

    m_trayAvailable = m_tray.trayAvailable();
    m_window.setTrayAvailable(m_trayAvailable);
    if (!m_trayAvailable)
        qCInfo(lcTray, "no notification area on this desktop; the configuration window minimises instead of hiding.");
}

Dorvane::~Dorvane()
{
    // The alert has no owner window; it must not outlive the model that feeds it.
    delete m_alert;
}

void Dorvane::Form_Load()
{
    m_reminder.load();
}

void Dorvane::start()
{
    m_tray.show();
    Form_Load();
    m_window.show();
}

AlertWindow *Dorvane::alertWindow() const
{
    return m_alert;
}

void Dorvane::GoToWork(qint16 IsItSaturday)
{
    // An alert closed by OK is only queued for deletion, and may still be here when a tick comes
    // in the same pass of the event loop: shown again, it would go with that deletion. A hidden
    // alert is left to go, and a new one takes its place.
    if (m_alert && m_alert->isHidden()) {
        m_alert->deleteLater();
        m_alert = nullptr;
    }
    // Where a window cannot raise itself (Qt on Wayland), the alert that is still open gives way to
    // a new one, which the compositor maps on top with the focus; it goes once the new one is up.
    QPointer<AlertWindow> previous;
    if (m_alert && QGuiApplication::platformName().startsWith(u"wayland"))
        previous = std::exchange(m_alert, nullptr);
    if (!m_alert) {
        m_alert = new AlertWindow;
        connect(m_alert, &AlertWindow::dismissed, &m_sound, &AlarmSound::stop);
    }
    const DisplayOptions &options = m_reminder.displayOptions();
    const QPalette palette = QApplication::palette();
    m_alert->setColors(resolveOleColor(options.backColor, palette), resolveOleColor(options.fontColor, palette));
    m_alert->setText(composeAlertText(options.messageTemplate, m_reminder.now(), QLocale(), IsItSaturday));
    m_alert->showOnScreen(QGuiApplication::primaryScreen());
    m_alert->raise();
    m_alert->activateWindow();
    if (previous) {
        previous->hide();
        previous->deleteLater();
    }
    // The second check of the alert's minute shows it again; a sound still ringing goes on as it is.
    if (options.sound && !m_sound.isPlaying())
        m_sound.start();
}

bool Dorvane::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == qApp && event->type() == QEvent::Quit)
        m_window.endProgram();
    return QObject::eventFilter(watched, event);
}

void Dorvane::mnuExit_Click()
{
    // In the order the windows were opened; the configuration window takes its help along.
    m_reminder.stopTicking();
    m_window.endProgram();
    m_window.close();
    if (m_alert)
        m_alert->close();
    m_sound.stop();
    emit quitRequested();
}

void Dorvane::followTray(bool available)
{
    m_trayAvailable = available;
    m_window.setTrayAvailable(available);
    if (available)
        qCInfo(lcTray, "a notification area appeared; the configuration window now hides in it.");
    else
        qCInfo(lcTray, "the notification area went away; the configuration window now minimises instead of hiding.");
}

void Dorvane::notify(const QString &title, const QString &message, bool failure)
{
    if (m_trayAvailable) {
        m_tray.showMessage(title, message, failure ? QSystemTrayIcon::Warning : QSystemTrayIcon::Information);
        return;
    }
    if (!m_notice) {
        m_notice = new QMessageBox(&m_window);
        m_notice->setAttribute(Qt::WA_DeleteOnClose);
        m_notice->setTextFormat(Qt::PlainText);
        m_notice->setStandardButtons(QMessageBox::Ok);
        m_notice->setModal(false);
    }
    m_notice->setIcon(failure ? QMessageBox::Warning : QMessageBox::Information);
    m_notice->setWindowTitle(title);
    m_notice->setText(message);
    m_notice->show();
}

void Dorvane::tellMissed(const QTime &time)
{
    const QString shown = alertTimeText(time, QLocale());
    // The log stays in English; the notice is in the user's language.
    const QString missed
        = QStringLiteral("%1 alert was missed while the computer was asleep or its clock changed.").arg(shown);
    qCInfo(lcAlarm).noquote() << QStringLiteral("the ") + missed;
    if (m_trayAvailable)
        m_tray.showMessage(QStringLiteral("Dorvane"),
                           //: Tray notification; %1 is a time such as 7:05 AM.
                           tr("The %1 alert was missed while the computer was asleep or its clock changed.").arg(shown),
                           QSystemTrayIcon::Information);
}
