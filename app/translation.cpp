#include "translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace {

const QString kPrefix = QStringLiteral("dorvane_");
const QString kResources = QStringLiteral(":/i18n");

QString qtTranslations()
{
#ifdef Q_OS_WIN
    // Qt's own translations are shipped beside the program, not where Qt was built.
    return QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
#else
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
}

} // namespace

Translation::~Translation()
{
    remove();
}

QStringList Translation::available()
{
    QStringList codes;
    const QStringList files = QDir(kResources).entryList({ kPrefix + QStringLiteral("*.qm") }, QDir::Files);
    for (const QString &file : files)
        codes.append(file.mid(kPrefix.size()).chopped(3));
    return codes;
}

QString Translation::choose(const QStringList &languages)
{
    QStringList offered;
    for (const QString &name : languages) {
        // English, and the C locale's English, end the search before any locale data is looked up,
        // which would cost memory that an English Dorvane never needs.
        if (name == u"C" || name == u"en" || name.startsWith(u"en-") || name.startsWith(u"en_"))
            return {};
        const QLocale wanted(name);
        if (wanted.language() == QLocale::English || wanted.language() == QLocale::C)
            return {};
        if (offered.isEmpty())
            offered = available();
        // The script tells Chinese in simplified characters from Chinese in traditional ones, and a
        // language without one named takes its usual script: "pt" is "pt-Latn-BR", "zh" "zh-Hans-CN".
        for (const QString &code : offered) {
            const QLocale translation(code);
            if (translation.language() == wanted.language() && translation.script() == wanted.script())
                return code;
        }
    }
    return {};
}

bool Translation::use(const QString &language)
{
    remove();
    // Set whether or not Qt's translations are installed, whose QT_LAYOUT_DIRECTION would say it too.
    QGuiApplication::setLayoutDirection(language.isEmpty() ? Qt::LeftToRight : QLocale(language).textDirection());
    if (language.isEmpty())
        return true;
    const bool own = m_dorvane.load(kResources + u'/' + kPrefix + language);
    if (own)
        QCoreApplication::installTranslator(&m_dorvane);
    if (m_qt.load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"), qtTranslations()))
        QCoreApplication::installTranslator(&m_qt);
    return own;
}

void Translation::remove()
{
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_dorvane);
}
