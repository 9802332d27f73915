#pragma once

#include "schedule.h"

#include <QDateTime>

#include <optional>

/// The alarm rule, run on every tick. Today's entry (weekday of `now`, 1 = Sunday … 7 = Saturday)
/// is due when its hour and minute equal those of `now` and its work flag is exactly 1; the
/// seconds and the entry's date part play no part. Returns IsItSaturday (1 on a Saturday, else 0)
/// when the alert is due, and nothing otherwise. Keeps no state between calls.
std::optional<qint16> alarmDue(const QDateTime &now, const WeekSchedule &schedule);
