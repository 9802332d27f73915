#include "alarmcheck.h"

#include "oledate.h"

std::optional<qint16> alarmDue(const QDateTime &now, const WeekSchedule &schedule)
{
    const int weekday = weekdayFromQt(now.date().dayOfWeek());
    const DayEntry &today = schedule[weekday];
    const QTime current = now.time();
    const QTime entry = OleDate::timeOfDay(today.alertTime);
    const bool sameMinute = current.hour() == entry.hour() && current.minute() == entry.minute();
    if (!sameMinute || today.workFlag != WorkFlag::Checked)
        return std::nullopt;
    return static_cast<qint16>(weekday == Saturday ? 1 : 0);
}
