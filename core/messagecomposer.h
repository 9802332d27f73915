#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QString>

/// The Saturday reminder as the source has it, and so in English.
//: Reminder added under the alert message on Saturdays.
inline constexpr char kSaturdayReminderSource[]
    = QT_TRANSLATE_NOOP("Messages", "Remember to input your new times for the week.");
inline const QString kSaturdayReminder = QString::fromLatin1(kSaturdayReminderSource);

/// The Saturday reminder in the language of the installed translator, looked up at each call.
inline QString saturdayReminder()
{
    return QCoreApplication::translate("Messages", kSaturdayReminderSource);
}

/// "h:nn AMPM": 12-hour clock without a leading zero, two-digit minute, the locale's time
/// separator and its designators as it spells them ("7:05 AM", "12:00 PM" in en_US).
QString alertTimeText(const QTime &time, const QLocale &locale);

/// "mm/dd/yyyy" with the locale's date separator, always month, day, year ("01/05/2027" in en_US).
QString alertDateText(const QDate &date, const QLocale &locale);

/// The alert's text: the template with every "%day%", then "%time%", then "%date%" replaced
/// (case-sensitive, left to right, inserted text not searched again), followed by CR LF CR LF and
/// saturdayReminder() when isItSaturday is exactly 1. Every template composes.
QString composeAlertText(const QString &messageTemplate, const QDateTime &now, const QLocale &locale,
                         qint16 isItSaturday);
