#pragma once

#include "settingsstore.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

/// Writes each edit through to the store at once and never drops one: a key whose save failed
/// keeps its latest text pending, and every later save or retry tries it again.
class SettingsSaver
{
public:
    explicit SettingsSaver(SettingsStore &store);

    SettingsStore &store() const { return m_store; }

    /// Saves key's text, first trying whatever is still pending. The result is this key's own.
    SaveResult save(const QString &key, const QString &text);
    /// Tries every pending key again: the first failure, or success once nothing is pending.
    SaveResult retry();

    bool hasPending() const { return !m_pending.isEmpty(); }
    /// The keys not yet on disk, oldest failure first.
    QStringList pendingKeys() const;

private:
    SaveResult write(const QString &key, const QString &text);

    SettingsStore &m_store;
    QList<std::pair<QString, QString>> m_pending;
};
