#pragma once

#include <QSettings>
#include <QString>

#include <memory>

/// The outcome of a save. A failed save carries an error number and a sentence for the user.
struct SaveResult {
    bool ok = true;
    int errorNumber = 0;
    QString description;

    explicit operator bool() const { return ok; }
};

/// The per-user store of Dorvane's seventeen texts: organisation and application "Dorvane",
/// group "Options". On Linux that is $XDG_CONFIG_HOME/Dorvane/Dorvane.conf, on Windows
/// HKEY_CURRENT_USER\Software\Dorvane\Dorvane\Options.
class SettingsStore
{
public:
    /// The user's own store, in the platform's native format.
    SettingsStore();
    /// A store in an INI file of the caller's choosing.
    explicit SettingsStore(const QString &iniFilePath);

    /// The stored text of key, or defaultText when the key is missing. A stored empty text comes
    /// back empty; a hand-written value that reads as a list comes back joined with ", ".
    QString get(const QString &key, const QString &defaultText) const;
    bool contains(const QString &key) const;

    /// Writes key and waits until it is on disk. A write that did not reach the disk fails.
    SaveResult save(const QString &key, const QString &text);

    /// Where the store lives, for messages: a file path or a registry path.
    QString location() const;

    /// Names a key below HKEY_CURRENT_USER\Software that the native store on Windows uses in place
    /// of Dorvane\Dorvane, so that tests and the programs they start keep away from the user's
    /// settings there, as XDG_CONFIG_HOME does elsewhere. Ignored on other systems.
    static constexpr const char *kRegistryKeyVariable = "DORVANE_REGISTRY_KEY";

private:
    std::unique_ptr<QSettings> open() const;
    static std::unique_ptr<QSettings> openGroup(std::unique_ptr<QSettings> settings);
    QSettings::Status write(const QString &key, const QString &text);

    QString m_iniFilePath;
};
