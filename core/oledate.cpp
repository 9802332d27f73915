#include "oledate.h"

#include "localeformat.h"

#include <QStringList>

#include <cmath>

namespace OleDate {

namespace {

constexpr qint64 kSecondsPerDay = 86400;

bool inRange(const QDate &date)
{
    return date.isValid() && date >= minimumDate() && date <= maximumDate();
}

// A time alone and a date alone in one locale, the time formats first in the order they are tried.
struct Formats {
    QStringList times;
    QStringList dates;
};

void addUnique(QStringList &list, const QString &format)
{
    if (!format.isEmpty() && !list.contains(format))
        list.append(format);
}

Formats formatsOf(const QLocale &locale)
{
    Formats f;
    addUnique(f.times, longTimeFormat(locale));
    QString shortTime = locale.timeFormat(QLocale::ShortFormat);
    addUnique(f.times, shortTime);
    addUnique(f.dates, shortDateFormat(locale));
    addUnique(f.dates, locale.dateFormat(QLocale::ShortFormat));
    addUnique(f.dates, locale.dateFormat(QLocale::LongFormat));
    return f;
}

Formats allFormats(const QLocale &locale)
{
    Formats f = formatsOf(locale);
    const Formats us = formatsOf(QLocale(QLocale::English, QLocale::UnitedStates));
    for (const QString &t : us.times)
        addUnique(f.times, t);
    for (const QString &d : us.dates)
        addUnique(f.dates, d);
    // Hand-written and ISO 8601 forms.
    for (const char *t : {"h:mm:ss AP", "h:mm AP", "H:mm:ss", "H:mm"})
        addUnique(f.times, QString::fromLatin1(t));
    addUnique(f.dates, QStringLiteral("yyyy-MM-dd"));
    return f;
}

QTime parseTime(const QString &text, const QLocale &locale, const QStringList &formats)
{
    for (const QString &format : formats) {
        for (const QLocale &l : {locale, QLocale::c()}) {
            const QTime t = l.toTime(text, format);
            if (t.isValid())
                return t;
            // Newer locale data writes U+202F before the designator; the text was normalised.
            const QTime u = l.toTime(text, normalizeSpaces(format));
            if (u.isValid())
                return u;
        }
    }
    return {};
}

QDate parseDate(const QString &text, const QLocale &locale, const QStringList &formats)
{
    for (const QString &format : formats) {
        for (const QLocale &l : {locale, QLocale::c()}) {
            const QDate d = l.toDate(normalizeSpaces(text), normalizeSpaces(format));
            if (d.isValid())
                return d;
        }
    }
    return {};
}

} // namespace

QDate zeroDate()
{
    return QDate(1899, 12, 30);
}

QDate minimumDate()
{
    return QDate(1601, 1, 1);
}

QDate maximumDate()
{
    return QDate(9999, 12, 31);
}

QDateTime toDateTime(double value)
{
    if (!std::isfinite(value))
        return {};
    const double whole = std::trunc(value);
    const double minDays = static_cast<double>(zeroDate().daysTo(minimumDate()));
    const double maxDays = static_cast<double>(zeroDate().daysTo(maximumDate()));
    if (whole < minDays || whole > maxDays)
        return {};
    qint64 seconds = std::llround(std::fabs(value - whole) * kSecondsPerDay);
    QDate date = zeroDate().addDays(static_cast<qint64>(whole));
    if (seconds >= kSecondsPerDay) {
        date = date.addDays(1);
        seconds -= kSecondsPerDay;
    }
    if (!inRange(date))
        return {};
    return QDateTime(date, QTime(0, 0).addSecs(static_cast<int>(seconds)), Qt::UTC);
}

double fromDateTime(const QDate &date, const QTime &time)
{
    const double days = static_cast<double>(zeroDate().daysTo(date));
    const double fraction = (time.isValid() ? time.msecsSinceStartOfDay() / 1000 : 0) / double(kSecondsPerDay);
    return days >= 0 ? days + fraction : days - fraction;
}

double fromDateTime(const QDateTime &dateTime)
{
    return fromDateTime(dateTime.date(), dateTime.time());
}

QTime timeOfDay(double value)
{
    const QDateTime dt = toDateTime(value);
    return dt.isValid() ? dt.time() : QTime(0, 0);
}

QString toText(double value, const QLocale &locale)
{
    const QDateTime dt = toDateTime(value);
    const QDate date = dt.isValid() ? dt.date() : zeroDate();
    const QTime time = dt.isValid() ? dt.time() : QTime(0, 0);
    const QString timeText = normalizeSpaces(locale.toString(time, longTimeFormat(locale)));
    if (date == zeroDate())
        return timeText;
    const QString dateText = normalizeSpaces(locale.toString(date, shortDateFormat(locale)));
    if (time == QTime(0, 0))
        return dateText;
    return dateText + QLatin1Char(' ') + timeText;
}

std::optional<double> fromText(const QString &text, const QLocale &locale)
{
    const QString t = normalizeSpaces(text);
    if (t.isEmpty() || t.size() > 100)
        return std::nullopt;
    const Formats formats = allFormats(locale);

    if (const QTime time = parseTime(t, locale, formats.times); time.isValid())
        return fromDateTime(zeroDate(), time);
    if (const QDate date = parseDate(t, locale, formats.dates); date.isValid())
        return inRange(date) ? std::optional(fromDateTime(date, QTime(0, 0))) : std::nullopt;

    // A date and a time, split at the first space that leaves a valid date before it.
    const QString iso = QString(t).replace(QLatin1Char('T'), QLatin1Char(' '));
    for (const QString &candidate : {t, iso}) {
        for (qsizetype space = candidate.indexOf(QLatin1Char(' ')); space > 0;
             space = candidate.indexOf(QLatin1Char(' '), space + 1)) {
            const QDate date = parseDate(candidate.left(space), locale, formats.dates);
            if (!date.isValid())
                continue;
            const QTime time = parseTime(candidate.mid(space + 1), locale, formats.times);
            if (time.isValid())
                return inRange(date) ? std::optional(fromDateTime(date, time)) : std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace OleDate
