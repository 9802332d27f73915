#include "traymode.h"

#include "mainwindow.h"
#include "savenotice.h"
#include "trayicon.h"

#include <cstdio>

TrayMode::TrayMode(TrayIcon &tray, MainWindow &window, SaveNotice &notice, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_notice(notice)
{
    const bool available = tray.trayAvailable();
    m_window.setTrayAvailable(available);
    m_notice.setTrayPresent(available);
    if (!available)
        std::fputs("dorvane: no notification area on this desktop; the configuration window minimises "
                   "instead of hiding.\n",
                   stderr);
    connect(&tray, &TrayIcon::availabilityChanged, this, &TrayMode::follow);
}

void TrayMode::follow(bool available)
{
    m_window.setTrayAvailable(available);
    m_notice.setTrayPresent(available);
    std::fputs(available ? "dorvane: a notification area appeared; the configuration window now hides in it.\n"
                         : "dorvane: the notification area went away; the configuration window now minimises "
                           "instead of hiding.\n",
               stderr);
}
