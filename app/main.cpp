#include "clock.h"
#include "cursorblink.h"
#include "fonts.h"
#include "mainwindow.h"
#include "reminder.h"
#include "savenotice.h"
#include "settingsstore.h"
#include "singleinstance.h"
#include "trayicon.h"
#include "traymode.h"
#include "unixsignals.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dorvane"));
    QApplication::setOrganizationName(QStringLiteral("Dorvane"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setDesktopFileName(QStringLiteral("dorvane"));
    // The configuration window is hidden far more often than it is shown.
    QApplication::setQuitOnLastWindowClosed(false);

    // Its handlers first: a later start signals the copy that holds the guard, and that signal
    // must never find this copy without them.
    UnixSignals unixSignals;
    // Before the store is read or an icon shown: a second copy only hands over and leaves.
    SingleInstance instance;
    switch (instance.start(unixSignals)) {
    case SingleInstance::Outcome::First:
        break;
    case SingleInstance::Outcome::HandedOver:
        return 0;
    case SingleInstance::Outcome::Unreachable:
        return 1;
    }

    QIcon icon;
    icon.addFile(QStringLiteral(":/dorvane-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/dorvane-32.png"), QSize(32, 32));
    QApplication::setWindowIcon(icon);
    // Every window uses Arial; as the application font it spares loading the desktop's default too.
    QApplication::setFont(Fonts::window());

    CursorBlinkTimeout cursorBlink;

    SettingsStore store;
    SystemClock clock;
    Reminder reminder(store, clock);
    TrayIcon tray;
    MainWindow frmMain(reminder);
    QObject::connect(&tray, &TrayIcon::toggleRequested, &frmMain, &MainWindow::mnuConfig_Click);
    QObject::connect(&tray, &TrayIcon::exitRequested, &frmMain, &MainWindow::mnuExit_Click);
    QObject::connect(&instance, &SingleInstance::activationRequested, &frmMain, &MainWindow::showInFront);
    QObject::connect(&frmMain, &MainWindow::quitRequested, &app, [] { QCoreApplication::exit(0); });

    SaveNotice saveNotice(tray, &frmMain);
    TrayMode trayMode(tray, frmMain, saveNotice);
    // Checking for the tray with the alarm costs no wake-up of its own.
    QObject::connect(reminder.timer(), &QTimer::timeout, &tray, &TrayIcon::recheck);
    QObject::connect(&frmMain, &MainWindow::saveFailed, &saveNotice, &SaveNotice::showFailure);
    QObject::connect(&frmMain, &MainWindow::saved, &saveNotice, &SaveNotice::showSaved);

    QObject::connect(&unixSignals, &UnixSignals::terminationRequested, &frmMain, &MainWindow::mnuExit_Click);
    // A Windows logoff first only asks (commitDataRequest), and the user may still cancel it, so the
    // program stays. When the session really ends, Qt says aboutToQuit and quits by itself, and
    // Windows may end the process before exec() returns; aboutToQuit comes exactly once on every
    // way out. Elsewhere logout sends SIGTERM.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &reminder, [&reminder] { reminder.finish(); });

    tray.show();
    frmMain.Form_Load();
    frmMain.show();
    return QApplication::exec();
}
