#pragma once

#include <QObject>

class MainWindow;
class SaveNotice;
class TrayIcon;

/// Keeps the configuration window and the save notices in step with the notification area,
/// which may come after the program (an autostart before the panel) or go and come back (a
/// panel restart). Says on stderr each time the program changes its ways.
class TrayMode : public QObject
{
    Q_OBJECT
public:
    TrayMode(TrayIcon &tray, MainWindow &window, SaveNotice &notice, QObject *parent = nullptr);

private:
    void follow(bool available);

    MainWindow &m_window;
    SaveNotice &m_notice;
};
