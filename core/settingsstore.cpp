#include "settingsstore.h"

#include <QStringList>

namespace {
const QString kOrganization = QStringLiteral("Dorvane");
const QString kApplication = QStringLiteral("Dorvane");
const QString kGroup = QStringLiteral("Options");

// Error numbers for a failed save, as the colour handlers report them to the user.
constexpr int kPathFileAccessError = 75;
constexpr int kFileFormatError = 76;
} // namespace

SettingsStore::SettingsStore() = default;

SettingsStore::SettingsStore(const QString &iniFilePath)
    : m_iniFilePath(iniFilePath)
{
}

std::unique_ptr<QSettings> SettingsStore::open() const
{
    // A fresh QSettings for every call: status() never clears once an error is set, so a long-lived
    // object would keep reporting an old failure after the store became writable again.
    auto settings = m_iniFilePath.isEmpty()
        ? std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kOrganization, kApplication)
        : std::make_unique<QSettings>(m_iniFilePath, QSettings::IniFormat);
    settings->beginGroup(kGroup);
    return settings;
}

QString SettingsStore::get(const QString &key, const QString &defaultText) const
{
    const auto settings = open();
    if (!settings->contains(key)) {
        // A file written by hand without its "[Options]" line keeps its keys at the top level.
        settings->endGroup();
        if (!settings->contains(key))
            return defaultText;
    }
    const QVariant value = settings->value(key);
    // "Message=Get up, go" written by hand reads as a list.
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

bool SettingsStore::contains(const QString &key) const
{
    const auto settings = open();
    if (settings->contains(key))
        return true;
    settings->endGroup();
    return settings->contains(key);
}

SaveResult SettingsStore::save(const QString &key, const QString &text)
{
    auto status = write(key, text);
    // A file that did not parse cleanly (a hand-edited one with a byte-order mark, say) reports a
    // FormatError from the read, which hides how the write went; the write itself rewrote the file
    // cleanly if it worked, so a second write reports the truth.
    if (status == QSettings::FormatError)
        status = write(key, text);
    switch (status) {
    case QSettings::NoError:
        return {};
    case QSettings::FormatError:
        return {false, kFileFormatError,
                QStringLiteral("The settings in %1 could not be read, so \"%2\" was not saved.")
                    .arg(location(), key)};
    case QSettings::AccessError:
        break;
    }
    return {false, kPathFileAccessError,
            QStringLiteral("\"%1\" could not be saved: %2 cannot be written.").arg(key, location())};
}

QSettings::Status SettingsStore::write(const QString &key, const QString &text)
{
    const auto settings = open();
    settings->setValue(key, text);
    settings->sync();
    return settings->status();
}

QString SettingsStore::location() const
{
    return open()->fileName();
}
