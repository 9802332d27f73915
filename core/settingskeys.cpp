#include "settingskeys.h"

#include "localeformat.h"
#include "olecolor.h"
#include "oledate.h"

#include <limits>

namespace {
const char *const kDayNames[kDaysInWeek] = {"Sunday", "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};

QString dayName(int weekday)
{
    return QString::fromLatin1(kDayNames[weekday - 1]);
}
} // namespace

QString timeKey(int weekday)
{
    return dayName(weekday) + QLatin1String("Time");
}

QString workKey(int weekday)
{
    return QLatin1String("Work") + dayName(weekday);
}

const std::vector<SettingKey> &allSettingKeys()
{
    static const std::vector<SettingKey> keys = [] {
        std::vector<SettingKey> k;
        for (int day = Sunday; day <= Saturday; ++day)
            k.push_back({timeKey(day), ValueKind::Time, day});
        for (int day = Sunday; day <= Saturday; ++day)
            k.push_back({workKey(day), ValueKind::WorkFlag, day});
        k.push_back({kFontColorKey, ValueKind::Colour});
        k.push_back({kBackColorKey, ValueKind::Colour});
        k.push_back({kMessageKey, ValueKind::Text});
        return k;
    }();
    return keys;
}

QString defaultText(const SettingKey &key, const QLocale &locale)
{
    const DisplayOptions defaults;
    switch (key.kind) {
    case ValueKind::Time:
        return timeText(0.0, locale);
    case ValueKind::WorkFlag:
        return workFlagText(WorkFlag::Unchecked);
    case ValueKind::Colour:
        return colourText(key.name == kBackColorKey ? defaults.backColor : defaults.fontColor);
    case ValueKind::Text:
        return defaults.messageTemplate;
    }
    return {};
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
    const auto value = parseInteger(text, locale, std::numeric_limits<qint32>::min(),
                                    std::numeric_limits<qint32>::max());
    if (!value || !OleColor::isValid(static_cast<qint32>(*value)))
        return std::nullopt;
    return static_cast<qint32>(*value);
}
