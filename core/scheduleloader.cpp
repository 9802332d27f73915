#include "scheduleloader.h"

#include "settingskeys.h"

#include <QDebug>

namespace {

template<typename T>
T valueOrDefault(const std::optional<T> &value, const SettingKey &key, const QString &text,
                 const QString &what, T fallback, const QLocale &locale, QStringList &warnings)
{
    if (value)
        return *value;
    const QString warning = QStringLiteral("Stored value of \"%1\" is not %2: \"%3\". Using the default \"%4\".")
                                .arg(key.name, what, text.left(200), defaultText(key, locale));
    qWarning().noquote() << warning;
    warnings.append(warning);
    return fallback;
}

} // namespace

LoadedSettings loadSettings(SettingsStore &store, const QLocale &locale)
{
    LoadedSettings out;
    for (const SettingKey &key : allSettingKeys()) {
        const QString text = store.get(key.name, defaultText(key, locale));
        switch (key.kind) {
        case ValueKind::Time:
            out.schedule[key.weekday].alertTime =
                valueOrDefault(readTime(text, locale), key, text, QStringLiteral("a time"), 0.0, locale, out.warnings);
            break;
        case ValueKind::WorkFlag:
            out.schedule[key.weekday].workFlag =
                valueOrDefault(readWorkFlag(text, locale), key, text, QStringLiteral("0, 1 or 2"),
                               WorkFlag::Unchecked, locale, out.warnings);
            break;
        case ValueKind::Colour: {
            qint32 &colour = key.name == kBackColorKey ? out.display.backColor : out.display.fontColor;
            colour = valueOrDefault(readColour(text, locale), key, text, QStringLiteral("a colour"), colour, locale,
                                    out.warnings);
            break;
        }
        case ValueKind::Text:
            out.display.messageTemplate = text;
            break;
        }
    }

    if (!store.contains(kMessageKey)) {
        out.messageWritten = true;
        out.messageSave = store.save(kMessageKey, out.display.messageTemplate);
        if (!out.messageSave)
            qWarning().noquote() << out.messageSave.description;
    }
    return out;
}
