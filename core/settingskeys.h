#pragma once

#include "schedule.h"

#include <QLocale>
#include <QString>

#include <functional>
#include <vector>

/// Every stored key, in the order the load reads them.
enum class Key {
    SundayTime,
    MondayTime,
    TuesdayTime,
    WednesdayTime,
    ThursdayTime,
    FridayTime,
    SaturdayTime,
    WorkSunday,
    WorkMonday,
    WorkTuesday,
    WorkWednesday,
    WorkThursday,
    WorkFriday,
    WorkSaturday,
    FontColor,
    BackColor,
    Message,
    Sound,
    Count
};

/// What a stored text holds, and so which codec converts it.
enum class ValueKind {
    Time, ///< an OLE date in the locale's general text form
    WorkFlag, ///< 0, 1 or 2
    Colour, ///< a signed decimal OLE colour
    Text, ///< taken as it stands
    Switch, ///< 0 or 1
};

/// One row of the table: a key's stored name and its kind's codec bound to its field of Settings.
/// A key's default is its field's value in a default-constructed Settings.
struct SettingKey {
    QString name;
    ValueKind kind;
    /// What the load's warning says a value must be, e.g. "a time".
    QString expected;
    /// Puts text into the key's field; false, leaving the field as it was, where it does not convert
    /// or is out of range.
    std::function<bool(Settings &, const QString &text, const QLocale &)> read;
    /// The key's field as it is stored.
    std::function<QString(const Settings &, const QLocale &)> write;
};

/// The eighteen rows, indexed by Key.
const std::vector<SettingKey> &allSettingKeys();
inline const SettingKey &setting(Key key)
{
    return allSettingKeys().at(static_cast<size_t>(key));
}

constexpr Key timeSetting(int weekday)
{
    return static_cast<Key>(static_cast<int>(Key::SundayTime) + weekday - Sunday);
}
constexpr Key workSetting(int weekday)
{
    return static_cast<Key>(static_cast<int>(Key::WorkSunday) + weekday - Sunday);
}

/// Names for code that talks to the store directly, as tests and tools do.
inline QString timeKey(int weekday)
{
    return setting(timeSetting(weekday)).name;
}
inline QString workKey(int weekday)
{
    return setting(workSetting(weekday)).name;
}
inline const QString kFontColorKey = setting(Key::FontColor).name;
inline const QString kBackColorKey = setting(Key::BackColor).name;
inline const QString kMessageKey = setting(Key::Message).name;
inline const QString kSoundKey = setting(Key::Sound).name;

/// The text a missing key stands for, the default message in the installed translator's language.
inline QString defaultText(const SettingKey &key, const QLocale &locale)
{
    return key.write(Settings(), locale);
}

/// Texts as the codecs write them.
QString timeText(double alertTime, const QLocale &locale);
QString workFlagText(qint16 flag);
QString colourText(qint32 colour);
