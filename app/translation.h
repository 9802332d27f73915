#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

/// Dorvane's language and Qt's own (for the colour dialog and the message boxes' buttons), chosen
/// from the user's preferred languages. Dorvane's translations are resources under :/i18n; Qt's
/// come from the system, or on Windows from the translations folder beside the program.
class Translation
{
public:
    Translation() = default;
    ~Translation();
    Translation(const Translation &) = delete;
    Translation &operator=(const Translation &) = delete;

    /// The languages Dorvane speaks besides English, as the codes of its translations ("de", "pt_BR").
    static QStringList available();
    /// The code of the first of languages (most preferred first, as QLocale::uiLanguages() gives
    /// them: "de-DE", "zh-Hans-CN") that is English or that Dorvane speaks in the same script;
    /// empty for English, and where none of them is.
    static QString choose(const QStringList &languages);

    /// Installs the translators of language, a code from available(), in place of those installed
    /// before, and lays the application out in that language's direction. An empty code is
    /// English: no translator at all. False where Dorvane's own translation could not be loaded.
    bool use(const QString &language);

private:
    void remove();

    QTranslator m_dorvane;
    QTranslator m_qt;
};
