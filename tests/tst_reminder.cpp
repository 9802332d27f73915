// The live model without any window: each edit reaches the model and its one key at once, and
// each key loads into a field of its own.

#include "olecolor.h"
#include "reminder.h"
#include "settingskeys.h"
#include "testsupport.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace TestSupport;

using Edit = std::function<SaveResult(Reminder &)>;
Q_DECLARE_METATYPE(Edit)

namespace {

// The fields of a and b that differ, each named after the key that should hold it.
QStringList changedFields(const Settings &a, const Settings &b)
{
    const char *const days[] = { "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday" };
    QStringList changed;
    for (int day = Sunday; day <= Saturday; ++day) {
        const QString name = QString::fromLatin1(days[day - 1]);
        if (a.schedule[day].alertTime != b.schedule[day].alertTime)
            changed << name + u"Time"_qs;
        if (a.schedule[day].workFlag != b.schedule[day].workFlag)
            changed << u"Work"_qs + name;
    }
    if (a.display.fontColor != b.display.fontColor)
        changed << u"FontColor"_qs;
    if (a.display.backColor != b.display.backColor)
        changed << u"BackColor"_qs;
    if (a.display.messageTemplate != b.display.messageTemplate)
        changed << u"Message"_qs;
    if (a.display.sound != b.display.sound)
        changed << u"Sound"_qs;
    return changed;
}

} // namespace

class TestReminder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(enUS()); }
    void init() { clearStore(); }
    void editWritesItsOneKeyAtOnce_data();
    void editWritesItsOneKeyAtOnce();
    void eachKeyFillsAFieldOfItsOwn();
    void tickAlertsOnTheValuesAsTheyStand();
    void tickCatchesUpOnceADay_data();
    void tickCatchesUpOnceADay();
};

void TestReminder::editWritesItsOneKeyAtOnce_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");

    QTest::newRow("a day's time, as the locale's time text")
        << Edit([](Reminder &r) { return r.setAlertTime(Tuesday, oleTime(7, 45)); }) << u"TuesdayTime"_qs
        << u"7:45:00 AM"_qs;
    QTest::newRow("a time with a date keeps its date")
        << Edit([](Reminder &r) { return r.setAlertTime(Sunday, oleTime(8, 5, 30, QDate(2026, 12, 5))); })
        << u"SundayTime"_qs << u"12/5/2026 8:05:30 AM"_qs;
    QTest::newRow("a day's flag") << Edit([](Reminder &r) { return r.setWorkFlag(Saturday, WorkFlag::Checked); })
                                  << u"WorkSaturday"_qs << u"1"_qs;
    QTest::newRow("the font colour") << Edit([](Reminder &r) { return r.setFontColor(255); }) << u"FontColor"_qs
                                     << u"255"_qs;
    QTest::newRow("the background colour, even when it is the default")
        << Edit([](Reminder &r) { return r.setBackColor(OleColor::kButtonFace); }) << u"BackColor"_qs
        << u"-2147483633"_qs;
    QTest::newRow("the message, exactly as typed")
        << Edit([](Reminder &r) { return r.setMessage(u"<b>%day%</b>, \"go\" "_qs); }) << u"Message"_qs
        << u"<b>%day%</b>, \"go\" "_qs;
    QTest::newRow("the sound, ticked") << Edit([](Reminder &r) { return r.setSound(true); }) << u"Sound"_qs << u"1"_qs;
    QTest::newRow("the sound, unticked, even though silent is the default")
        << Edit([](Reminder &r) { return r.setSound(false); }) << u"Sound"_qs << u"0"_qs;
}

void TestReminder::editWritesItsOneKeyAtOnce()
{
    QFETCH(Edit, edit);
    QFETCH(QString, key);
    QFETCH(QString, text);

    writeStoreFile("[Options]\nMessage=Up\n");
    SettingsStore store = testStore();
    FakeClock clock(utc(2026, 12, 7, 12, 0, 0));
    Reminder reminder(store, clock);
    reminder.load();
    QSignalSpy failures(&reminder, &Reminder::saveFailed);

    QVERIFY(edit(reminder));
    QCOMPARE(store.get(key, QString()), text);
    for (const SettingKey &other : allSettingKeys())
        QCOMPARE(store.contains(other.name), other.name == key || other.name == kMessageKey);
    // The model holds what the next start loads.
    const Settings live{reminder.weekSchedule(), reminder.displayOptions()};
    const Settings reloaded = loadSettings(store);
    QVERIFY2(live == reloaded, qPrintable(changedFields(live, reloaded).join(u", "_qs)));
    QCOMPARE(failures.count(), 0);
    QCOMPARE(reminder.finish(), QStringList());
}

void TestReminder::eachKeyFillsAFieldOfItsOwn()
{
    QCOMPARE(allSettingKeys().size(), size_t(18));
    SettingsStore store = testStore();
    // Every key's default text loads as the default.
    for (const SettingKey &key : allSettingKeys())
        QVERIFY(store.save(key.name, defaultText(key, QLocale())));
    QCOMPARE(changedFields(loadSettings(store), Settings()), QStringList());

    for (const SettingKey &key : allSettingKeys()) {
        clearStore();
        const QString text = key.kind == ValueKind::Time ? u"7:45:00 AM"_qs
            : key.kind == ValueKind::WorkFlag           ? u"1"_qs
            : key.kind == ValueKind::Colour             ? u"255"_qs
            : key.kind == ValueKind::Switch             ? u"1"_qs
                                                        : u"x"_qs;
        QVERIFY(store.save(key.name, text));
        QCOMPARE(changedFields(loadSettings(store), Settings()), QStringList(key.name));
    }
}

void TestReminder::tickAlertsOnTheValuesAsTheyStand()
{
    SettingsStore store = testStore();
    FakeClock clock(utc(2026, 12, 5, 7, 5, 10)); // a Saturday
    Reminder reminder(store, clock);
    reminder.load();
    QSignalSpy alerts(&reminder, &Reminder::alertDue);
    const QTimer *tmrTest = reminder.findChild<QTimer *>(u"tmrTest"_qs);
    QVERIFY(tmrTest);
    QCOMPARE(tmrTest->interval(), 30000);
    QVERIFY(tmrTest->isActive());

    reminder.tick();
    QCOMPARE(alerts.count(), 0);
    // An edit counts from the next tick on.
    reminder.setAlertTime(Saturday, oleTime(7, 5));
    reminder.setWorkFlag(Saturday, WorkFlag::Checked);
    reminder.tick();
    QCOMPARE(alerts.count(), 1);
    QCOMPARE(alerts.at(0).at(0).value<qint16>(), qint16(1));
    clock.advance(60);
    reminder.tick();
    QCOMPARE(alerts.count(), 1);
}

void TestReminder::tickCatchesUpOnceADay_data()
{
    QTest::addColumn<QList<QTime>>("checks"); // after the construction at 07:04:43
    QTest::addColumn<int>("alerts");
    QTest::addColumn<int>("missed");

    QTest::newRow("woken after the minute, the alert comes once")
        << QList<QTime>{QTime(7, 6, 13), QTime(7, 6, 43), QTime(7, 7, 13)} << 1 << 0;
    QTest::newRow("woken two hours later, one notice and no alert")
        << QList<QTime>{QTime(9, 6, 13), QTime(9, 6, 43)} << 0 << 1;
    QTest::newRow("a second gap over the minute the same day shows nothing more")
        << QList<QTime>{QTime(7, 6, 13), QTime(7, 0, 0), QTime(7, 10, 0)} << 1 << 0;
    QTest::newRow("ticks on time alert twice in the minute, with nothing to catch up")
        << QList<QTime>{QTime(7, 5, 13), QTime(7, 5, 43), QTime(7, 6, 13)} << 2 << 0;
}

void TestReminder::tickCatchesUpOnceADay()
{
    QFETCH(QList<QTime>, checks);
    QFETCH(int, alerts);
    QFETCH(int, missed);
    writeStoreFile("[Options]\nTuesdayTime=7:05:00 AM\nWorkTuesday=1\n");
    SettingsStore store = testStore();
    const QDate tuesday(2026, 12, 8);
    FakeClock clock(QDateTime(tuesday, QTime(7, 4, 43)));
    Reminder reminder(store, clock);
    reminder.load();
    QSignalSpy due(&reminder, &Reminder::alertDue);
    QSignalSpy passed(&reminder, &Reminder::alertMissed);
    for (const QTime &check : checks) {
        clock.set(QDateTime(tuesday, check));
        reminder.tick();
    }
    QCOMPARE(due.count(), alerts);
    QCOMPARE(passed.count(), missed);
    if (missed)
        QCOMPARE(passed.at(0).at(0).toTime(), QTime(7, 5));
}

QTEST_GUILESS_MAIN(TestReminder)
#include "tst_reminder.moc"
