#pragma once

#include "schedule.h"
#include "settingssaver.h"

#include <QLocale>
#include <QStringList>

/// What the start-up load found in the store.
struct LoadedSettings : Settings {
    /// One line for each stored text that did not convert and was replaced by its key's default.
    QStringList warnings;
    /// Whether the default message was written because the store had none, and how that went.
    bool messageWritten = false;
    SaveResult messageSave;
};

/// Reads the eighteen keys in their load order. A text that does not convert falls back to that
/// key's default with a warning on stderr, leaves the stored text as it is, and does not stop the
/// load. A store without "Message" gets the default message written to it through saver, which
/// keeps it pending if the write fails.
LoadedSettings loadSettings(SettingsSaver &saver, const QLocale &locale = QLocale());
