#include "clock.h"
#include "cursorblink.h"
#include "mainwindow.h"
#include "settingsstore.h"
#include "trayicon.h"
#include "unixsignals.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dorvane"));
    QApplication::setOrganizationName(QStringLiteral("Dorvane"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setDesktopFileName(QStringLiteral("dorvane"));
    // The configuration window is hidden far more often than it is shown.
    QApplication::setQuitOnLastWindowClosed(false);

    QIcon icon;
    icon.addFile(QStringLiteral(":/dorvane-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/dorvane-32.png"), QSize(32, 32));
    QApplication::setWindowIcon(icon);
    // Every window uses Arial; as the application font it spares loading the desktop's default too.
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(8.25);
    QApplication::setFont(arial);

    CursorBlinkTimeout cursorBlink;

    SettingsStore store;
    SystemClock clock;
    TrayIcon tray;
    const bool hasTray = TrayIcon::isSystemTrayAvailable();
    if (!hasTray)
        std::fputs("dorvane: no notification area on this desktop; the configuration window minimises "
                   "instead of hiding.\n",
                   stderr);

    MainWindow frmMain(store, clock);
    frmMain.setTrayAvailable(hasTray);
    QObject::connect(&tray, &TrayIcon::toggleRequested, &frmMain, &MainWindow::mnuConfig_Click);
    QObject::connect(&tray, &TrayIcon::exitRequested, &frmMain, &MainWindow::mnuExit_Click);
    if (hasTray)
        QObject::connect(&frmMain, &MainWindow::saveFailed, &tray, &TrayIcon::showMessage);
    QObject::connect(&frmMain, &MainWindow::quitRequested, &app, [] { QCoreApplication::exit(0); });

    UnixSignals unixSignals;
    QObject::connect(&unixSignals, &UnixSignals::terminationRequested, &frmMain, &MainWindow::mnuExit_Click);

    tray.show();
    frmMain.Form_Load();
    frmMain.show();
    return QApplication::exec();
}
