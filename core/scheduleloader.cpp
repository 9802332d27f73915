#include "scheduleloader.h"

#include "logging.h"
#include "settingskeys.h"

LoadedSettings loadSettings(SettingsSaver &saver, const QLocale &locale)
{
    SettingsStore &store = saver.store();
    const Settings defaults;
    LoadedSettings out;
    for (const SettingKey &key : allSettingKeys()) {
        const QString fallback = key.write(defaults, locale);
        const QString text = store.get(key.name, fallback);
        // A text that does not convert leaves the field at its default.
        if (key.read(out, text, locale))
            continue;
        const QString warning = QStringLiteral("Stored value of \"%1\" is not %2: \"%3\". Using the default \"%4\".")
                                    .arg(key.name, key.expected, text.left(200), fallback);
        qCWarning(lcStore).noquote() << warning;
        out.warnings.append(warning);
    }

    const SettingKey &message = setting(Key::Message);
    if (!store.contains(message.name)) {
        out.messageWritten = true;
        out.messageSave = saver.save(message.name, message.write(out, locale));
        if (!out.messageSave)
            qCWarning(lcStore).noquote() << out.messageSave.logText;
    }
    return out;
}
