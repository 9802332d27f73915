#pragma once

#include "schedule.h"

#include <QLocale>
#include <QString>

#include <optional>
#include <variant>
#include <vector>

/// What a stored text holds, and so how it converts.
enum class ValueKind {
    Time, ///< an OLE date in the locale's general text form
    WorkFlag, ///< 0, 1 or 2
    Colour, ///< a signed decimal OLE colour
    Text, ///< taken as it stands
};

/// The seventeen keys, in the order the load reads them: the times, the flags, the colours, the message.
enum class SettingId {
    SundayTime,
    SaturdayTime = SundayTime + kDaysInWeek - 1,
    WorkSunday,
    WorkSaturday = WorkSunday + kDaysInWeek - 1,
    FontColor,
    BackColor,
    Message,
};
inline constexpr int kSettingCount = static_cast<int>(SettingId::Message) + 1;

constexpr SettingId timeSetting(int weekday)
{
    return static_cast<SettingId>(static_cast<int>(SettingId::SundayTime) + weekday - Sunday);
}
constexpr SettingId workSetting(int weekday)
{
    return static_cast<SettingId>(static_cast<int>(SettingId::WorkSunday) + weekday - Sunday);
}

/// A value as the model holds it: a time (OLE date), a work flag, a colour or a text.
using SettingValue = std::variant<double, qint16, qint32, QString>;

/// The field of Settings that a key fills: a member of that key's DayEntry, or of DisplayOptions.
using SettingField
    = std::variant<double DayEntry::*, qint16 DayEntry::*, qint32 DisplayOptions::*, QString DisplayOptions::*>;

struct SettingKey {
    QString name;
    ValueKind kind;
    SettingValue defaultValue;
    SettingField field;
    int weekday = 0; ///< 1 = Sunday … 7 = Saturday for the day keys, else 0
};

/// The one table of keys, indexed by SettingId.
const std::vector<SettingKey> &allSettingKeys();
const SettingKey &settingKey(SettingId id);

/// "SundayTime" … "SaturdayTime".
QString timeKey(int weekday);
/// "WorkSunday" … "WorkSaturday".
QString workKey(int weekday);
inline const QString kFontColorKey = QStringLiteral("FontColor");
inline const QString kBackColorKey = QStringLiteral("BackColor");
inline const QString kMessageKey = QStringLiteral("Message");

/// The value of key's field in settings, and the way to set it.
SettingValue valueIn(const Settings &settings, const SettingKey &key);
void assign(Settings &settings, const SettingKey &key, const SettingValue &value);

/// A value's text as it is written.
QString valueText(const SettingValue &value, const QLocale &locale);
/// A stored text as key's kind of value; nothing where it does not convert or is out of range.
std::optional<SettingValue> readValue(const SettingKey &key, const QString &text, const QLocale &locale);

/// The text a missing key stands for (midnight's time text, "0", "-2147483633", the default message).
QString defaultText(const SettingKey &key, const QLocale &locale);

/// Texts as they are written.
QString timeText(double alertTime, const QLocale &locale);
QString workFlagText(qint16 flag);
QString colourText(qint32 colour);

/// Conversions of stored texts; nothing where the text does not convert or is out of range.
std::optional<double> readTime(const QString &text, const QLocale &locale);
/// A 16-bit integer from 0 to 2.
std::optional<qint16> readWorkFlag(const QString &text, const QLocale &locale);
/// A 32-bit integer that is an RGB colour or a documented system colour.
std::optional<qint32> readColour(const QString &text, const QLocale &locale);
