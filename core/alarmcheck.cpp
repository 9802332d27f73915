#include "alarmcheck.h"

#include "oledate.h"

#include <algorithm>

namespace {

qint16 isItSaturday(int weekday)
{
    return static_cast<qint16>(weekday == Saturday ? 1 : 0);
}

// The wall-clock reading alone, so that a daylight-saving jump is a jump here too.
QDateTime wallClock(const QDate &date, const QTime &time)
{
    return QDateTime(date, time, Qt::UTC);
}

} // namespace

std::optional<qint16> alarmDue(const QDateTime &now, const WeekSchedule &schedule)
{
    const int weekday = weekdayFromQt(now.date().dayOfWeek());
    const DayEntry &today = schedule[weekday];
    const QTime current = now.time();
    const QTime entry = OleDate::timeOfDay(today.alertTime);
    const bool sameMinute = current.hour() == entry.hour() && current.minute() == entry.minute();
    if (!sameMinute || today.workFlag != WorkFlag::Checked)
        return std::nullopt;
    return isItSaturday(weekday);
}

std::optional<MissedAlarm> missedAlarm(const QDateTime &previousCheck, const QDateTime &now,
                                       const WeekSchedule &schedule)
{
    if (!previousCheck.isValid() || !now.isValid())
        return std::nullopt;
    const int weekday = weekdayFromQt(now.date().dayOfWeek());
    const DayEntry &today = schedule[weekday];
    if (today.workFlag != WorkFlag::Checked)
        return std::nullopt;
    const QTime entry = OleDate::timeOfDay(today.alertTime);
    const QDateTime due = wallClock(now.date(), QTime(entry.hour(), entry.minute()));
    const QDateTime before = wallClock(previousCheck.date(), previousCheck.time());
    const QDateTime after = wallClock(now.date(), now.time());
    if (before >= due || after < due.addSecs(60))
        return std::nullopt;
    MissedAlarm missed;
    missed.time = due.time();
    missed.isItSaturday = isItSaturday(weekday);
    missed.showLate = due.secsTo(after) <= kLateAlertSeconds;
    return missed;
}

bool keyAnswersAlert(qint64 shownAt, std::optional<qint64> lastKeyAt, qint64 pressedAt, bool autoRepeat)
{
    if (autoRepeat)
        return false;
    const qint64 stillSince = lastKeyAt ? std::max(shownAt, *lastKeyAt) : shownAt;
    return pressedAt - stillSince >= kAnswerKeyQuietMs;
}

bool clickAnswersAlert(qint64 shownAt, qint64 pressedAt)
{
    return pressedAt - shownAt >= kAnswerClickDelayMs;
}
