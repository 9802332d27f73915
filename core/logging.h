#pragma once

#include <QLoggingCategory>

// Every diagnostic goes through one of these, under "dorvane"; QT_LOGGING_RULES="dorvane.*.debug=true"
// turns on more without a rebuild.
Q_DECLARE_LOGGING_CATEGORY(lcStore) ///< dorvane.store: the settings file
Q_DECLARE_LOGGING_CATEGORY(lcAlarm) ///< dorvane.alarm: alerts shown late or missed
Q_DECLARE_LOGGING_CATEGORY(lcTray) ///< dorvane.tray: the notification area coming and going
Q_DECLARE_LOGGING_CATEGORY(lcSound) ///< dorvane.sound: the alert's sound
Q_DECLARE_LOGGING_CATEGORY(lcInstance) ///< dorvane.instance: one copy at a time
Q_DECLARE_LOGGING_CATEGORY(lcSystem) ///< dorvane.system: signals, sleep and the session
