#pragma once

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

#include <array>

/// Weekday numbers as Dorvane counts them, whatever the locale's first day of the week.
enum Weekday : int {
    Sunday = 1,
    Monday,
    Tuesday,
    Wednesday,
    Thursday,
    Friday,
    Saturday,
};
inline constexpr int kDaysInWeek = 7;

/// The English weekday names, 1 = Sunday … 7 = Saturday, as the settings keys spell them in every
/// language.
inline QString weekdayName(int weekday)
{
    static const char *const names[kDaysInWeek]
        = { "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday" };
    return QString::fromLatin1(names[weekday - 1]);
}

/// QDate::dayOfWeek() counts 1 = Monday … 7 = Sunday; this maps it to 1 = Sunday … 7 = Saturday.
constexpr int weekdayFromQt(int qtDayOfWeek)
{
    return qtDayOfWeek % 7 + 1;
}
/// The inverse of weekdayFromQt(), for QLocale::dayName().
constexpr int qtDayOfWeek(int weekday)
{
    return weekday == Sunday ? 7 : weekday - 1;
}

/// States of a day's "Work Today?" box as they are stored. Only Checked is a working day.
namespace WorkFlag {
inline constexpr qint16 Unchecked = 0;
inline constexpr qint16 Checked = 1;
inline constexpr qint16 Greyed = 2;
} // namespace WorkFlag

/// One weekday's alarm.
struct DayEntry {
    /// 0, 1 or 2, see WorkFlag.
    qint16 workFlag = WorkFlag::Unchecked;
    /// OLE Automation date; only its hour and minute take part in the alarm.
    double alertTime = 0.0;

    friend bool operator==(const DayEntry &, const DayEntry &) = default;
};

/// Seven entries indexed by weekday number, 1 = Sunday … 7 = Saturday.
struct WeekSchedule {
    std::array<DayEntry, kDaysInWeek> days {};

    DayEntry &operator[](int weekday) { return days.at(static_cast<size_t>(weekday - 1)); }
    const DayEntry &operator[](int weekday) const { return days.at(static_cast<size_t>(weekday - 1)); }

    friend bool operator==(const WeekSchedule &, const WeekSchedule &) = default;
};

/// The default message as the source has it, and so in English.
//: The default alert message, shown full screen in huge type at the alert time. Keep %time% and %day% exactly;
//: %time% becomes e.g. 7:05 AM, %day% the weekday name (from the locale, may be capitalised as the locale does).
inline constexpr char kDefaultMessageSource[]
    = QT_TRANSLATE_NOOP("Messages", "Get ready for work because it is now %time% on %day%.");
inline const QString kDefaultMessage = QString::fromLatin1(kDefaultMessageSource);

/// The default message in the language of the installed translator, looked up at each call, so
/// that it follows a translator installed after start-up. Once stored, the message is the user's.
inline QString defaultMessage()
{
    return QCoreApplication::translate("Messages", kDefaultMessageSource);
}

/// How the alert looks. Colours are OLE colours (see olecolor.h).
struct DisplayOptions {
    qint32 fontColor = 0;
    qint32 backColor = static_cast<qint32>(0x8000000F);
    QString messageTemplate = defaultMessage();

    friend bool operator==(const DisplayOptions &, const DisplayOptions &) = default;
};

/// Everything Dorvane keeps: the week and the look of the alert.
struct Settings {
    WeekSchedule schedule;
    DisplayOptions display;

    friend bool operator==(const Settings &, const Settings &) = default;
};
