#include "settingskeys.h"
#include "settingsstore.h"
#include "testsupport.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

using namespace TestSupport;

class TestTwoCopies : public QObject
{
    Q_OBJECT

private slots:
    void bothWriteTheSameStore();
};

void TestTwoCopies::bothWriteTheSameStore()
{
    clearStore();
    constexpr int kRounds = 40;
    QProcess a, b;
    for (QProcess *p : {&a, &b})
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    a.start(QStringLiteral(STOREWRITER), {u"A"_qs, QString::number(kRounds)});
    b.start(QStringLiteral(STOREWRITER), {u"B"_qs, QString::number(kRounds)});
    QVERIFY(a.waitForFinished(120000));
    QVERIFY(b.waitForFinished(120000));
    QCOMPARE(a.exitCode(), 0);
    QCOMPARE(b.exitCode(), 0);

    // The file is whole, and every key holds a text that one of the two wrote.
    QSettings raw(storeFile(), QSettings::IniFormat);
    QCOMPARE(raw.status(), QSettings::NoError);
    const QRegularExpression written(u"^[AB] \\d+$"_qs);
    SettingsStore store = testStore();
    for (const SettingKey &key : allSettingKeys()) {
        const QString text = store.get(key.name, u"missing"_qs);
        QVERIFY2(written.match(text).hasMatch(), qPrintable(key.name + u" = "_qs + text));
    }
    // Each copy's last round reached the file for the key it wrote last.
    const QString last = store.get(kMessageKey, QString());
    QVERIFY2(last.endsWith(QString::number(kRounds - 1)), qPrintable(last));
}

QTEST_GUILESS_MAIN(TestTwoCopies)
#include "tst_twocopies.moc"
