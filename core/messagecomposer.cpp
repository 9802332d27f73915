#include "messagecomposer.h"

#include "localeformat.h"
#include "schedule.h"

namespace {
QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}
} // namespace

QString alertTimeText(const QTime &time, const QLocale &locale)
{
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    const QString designator = time.hour() < 12 ? locale.amText() : locale.pmText();
    return QString::number(hour12) + timeSeparator(locale) + twoDigits(time.minute()) + QLatin1Char(' ')
        + designator;
}

QString alertDateText(const QDate &date, const QLocale &locale)
{
    const QString sep = dateSeparator(locale);
    return twoDigits(date.month()) + sep + twoDigits(date.day()) + sep
        + QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString composeAlertText(const QString &messageTemplate, const QDateTime &now, const QLocale &locale,
                         qint16 isItSaturday)
{
    const QDate today = now.date();
    const QString dayName = locale.dayName(qtDayOfWeek(weekdayFromQt(today.dayOfWeek())), QLocale::LongFormat);
    QString text = messageTemplate;
    text.replace(QStringLiteral("%day%"), dayName);
    text.replace(QStringLiteral("%time%"), alertTimeText(now.time(), locale));
    text.replace(QStringLiteral("%date%"), alertDateText(today, locale));
    if (isItSaturday == 1)
        text += QStringLiteral("\r\n\r\n") + saturdayReminder();
    return text;
}
