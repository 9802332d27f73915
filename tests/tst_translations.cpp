#include "messagecomposer.h"
#include "programsupport.h"
#include "settingskeys.h"
#include "translation.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace TestSupport;

namespace {

struct Message {
    QString type;
    QString translation;
};
using Catalogue = QMap<std::pair<QString, QString>, Message>;

Catalogue readTs(const QString &path)
{
    Catalogue messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context, source;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            messages.insert({ context, source }, message);
        }
    }
    return messages;
}

// %1-style arguments and the message variables, each as often as it stands.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(u"%(?:\\d+|day%|time%|date%)"_qs);
    QStringList found;
    for (const QRegularExpressionMatch &match : pattern.globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

bool unused(const Message &message)
{
    return message.type == u"vanished" || message.type == u"obsolete";
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextTheCodeShowsIsTranslated_data();
    void everyTextTheCodeShowsIsTranslated();
    void choose_data();
    void choose();
    void defaultMessageIsWrittenInTheUsersLanguageAndThenKept();

private:
    QTemporaryDir m_refreshed;
};

void TestTranslations::initTestCase()
{
    QLocale::setDefault(enUS());
    // lupdate over the sources into copies of the shipped files: what the code shows now, each
    // text it has gained since the files were updated marked unfinished.
    QVERIFY(m_refreshed.isValid());
    QStringList arguments = { u"-silent"_qs, u"-locations"_qs, u"none"_qs, u"-extensions"_qs, u"cpp,h"_qs };
    for (const char *folder : { "core", "ui", "app" })
        arguments << QStringLiteral(DORVANE_SOURCE_DIR "/") + QLatin1String(folder);
    arguments << u"-ts"_qs;
    const QStringList languages = QStringLiteral(DORVANE_LANGUAGES).split(u',');
    for (const QString &language : languages) {
        const QString name = u"dorvane_%1.ts"_qs.arg(language);
        const QString copy = m_refreshed.filePath(name);
        QVERIFY(QFile::copy(QStringLiteral(DORVANE_SOURCE_DIR "/translations/") + name, copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        arguments << copy;
    }
    QProcess lupdate;
    lupdate.start(QStringLiteral(DORVANE_LUPDATE), arguments);
    QVERIFY(lupdate.waitForFinished(60000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
}

void TestTranslations::everyTextTheCodeShowsIsTranslated_data()
{
    QTest::addColumn<QString>("language");
    const QStringList languages = QStringLiteral(DORVANE_LANGUAGES).split(u',');
    for (const QString &language : languages)
        QTest::addRow("%s: finished, with the source's arguments and variables", qPrintable(language)) << language;
}

void TestTranslations::everyTextTheCodeShowsIsTranslated()
{
    QFETCH(QString, language);
    const QString name = u"dorvane_%1.ts"_qs.arg(language);
    const Catalogue shipped = readTs(QStringLiteral(DORVANE_SOURCE_DIR "/translations/") + name);
    const Catalogue inCode = readTs(m_refreshed.filePath(name));
    QVERIFY(!inCode.isEmpty());

    // Texts of other branches may wait in the files unused; lrelease leaves them out.
    QStringList faults;
    for (auto it = inCode.cbegin(); it != inCode.cend(); ++it) {
        if (unused(it.value()))
            continue;
        const auto &[context, source] = it.key();
        const QString where = context + u": \""_qs + source + u'"';
        const auto found = shipped.constFind(it.key());
        if (found == shipped.cend()) {
            faults << where + u" is not in the file: run the update_translations target"_qs;
            continue;
        }
        if (!found->type.isEmpty() || found->translation.isEmpty())
            faults << where + u" is not translated (%1)"_qs.arg(found->type.isEmpty() ? u"empty"_qs : found->type);
        else if (placeholders(found->translation) != placeholders(source))
            faults << where + u" has the placeholders \"%1\" in place of \"%2\""_qs.arg(
                placeholders(found->translation).join(u' '), placeholders(source).join(u' '));
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestTranslations::choose_data()
{
    QTest::addColumn<QStringList>("preferred");
    QTest::addColumn<QString>("chosen");

    QTest::newRow("a language with its country takes the language's translation") << QStringList { u"de-DE"_qs } << u"de"_qs;
    QTest::newRow("Brazilian Portuguese") << QStringList { u"pt-BR"_qs } << u"pt_BR"_qs;
    QTest::newRow("plain Portuguese takes the Brazilian translation") << QStringList { u"pt"_qs } << u"pt_BR"_qs;
    QTest::newRow("Chinese with script and country") << QStringList { u"zh-Hans-CN"_qs } << u"zh_CN"_qs;
    QTest::newRow("Chinese with its country") << QStringList { u"zh-CN"_qs } << u"zh_CN"_qs;
    QTest::newRow("traditional Chinese does not take the simplified translation")
        << QStringList { u"zh-TW"_qs, u"ja"_qs } << u"ja"_qs;
    QTest::newRow("the first language Dorvane speaks wins")
        << QStringList { u"eo"_qs, u"fr-CA"_qs, u"de"_qs } << u"fr"_qs;
    QTest::newRow("English before a translated language ends the search")
        << QStringList { u"en-GB"_qs, u"de-DE"_qs } << QString();
    QTest::newRow("a language Dorvane does not speak falls back to English")
        << QStringList { u"eo"_qs, u"sw-KE"_qs } << QString();
    QTest::newRow("no language at all is English") << QStringList() << QString();
    QTest::newRow("the C locale is English") << QStringList { u"C"_qs, u"de"_qs } << QString();
}

void TestTranslations::choose()
{
    QFETCH(QStringList, preferred);
    QFETCH(QString, chosen);
    QCOMPARE(Translation::choose(preferred), chosen);
}

void TestTranslations::defaultMessageIsWrittenInTheUsersLanguageAndThenKept()
{
    clearStore();
    Translation translation;
    const auto english = qScopeGuard([&] { translation.use(QString()); });
    QVERIFY(translation.use(u"de"_qs));
    const QString german = readTs(QStringLiteral(DORVANE_SOURCE_DIR "/translations/dorvane_de.ts"))
                               .value({ u"Messages"_qs, kDefaultMessage })
                               .translation;
    QVERIFY(!german.isEmpty());
    {
        Program first(QDateTime(QDate(2026, 12, 5), QTime(12, 0)));
        first.app.Form_Load();
        QCOMPARE(testStore().get(kMessageKey, QString()), german);
        QVERIFY(!saturdayReminder().isEmpty());
        QVERIFY(saturdayReminder() != kSaturdayReminder);
    }
    // Stored, it is the user's own text, in whatever language Dorvane runs from then on.
    QVERIFY(translation.use(u"fr"_qs));
    Program later(QDateTime(QDate(2026, 12, 5), QTime(12, 0)));
    later.app.Form_Load();
    QCOMPARE(later.w.findChild<QLineEdit *>(u"txtMessage"_qs)->text(), german);
    QCOMPARE(testStore().get(kMessageKey, QString()), german);
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
