#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <optional>

/// OLE Automation dates: a double counting days since 1899-12-30 00:00, whose fraction is the
/// time of day. For negative values the fraction still counts forwards from the start of the
/// day: -1.25 is 1899-12-29 06:00. Dorvane handles the time pickers' range, 1601 to 9999.
namespace OleDate {

/// The date of the value 0.
QDate zeroDate();
/// The first and last dates a stored time may carry.
QDate minimumDate();
QDate maximumDate();

/// The wall-clock date and time of an OLE date, to the nearest second, as a Qt::UTC value so that
/// no time-zone rule can move it. Values outside the supported range give an invalid QDateTime.
QDateTime toDateTime(double value);

/// The OLE date of a wall-clock date and time; milliseconds are dropped.
double fromDateTime(const QDate &date, const QTime &time);
double fromDateTime(const QDateTime &dateTime);

/// The time of day of an OLE date, to the nearest second.
QTime timeOfDay(double value);

/// The locale's general form: the long time alone when the date is the zero date, the short date
/// alone when the time is midnight, otherwise the short date, one space and the long time.
/// ("7:30:00 AM", "12/5/2026", "12/5/2026 7:05:00 AM" in en_US.)
QString toText(double value, const QLocale &locale);

/// Reads what toText() writes in this locale or in en_US, and ISO 8601. A time alone gets the zero
/// date and a date alone gets midnight. Returns nothing for any other text and for dates outside
/// the supported range.
std::optional<double> fromText(const QString &text, const QLocale &locale);

} // namespace OleDate
