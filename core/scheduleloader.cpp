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

} // namespace

LoadedSettings loadSettings(SettingsSaver &saver, const QLocale &locale)
{
    SettingsStore &store = saver.store();
    LoadedSettings out;
    for (const SettingKey &key : allSettingKeys()) {
        const QString fallback = defaultText(key, locale);
        const QString text = store.get(key.name, fallback);
        std::optional<SettingValue> value = readValue(key, text, locale);
        if (!value) {
            const QString warning
                = QStringLiteral("Stored value of \"%1\" is not %2: \"%3\". Using the default \"%4\".")
                      .arg(key.name, expected(key.kind), text.left(200), fallback);
            qWarning().noquote() << warning;
            out.warnings.append(warning);
            value = key.defaultValue;
        }
        assign(out, key, *value);
    }

    if (!store.contains(kMessageKey)) {
        out.messageWritten = true;
        out.messageSave = saver.save(kMessageKey, out.display.messageTemplate);
        if (!out.messageSave)
            qWarning().noquote() << out.messageSave.description;
    }
    return out;
}

LoadedSettings loadSettings(SettingsStore &store, const QLocale &locale)
{
    SettingsSaver saver(store);
    return loadSettings(saver, locale);
}
