#include "settingskeys.h"

#include "localeformat.h"
#include "olecolor.h"
#include "oledate.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

const std::vector<SettingKey> &allSettingKeys()
{
    static const std::vector<SettingKey> keys = [] {
        const DisplayOptions defaults;
        std::vector<SettingKey> k;
        for (int day = Sunday; day <= Saturday; ++day)
            k.push_back({ weekdayName(day) + QLatin1String("Time"), ValueKind::Time, 0.0 });
        for (int day = Sunday; day <= Saturday; ++day)
            k.push_back({ QLatin1String("Work") + weekdayName(day), ValueKind::WorkFlag, WorkFlag::Unchecked });
        k.push_back({ kFontColorKey, ValueKind::Colour, defaults.fontColor });
        k.push_back({ kBackColorKey, ValueKind::Colour, defaults.backColor });
        // The source text: the table is built once, and the language is the translator's at each use.
        k.push_back({ kMessageKey, ValueKind::Text, kDefaultMessage });
        return k;
    }();
    return keys;
}

const SettingKey &settingKey(const QString &name)
{
    const auto &keys = allSettingKeys();
    return *std::find_if(keys.begin(), keys.end(), [&](const SettingKey &key) { return key.name == name; });
}

QString timeKey(int weekday)
{
    return allSettingKeys().at(static_cast<size_t>(weekday - Sunday)).name;
}

QString workKey(int weekday)
{
    return allSettingKeys().at(static_cast<size_t>(kDaysInWeek + weekday - Sunday)).name;
}

QString defaultText(const SettingKey &key, const QLocale &locale)
{
    switch (key.kind) {
    case ValueKind::Time:
        return timeText(key.defaultValue.toDouble(), locale);
    case ValueKind::WorkFlag:
    case ValueKind::Colour:
        return QString::number(key.defaultValue.toInt());
    case ValueKind::Text:
        break;
    }
    return QCoreApplication::translate("Messages", key.defaultValue.toString().toUtf8().constData());
}

QString timeText(double alertTime, const QLocale &locale)
{
    return OleDate::toText(alertTime, locale);
}

QString workFlagText(qint16 flag)
{
    return QString::number(flag);
}

QString colourText(qint32 colour)
{
    return QString::number(colour);
}

std::optional<double> readTime(const QString &text, const QLocale &locale)
{
    return OleDate::fromText(text, locale);
}

std::optional<qint16> readWorkFlag(const QString &text, const QLocale &locale)
{
    const auto value = parseInteger(text, locale, WorkFlag::Unchecked, WorkFlag::Greyed);
    if (!value)
        return std::nullopt;
    return static_cast<qint16>(*value);
}

std::optional<qint32> readColour(const QString &text, const QLocale &locale)
{
    const auto value
        = parseInteger(text, locale, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
    if (!value || !OleColor::isValid(static_cast<qint32>(*value)))
        return std::nullopt;
    return static_cast<qint32>(*value);
}
