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

/// How long, in ms, the keyboard must have been still before Enter or Space answers the alert: keys
/// typed into another program as the alert appears land in the alert and must not dismiss it.
inline constexpr qint64 kAnswerKeyQuietMs = 1000;
/// How long, in ms, after the alert appeared a mouse press on its button first counts.
inline constexpr qint64 kAnswerClickDelayMs = 500;

/// Whether a press of Enter or Space at pressedAt answers the alert that appeared at shownAt.
/// lastKeyAt is the last key press or release the alert received before this press, if any. The
/// keyboard must have been still for kAnswerKeyQuietMs since the later of shownAt and lastKeyAt;
/// an auto-repeated press never answers. All times in ms on one monotonic clock.
bool keyAnswersAlert(qint64 shownAt, std::optional<qint64> lastKeyAt, qint64 pressedAt, bool autoRepeat);
/// Whether a mouse press on the alert's button at pressedAt counts: at least kAnswerClickDelayMs
/// after the alert appeared at shownAt. Times in ms on one monotonic clock.
bool clickAnswersAlert(qint64 shownAt, qint64 pressedAt);
