#include "timepicker.h"

#include "oledate.h"

#include <QLocale>

namespace {
// The value the picker holds before anything is loaded into it.
const QDate kDesignDate(2002, 11, 30);
} // namespace

TimePicker::TimePicker(QWidget *parent)
    : QDateTimeEdit(parent)
{
    // UTC: a wall-clock time that the local zone skips at a DST change must still be settable.
    setTimeSpec(Qt::UTC);
    setTimeFormat(QStringLiteral("HH:mm"));
    setWrapping(true);
    setValue(OleDate::fromDateTime(kDesignDate, QTime(0, 0)));
    connect(this, &QDateTimeEdit::dateTimeChanged, this, &TimePicker::onDateTimeChanged);
}

void TimePicker::setValue(double value)
{
    const QDateTime dt = OleDate::toDateTime(value);
    if (!dt.isValid())
        return;
    m_value = value;
    m_loading = true;
    setDateTime(dt);
    m_loading = false;
}

QString TimePicker::localeTimeFormat()
{
    const QString format = QLocale().timeFormat(QLocale::ShortFormat);
    const bool hasHour = format.contains(QLatin1Char('h')) || format.contains(QLatin1Char('H'));
    if (!hasHour || !format.contains(QLatin1Char('m')) || format.contains(QLatin1Char('s'))
        || format.contains(QLatin1Char('z')))
        return QStringLiteral("HH:mm");
    return format;
}

void TimePicker::setTimeFormat(const QString &format)
{
    setDisplayFormat(format);
    // A format without date sections pins the date range to the date shown at that moment, which
    // would clamp every later value to it.
    setDateTimeRange(QDateTime(OleDate::minimumDate(), QTime(0, 0), Qt::UTC),
                     QDateTime(OleDate::maximumDate(), QTime(23, 59, 59), Qt::UTC));
}

bool TimePicker::focusNextPrevChild(bool next)
{
    return QWidget::focusNextPrevChild(next);
}

void TimePicker::onDateTimeChanged(const QDateTime &shown)
{
    if (m_loading)
        return;
    // The editor shows only hours and minutes, so its notion of the date and the seconds is not
    // to be trusted: take those from the value we hold.
    const QDateTime held = OleDate::toDateTime(m_value);
    const QTime time(shown.time().hour(), shown.time().minute(), held.time().second());
    const double updated = OleDate::fromDateTime(held.date(), time);
    if (updated == m_value)
        return;
    m_value = updated;
    emit valueChanged(m_value);
}
