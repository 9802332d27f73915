#include "settingskeys.h"

#include "localeformat.h"
#include "olecolor.h"
#include "oledate.h"

#include <limits>
#include <optional>

namespace {

template<typename T> struct Codec {
    ValueKind kind;
    const char *expected;
    std::optional<T> (*read)(const QString &, const QLocale &);
    QString (*write)(const T &, const QLocale &);
};

template<typename T> std::optional<T> readInteger(const QString &text, const QLocale &locale, qint64 min, qint64 max)
{
    const auto value = parseInteger(text, locale, min, max);
    if (!value)
        return std::nullopt;
    return static_cast<T>(*value);
}

constexpr Codec<double> kTime { ValueKind::Time, "a time", OleDate::fromText,
                            [](const double &v, const QLocale &l) { return timeText(v, l); } };
constexpr Codec<qint16> kWorkFlag { ValueKind::WorkFlag, "0, 1 or 2",
                                [](const QString &t, const QLocale &l) {
                                    return readInteger<qint16>(t, l, WorkFlag::Unchecked, WorkFlag::Greyed);
                                },
                                [](const qint16 &v, const QLocale &) { return workFlagText(v); } };
constexpr Codec<qint32> kColour { ValueKind::Colour, "a colour",
                              [](const QString &t, const QLocale &l) -> std::optional<qint32> {
                                  const auto value = readInteger<qint32>(t, l, std::numeric_limits<qint32>::min(),
                                                                         std::numeric_limits<qint32>::max());
                                  return value && OleColor::isValid(*value) ? value : std::nullopt;
                              },
                              [](const qint32 &v, const QLocale &) { return colourText(v); } };
constexpr Codec<QString> kText { ValueKind::Text, "a text",
                             [](const QString &t, const QLocale &) { return std::optional<QString>(t); },
                             [](const QString &v, const QLocale &) { return v; } };
// Read as a day's flag is, so 2 is out of range.
constexpr Codec<bool> kSwitch { ValueKind::Switch, "0 or 1",
                            [](const QString &t, const QLocale &l) -> std::optional<bool> {
                                const auto value = parseInteger(t, l, 0, 1);
                                return value ? std::optional<bool>(*value == 1) : std::nullopt;
                            },
                            [](const bool &v, const QLocale &) {
                                return v ? QStringLiteral("1") : QStringLiteral("0");
                            } };

// field is a generic lambda, so that one accessor serves the read and the write.
template<typename T, typename Field> SettingKey row(const QString &name, const Codec<T> &codec, Field field)
{
    return { name, codec.kind, QString::fromLatin1(codec.expected),
             [read = codec.read, field](Settings &settings, const QString &text, const QLocale &locale) {
                 const std::optional<T> value = read(text, locale);
                 if (value)
                     field(settings) = *value;
                 return value.has_value();
             },
             [write = codec.write, field](const Settings &settings, const QLocale &locale) {
                 return write(field(settings), locale);
             } };
}

} // namespace

const std::vector<SettingKey> &allSettingKeys()
{
    static const std::vector<SettingKey> keys = [] {
        std::vector<SettingKey> k;
        for (int day = Sunday; day <= Saturday; ++day)
            k.push_back(row(
                weekdayName(day) + QLatin1String("Time"),
                kTime, [day](auto &s) -> auto & { return s.schedule[day].alertTime; }));
        for (int day = Sunday; day <= Saturday; ++day)
            k.push_back(row(
                QLatin1String("Work") + weekdayName(day),
                kWorkFlag, [day](auto &s) -> auto & { return s.schedule[day].workFlag; }));
        k.push_back(row(
            QStringLiteral("FontColor"), kColour, [](auto &s) -> auto & { return s.display.fontColor; }));
        k.push_back(row(
            QStringLiteral("BackColor"), kColour, [](auto &s) -> auto & { return s.display.backColor; }));
        k.push_back(row(
            QStringLiteral("Message"), kText, [](auto &s) -> auto & { return s.display.messageTemplate; }));
        k.push_back(row(
            QStringLiteral("Sound"), kSwitch, [](auto &s) -> auto & { return s.display.sound; }));
        Q_ASSERT(k.size() == static_cast<size_t>(Key::Count));
        return k;
    }();
    return keys;
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
