#include "settingssaver.h"

#include <algorithm>

SettingsSaver::SettingsSaver(SettingsStore &store)
    : m_store(store)
{
}

SaveResult SettingsSaver::save(const QString &key, const QString &text)
{
    // This text supersedes whatever of key's was still pending.
    m_pending.removeIf([&](const auto &entry) { return entry.first == key; });
    retry();
    return write(key, text);
}

SaveResult SettingsSaver::retry()
{
    SaveResult first;
    // A copy: write() takes saved keys out of the list.
    const auto pending = m_pending;
    for (const auto &[key, text] : pending) {
        const SaveResult result = write(key, text);
        if (!result && first)
            first = result;
    }
    return first;
}

QStringList SettingsSaver::pendingKeys() const
{
    QStringList keys;
    for (const auto &entry : m_pending)
        keys.append(entry.first);
    return keys;
}

SaveResult SettingsSaver::write(const QString &key, const QString &text)
{
    const SaveResult result = m_store.save(key, text);
    const auto it = std::find_if(m_pending.begin(), m_pending.end(), [&](const auto &e) { return e.first == key; });
    if (result) {
        if (it != m_pending.end())
            m_pending.erase(it);
    } else if (it != m_pending.end()) {
        it->second = text;
    } else {
        m_pending.append({ key, text });
    }
    return result;
}
