#pragma once

#include "schedule.h"

#include <QDateTime>

#include <optional>

/// The alarm rule, run on every tick. Today's entry (weekday of `now`, 1 = Sunday … 7 = Saturday)
/// is due when its hour and minute equal those of `now` and its work flag is exactly 1; the
/// seconds and the entry's date part play no part. Returns IsItSaturday (1 on a Saturday, else 0)
/// when the alert is due, and nothing otherwise. Keeps no state between calls.
std::optional<qint16> alarmDue(const QDateTime &now, const WeekSchedule &schedule);

/// Today's alert minute that passed while no check ran.
struct MissedAlarm {
    /// Today's alert time: its hour and minute.
    QTime time;
    /// As alarmDue() gives it: 1 on a Saturday, else 0.
    qint16 isItSaturday = 0;
    /// Late by at most kLateAlertSeconds: shown now, as usual. Later than that it is only noted.
    bool showLate = false;
};

/// How late, counted from the start of the alert minute, an alert is still shown.
inline constexpr qint64 kLateAlertSeconds = 60 * 60;

/// The catch-up rule, run with the alarm rule on every tick. previousCheck and now are the local
/// date and time of the last check and of this one. Today's entry (weekday of `now`) is missed when
/// it is a working day and its whole minute lies between the two checks: a sleep, a stopped process,
/// the clock set forward or a daylight-saving jump went over it. The times are compared as the wall
/// clock reads them, so a minute that the spring-forward jump skips counts as passed. Only today's
/// entry counts, however long the gap; a clock set back, a gap that ends inside the minute (the
/// alarm rule's case) or an invalid previousCheck gives nothing.
std::optional<MissedAlarm> missedAlarm(const QDateTime &previousCheck, const QDateTime &now,
                                       const WeekSchedule &schedule);
