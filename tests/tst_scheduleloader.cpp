#include "olecolor.h"
#include "oledate.h"
#include "scheduleloader.h"
#include "settingskeys.h"
#include "testsupport.h"

#include <QTest>

using namespace TestSupport;

class TestScheduleLoader : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearStore(); }
    void firstStartOnAnEmptyStore();
    void loadsEveryKey();
    void storedEmptyMessageStaysEmpty();
    void soundSwitch_data();
    void soundSwitch();
    void badValueFallsBack_data();
    void badValueFallsBack();
    void badValuesDoNotStopTheLoad();
    void handEditedFile_data();
    void handEditedFile();
};

void TestScheduleLoader::firstStartOnAnEmptyStore()
{
    SettingsStore store = testStore();
    const LoadedSettings loaded = loadSettings(store, enUS());
    QCOMPARE(loaded.schedule, WeekSchedule());
    QCOMPARE(loaded.display.fontColor, OleColor::kBlack);
    QCOMPARE(loaded.display.backColor, OleColor::kButtonFace);
    QCOMPARE(loaded.display.messageTemplate, u"Get ready for work because it is now %time% on %day%."_qs);
    QCOMPARE(loaded.display.sound, false);
    QVERIFY(loaded.warnings.isEmpty());
    // The default message is written; nothing else is.
    QVERIFY(loaded.messageWritten);
    QVERIFY(loaded.messageSave);
    QCOMPARE(testStore().get(kMessageKey, QString()), kDefaultMessage);
    for (const SettingKey &key : allSettingKeys())
        QCOMPARE(store.contains(key.name), key.name == kMessageKey);
}

void TestScheduleLoader::loadsEveryKey()
{
    SettingsStore store = testStore();
    for (int day = Sunday; day <= Saturday; ++day) {
        QVERIFY(store.save(timeKey(day), OleDate::toText(oleTime(5 + day, day), enUS())));
        QVERIFY(store.save(workKey(day), QString::number(day % 3)));
    }
    QVERIFY(store.save(u"Friday"_qs + u"Time"_qs, u"11/30/2002 7:05:00 AM"_qs));
    QVERIFY(store.save(kFontColorKey, u"16777215"_qs));
    QVERIFY(store.save(kBackColorKey, u"255"_qs));
    QVERIFY(store.save(kMessageKey, u"Up!"_qs));

    const LoadedSettings loaded = loadSettings(store, enUS());
    QVERIFY2(loaded.warnings.isEmpty(), qPrintable(loaded.warnings.join(u'\n')));
    for (int day = Sunday; day <= Saturday; ++day) {
        QCOMPARE(loaded.schedule[day].workFlag, qint16(day % 3));
        if (day != Friday)
            QCOMPARE(loaded.schedule[day].alertTime, oleTime(5 + day, day));
    }
    QCOMPARE(loaded.schedule[Friday].alertTime, oleTime(7, 5, 0, QDate(2002, 11, 30)));
    QCOMPARE(loaded.display.fontColor, OleColor::kWhite);
    QCOMPARE(loaded.display.backColor, 255);
    QCOMPARE(loaded.display.messageTemplate, u"Up!"_qs);
    QVERIFY(!loaded.messageWritten);
}

void TestScheduleLoader::storedEmptyMessageStaysEmpty()
{
    SettingsStore store = testStore();
    QVERIFY(store.save(kMessageKey, QString()));
    const LoadedSettings loaded = loadSettings(store, enUS());
    QCOMPARE(loaded.display.messageTemplate, QString());
    QVERIFY(!loaded.messageWritten);
    QCOMPARE(store.get(kMessageKey, u"default"_qs), QString());
}

void TestScheduleLoader::soundSwitch_data()
{
    QTest::addColumn<QByteArray>("line"); // empty: no Sound key
    QTest::addColumn<bool>("sound");

    QTest::newRow("missing is silent, and stays missing") << QByteArray() << false;
    QTest::newRow("1 rings") << QByteArray("Sound=1") << true;
    QTest::newRow("0 is silent") << QByteArray("Sound=0") << false;
    QTest::newRow("1 with spaces rings, as a day's flag reads it") << QByteArray("Sound=\" 1 \"") << true;
}

void TestScheduleLoader::soundSwitch()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, sound);
    writeStoreFile("[Options]\nMessage=Up\n" + line + '\n');
    SettingsStore store = testStore();
    const LoadedSettings loaded = loadSettings(store, enUS());
    QVERIFY2(loaded.warnings.isEmpty(), qPrintable(loaded.warnings.join(u'\n')));
    QCOMPARE(loaded.display.sound, sound);
    QCOMPARE(store.contains(kSoundKey), !line.isEmpty());
}

void TestScheduleLoader::badValueFallsBack_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");

    QTest::newRow("time: words") << u"MondayTime"_qs << u"seven"_qs;
    QTest::newRow("time: 25:61") << u"MondayTime"_qs << u"25:61"_qs;
    QTest::newRow("time: a date out of range") << u"MondayTime"_qs << u"1/1/1500"_qs;
    QTest::newRow("time: empty") << u"MondayTime"_qs << QString();
    QTest::newRow("flag: 3 is no check-box state") << u"WorkMonday"_qs << u"3"_qs;
    QTest::newRow("flag: -1") << u"WorkMonday"_qs << u"-1"_qs;
    QTest::newRow("flag: 32768 overflows 16 bits") << u"WorkMonday"_qs << u"32768"_qs;
    QTest::newRow("flag: -32769 overflows 16 bits") << u"WorkMonday"_qs << u"-32769"_qs;
    QTest::newRow("flag: yes") << u"WorkMonday"_qs << u"yes"_qs;
    QTest::newRow("flag: 1.5") << u"WorkMonday"_qs << u"1.5"_qs;
    QTest::newRow("colour: 2147483648 overflows 32 bits") << u"FontColor"_qs << u"2147483648"_qs;
    QTest::newRow("colour: above white") << u"FontColor"_qs << u"16777216"_qs;
    QTest::newRow("colour: -1 is no colour") << u"FontColor"_qs << u"-1"_qs;
    QTest::newRow("colour: system index 25 is unknown") << u"BackColor"_qs << QString::number(qint32(0x80000019));
    QTest::newRow("colour: red") << u"BackColor"_qs << u"red"_qs;
    QTest::newRow("sound: 2 is no switch state") << u"Sound"_qs << u"2"_qs;
    QTest::newRow("sound: yes") << u"Sound"_qs << u"yes"_qs;
    QTest::newRow("sound: -1") << u"Sound"_qs << u"-1"_qs;
    QTest::newRow("sound: empty") << u"Sound"_qs << QString();
}

void TestScheduleLoader::badValueFallsBack()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    SettingsStore store = testStore();
    QVERIFY(store.save(key, text));

    const LoadedSettings defaults = [] {
        LoadedSettings d;
        return d;
    }();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"\"%1\""_qs.arg(key)));
    const LoadedSettings loaded = loadSettings(store, enUS());
    QCOMPARE(loaded.warnings.size(), 1);
    QVERIFY(loaded.warnings.first().contains(key));
    QCOMPARE(loaded.schedule, defaults.schedule);
    QCOMPARE(loaded.display, defaults.display);
    // The bad text stays until the user edits that value.
    QCOMPARE(store.get(key, u"missing"_qs), text);
}

void TestScheduleLoader::badValuesDoNotStopTheLoad()
{
    SettingsStore store = testStore();
    QVERIFY(store.save(u"SundayTime"_qs, u"garbage"_qs));
    QVERIFY(store.save(u"MondayTime"_qs, u"7:30:00 AM"_qs));
    QVERIFY(store.save(u"WorkSunday"_qs, u"9"_qs));
    QVERIFY(store.save(u"WorkMonday"_qs, u"1"_qs));
    QVERIFY(store.save(u"FontColor"_qs, u"x"_qs));
    QVERIFY(store.save(u"BackColor"_qs, u"65280"_qs));
    QVERIFY(store.save(u"Message"_qs, u"later keys still load"_qs));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"SundayTime"_qs));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"WorkSunday"_qs));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"FontColor"_qs));
    const LoadedSettings loaded = loadSettings(store, enUS());
    QCOMPARE(loaded.warnings.size(), 3);
    QCOMPARE(loaded.schedule[Sunday], DayEntry());
    QCOMPARE(loaded.schedule[Monday], (DayEntry{WorkFlag::Checked, oleTime(7, 30)}));
    QCOMPARE(loaded.display.fontColor, 0);
    QCOMPARE(loaded.display.backColor, 65280);
    QCOMPARE(loaded.display.messageTemplate, u"later keys still load"_qs);
}

void TestScheduleLoader::handEditedFile_data()
{
    QTest::addColumn<QByteArray>("content");
    const QByteArray body = "Message=Up, up, up\r\nWorkSaturday=1\r\nSaturdayTime=7:05:00 AM\r\nBackColor=-2147483643\r\n";
    QTest::newRow("CRLF line ends and unquoted commas") << QByteArray("[Options]\r\n" + body);
    QTest::newRow("a UTF-8 byte-order mark") << QByteArray("\xEF\xBB\xBF[Options]\r\n" + body);
    QTest::newRow("no [Options] line") << body;
    QTest::newRow("other sections around it") << QByteArray("[Other]\nMessage=not ours\n[Options]\n" + body + "[More]\nx=1\n");
}

void TestScheduleLoader::handEditedFile()
{
    QFETCH(QByteArray, content);
    writeStoreFile(content);
    SettingsStore store = testStore();
    const LoadedSettings loaded = loadSettings(store, enUS());
    QVERIFY2(loaded.warnings.isEmpty(), qPrintable(loaded.warnings.join(u'\n')));
    QCOMPARE(loaded.display.messageTemplate, u"Up, up, up"_qs);
    QVERIFY(!loaded.messageWritten);
    QCOMPARE(loaded.schedule[Saturday], (DayEntry{WorkFlag::Checked, oleTime(7, 5)}));
    QCOMPARE(loaded.schedule[Friday], DayEntry());
    QVERIFY(OleColor::isSystem(loaded.display.backColor));
    QCOMPARE(OleColor::systemIndex(loaded.display.backColor), 5);

    // The first edit after the hand edit saves, is reported as saved, and keeps the rest.
    QVERIFY(store.save(kFontColorKey, u"255"_qs));
    const LoadedSettings again = loadSettings(store, enUS());
    QCOMPARE(again.display.fontColor, 255);
    QCOMPARE(again.display.messageTemplate, u"Up, up, up"_qs);
    QCOMPARE(again.schedule[Saturday], loaded.schedule[Saturday]);
}

QTEST_GUILESS_MAIN(TestScheduleLoader)
#include "tst_scheduleloader.moc"
