#include "settingskeys.h"

#include "localeformat.h"
#include "olecolor.h"
#include "oledate.h"

#include <limits>
#include <type_traits>

namespace {

template<typename... Ts> struct Overloaded : Ts... {
    using Ts::operator()...;
};
// Clang before 17 deduces no aggregate's template arguments by itself.
template<typename... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

template<typename T> std::optional<SettingValue> widen(const std::optional<T> &value)
{
    if (!value)
        return std::nullopt;
    return SettingValue(*value);
}

} // namespace

const std::vector<SettingKey> &allSettingKeys()
{
    static const std::vector<SettingKey> keys = [] {
        const DisplayOptions defaults;
        std::vector<SettingKey> k;
        for (int day = Sunday; day <= Saturday; ++day)
            k.push_back({ weekdayName(day) + QLatin1String("Time"), ValueKind::Time, 0.0, &DayEntry::alertTime, day });
        for (int day = Sunday; day <= Saturday; ++day)
            k.push_back({ QLatin1String("Work") + weekdayName(day), ValueKind::WorkFlag, WorkFlag::Unchecked,
                          &DayEntry::workFlag, day });
        k.push_back({ kFontColorKey, ValueKind::Colour, defaults.fontColor, &DisplayOptions::fontColor });
        k.push_back({ kBackColorKey, ValueKind::Colour, defaults.backColor, &DisplayOptions::backColor });
        k.push_back({ kMessageKey, ValueKind::Text, defaults.messageTemplate, &DisplayOptions::messageTemplate });
        return k;
    }();
    return keys;
}

const SettingKey &settingKey(SettingId id)
{
    return allSettingKeys().at(static_cast<size_t>(id));
}

QString timeKey(int weekday)
{
    return settingKey(timeSetting(weekday)).name;
}

QString workKey(int weekday)
{
    return settingKey(workSetting(weekday)).name;
}

SettingValue valueIn(const Settings &settings, const SettingKey &key)
{
    return std::visit(
        Overloaded {
            [&](auto DayEntry::*member) -> SettingValue { return settings.schedule[key.weekday].*member; },
            [&](auto DisplayOptions::*member) -> SettingValue { return settings.display.*member; },
        },
        key.field);
}

void assign(Settings &settings, const SettingKey &key, const SettingValue &value)
{
    std::visit(Overloaded {
                   [&](auto DayEntry::*member) {
                       auto &field = settings.schedule[key.weekday].*member;
                       field = std::get<std::remove_reference_t<decltype(field)>>(value);
                   },
                   [&](auto DisplayOptions::*member) {
                       auto &field = settings.display.*member;
                       field = std::get<std::remove_reference_t<decltype(field)>>(value);
                   },
               },
               key.field);
}

QString valueText(const SettingValue &value, const QLocale &locale)
{
    return std::visit(Overloaded {
                          [&](double time) { return timeText(time, locale); },
                          [](qint16 flag) { return workFlagText(flag); },
                          [](qint32 colour) { return colourText(colour); },
                          [](const QString &text) { return text; },
                      },
                      value);
}

std::optional<SettingValue> readValue(const SettingKey &key, const QString &text, const QLocale &locale)
{
    switch (key.kind) {
    case ValueKind::Time:
        return widen(readTime(text, locale));
    case ValueKind::WorkFlag:
        return widen(readWorkFlag(text, locale));
    case ValueKind::Colour:
        return widen(readColour(text, locale));
    case ValueKind::Text:
        return SettingValue(text);
    }
    return std::nullopt;
}

QString defaultText(const SettingKey &key, const QLocale &locale)
{
    return valueText(key.defaultValue, locale);
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
