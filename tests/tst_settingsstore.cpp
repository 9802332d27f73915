#include "settingsstore.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace TestSupport;

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearStore(); }
    void livesInTheUsersConfigFolder();
    void roundTrip_data();
    void roundTrip();
    void missingAndEmptyAreDifferent();
    void handWrittenListComesBackJoined();
    void saveIsOnDiskWhenItReturns();
    void failedSaveIsReported_data();
    void failedSaveIsReported();
};

void TestSettingsStore::livesInTheUsersConfigFolder()
{
    SettingsStore store = testStore();
    QVERIFY(store.save(u"Message"_qs, u"hello"_qs));
#ifdef Q_OS_WIN
    // The registry, in this test's own key.
    QVERIFY2(store.location().endsWith(registryKey()), qPrintable(store.location()));
#else
    QCOMPARE(QFileInfo(store.location()).canonicalFilePath(), QFileInfo(storeFile()).canonicalFilePath());
#endif
    const QByteArray content = storeText();
    QVERIFY2(content.contains("[Options]"), content.constData());
    QVERIFY2(content.contains("Message=hello"), content.constData());
}

void TestSettingsStore::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("comma") << u"Get up, go to work, now"_qs;
    QTest::newRow("double quotes") << u"Say \"now\""_qs;
    QTest::newRow("leading at sign") << u"@ByteArray(x)"_qs;
    QTest::newRow("semicolon and hash") << u"a; b # c"_qs;
    QTest::newRow("backslashes") << u"C:\\work\\\\n"_qs;
    QTest::newRow("equals and brackets") << u"[Options] key=value"_qs;
    QTest::newRow("non-ASCII") << u"Zeit für die Arbeit – 出勤 😀"_qs;
    QTest::newRow("leading and trailing spaces") << u"  spaced  "_qs;
    QTest::newRow("line breaks") << u"one\r\ntwo\nthree"_qs;
    QTest::newRow("tab") << u"a\tb"_qs;
    QTest::newRow("percent variables") << u"%time% on %day%, %date%"_qs;
    QTest::newRow("empty") << QString();
    QTest::newRow("long") << QString(10000, u'x');
}

void TestSettingsStore::roundTrip()
{
    QFETCH(QString, text);
    {
        SettingsStore store = testStore();
        QVERIFY(store.save(u"Message"_qs, text));
    }
    // A new store, as after a restart.
    SettingsStore store = testStore();
    QCOMPARE(store.get(u"Message"_qs, u"default"_qs), text);
}

void TestSettingsStore::missingAndEmptyAreDifferent()
{
    SettingsStore store = testStore();
    QCOMPARE(store.get(u"Message"_qs, u"default"_qs), u"default"_qs);
    QVERIFY(!store.contains(u"Message"_qs));
    QVERIFY(store.save(u"Message"_qs, QString()));
    QVERIFY(store.contains(u"Message"_qs));
    QCOMPARE(store.get(u"Message"_qs, u"default"_qs), QString());
}

void TestSettingsStore::handWrittenListComesBackJoined()
{
    writeStoreFile("[Options]\nMessage=Get up, go\nFontColor=255\n");
    SettingsStore store = testStore();
    QCOMPARE(store.get(u"Message"_qs, QString()), u"Get up, go"_qs);
    QCOMPARE(store.get(u"FontColor"_qs, QString()), u"255"_qs);
}

void TestSettingsStore::saveIsOnDiskWhenItReturns()
{
    SettingsStore store = testStore();
    QVERIFY(store.save(u"WorkMonday"_qs, u"1"_qs));
    QVERIFY(store.save(u"MondayTime"_qs, u"7:30:00 AM"_qs));
    // Read the file or the registry itself, not through any cache of this process.
    const QByteArray content = storeText();
    QVERIFY2(content.contains("WorkMonday=1"), content.constData());
    QVERIFY2(content.contains("MondayTime=7:30:00 AM"), content.constData());
}

void TestSettingsStore::failedSaveIsReported_data()
{
    QTest::addColumn<bool>("fileIsAFolder");
    QTest::newRow("the settings file is a folder") << true;
    QTest::newRow("the folder cannot be written") << false;
}

void TestSettingsStore::failedSaveIsReported()
{
    QFETCH(bool, fileIsAFolder);
    const QString folder = configHome().path() + u"/Dorvane"_qs;
    QVERIFY(QDir().mkpath(folder));
    if (fileIsAFolder) {
        QVERIFY(QDir().mkpath(storeFile()));
#ifdef Q_OS_WIN
        blockRegistry(true);
#endif
    } else {
#ifdef Q_OS_UNIX
        if (geteuid() == 0)
            QSKIP("root writes into read-only folders");
#else
        QSKIP("Windows ignores the read-only attribute of a folder; only its access control list stops writes");
#endif
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    auto restore = qScopeGuard([&] {
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QDir(storeFile()).removeRecursively();
#ifdef Q_OS_WIN
        blockRegistry(false);
#endif
    });

    SettingsStore store = testStore();
    const SaveResult failed = store.save(u"Message"_qs, u"lost?"_qs);
    QVERIFY(!failed);
    QVERIFY(failed.errorNumber != 0);
    QVERIFY2(failed.description.contains(u"Message"_qs), qPrintable(failed.description));
    QCOMPARE(store.get(u"FontColor"_qs, u"0"_qs), u"0"_qs);

    // Once the store can be written again, the next save succeeds and is reported so.
    restore.dismiss();
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QDir(storeFile()).removeRecursively();
#ifdef Q_OS_WIN
    blockRegistry(false);
    // A store is told its registry key once.
    store = testStore();
#endif
    QVERIFY(store.save(u"Message"_qs, u"saved"_qs));
    QCOMPARE(testStore().get(u"Message"_qs, QString()), u"saved"_qs);
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
