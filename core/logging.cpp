#include "logging.h"

Q_LOGGING_CATEGORY(lcStore, "dorvane.store")
Q_LOGGING_CATEGORY(lcAlarm, "dorvane.alarm")
Q_LOGGING_CATEGORY(lcTray, "dorvane.tray")
Q_LOGGING_CATEGORY(lcSound, "dorvane.sound")
Q_LOGGING_CATEGORY(lcInstance, "dorvane.instance")
Q_LOGGING_CATEGORY(lcSystem, "dorvane.system")
