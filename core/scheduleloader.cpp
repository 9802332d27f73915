#include "scheduleloader.h"

#include "settingskeys.h"

#include <QDebug>

namespace {

QString expected(ValueKind kind)
{
    switch (kind) {
    case ValueKind::Time:
        return QStringLiteral("a time");
    case ValueKind::WorkFlag:
        return QStringLiteral("0, 1 or 2");
    case ValueKind::Colour:
        return QStringLiteral("a colour");
    case ValueKind::Text:
        break;
    }
    return QStringLiteral("a text");
}

struct Reader {
    const SettingsStore &store;
    const QLocale &locale;
    QStringList &warnings;

    // The key's stored text as a T, or the key's default, with a warning, where it does not convert.
    template<typename T> T operator()(const QString &name, std::optional<T> (*convert)(const QString &, const QLocale &))
    {
        const SettingKey &key = settingKey(name);
        const QString fallback = defaultText(key, locale);
        const QString text = store.get(name, fallback);
        if (const std::optional<T> value = convert(text, locale))
            return *value;
        const QString warning = QStringLiteral("Stored value of \"%1\" is not %2: \"%3\". Using the default \"%4\".")
                                    .arg(name, expected(key.kind), text.left(200), fallback);
        qWarning().noquote() << warning;
        warnings.append(warning);
        return key.defaultValue.value<T>();
    }
};

} // namespace

LoadedSettings loadSettings(SettingsSaver &saver, const QLocale &locale)
{
    SettingsStore &store = saver.store();
    LoadedSettings out;
    Reader read { store, locale, out.warnings };
    for (int day = Sunday; day <= Saturday; ++day)
        out.schedule[day].alertTime = read(timeKey(day), readTime);
    for (int day = Sunday; day <= Saturday; ++day)
        out.schedule[day].workFlag = read(workKey(day), readWorkFlag);
    out.display.fontColor = read(kFontColorKey, readColour);
    out.display.backColor = read(kBackColorKey, readColour);
    out.display.messageTemplate = store.get(kMessageKey, out.display.messageTemplate);

    if (!store.contains(kMessageKey)) {
        out.messageWritten = true;
        out.messageSave = saver.save(kMessageKey, out.display.messageTemplate);
        if (!out.messageSave)
            qWarning().noquote() << out.messageSave.logText;
    }
    return out;
}
