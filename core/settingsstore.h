#pragma once

#include <QSettings>
#include <QString>

#include <memory>

/// The outcome of a save. A failed save carries an error number and a sentence for the user, in
/// the user's language, and the same sentence in English for the log.
struct SaveResult {
    bool ok = true;
    int errorNumber = 0;
    QString description;
    QString logText;

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
    /// The native store, on Windows under HKEY_CURRENT_USER\Software\<registryKey> in place of
    /// Dorvane\Dorvane where registryKey is not empty, so that tests and the programs they start keep
    /// away from the user's settings there, as XDG_CONFIG_HOME does elsewhere. Elsewhere the key is
    /// ignored.
    static SettingsStore native(const QString &registryKey);

    /// The stored text of key, or defaultText when the key is missing. A stored empty text comes
    /// back empty; a hand-written value that reads as a list comes back joined with ", ".
    QString get(const QString &key, const QString &defaultText) const;
    bool contains(const QString &key) const;

    /// Writes key and waits until it is on disk. A write that did not reach the disk fails.
    SaveResult save(const QString &key, const QString &text);

    /// Where the store lives, for messages: a file path or a registry path.
    QString location() const;

    /// The environment variable through which a test names that key to the programs it starts.
    static constexpr const char *kRegistryKeyVariable = "DORVANE_REGISTRY_KEY";

private:
    std::unique_ptr<QSettings> open() const;
    static std::unique_ptr<QSettings> openGroup(std::unique_ptr<QSettings> settings);
    QSettings::Status write(const QString &key, const QString &text);

    QString m_iniFilePath;
    QString m_registryKey;
};
