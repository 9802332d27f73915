// The live model without any window: each edit reaches the model and its one key at once, and the
// key table sends each key to a field of its own.

#include "olecolor.h"
#include "reminder.h"
#include "settingskeys.h"
#include "testsupport.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>

using namespace TestSupport;

using Edit = std::function<SaveResult(Reminder &)>;
Q_DECLARE_METATYPE(Edit)

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
}

void TestReminder::editWritesItsOneKeyAtOnce()
{
    QFETCH(Edit, edit);
    QFETCH(QString, key);
    QFETCH(QString, text);

    writeStoreFile("[Options]\nMessage=Up\n");
    SettingsStore store;
    FakeClock clock(utc(2026, 12, 7, 12, 0, 0));
    Reminder reminder(store, clock);
    reminder.load();
    QSignalSpy failures(&reminder, &Reminder::saveFailed);

    QVERIFY(edit(reminder));
    QCOMPARE(store.get(key, QString()), text);
    for (const SettingKey &other : allSettingKeys())
        QCOMPARE(store.contains(other.name), other.name == key || other.name == kMessageKey);
    // The model holds what was stored.
    const Settings live{reminder.weekSchedule(), reminder.displayOptions()};
    const SettingKey &written = *std::find_if(allSettingKeys().begin(), allSettingKeys().end(),
                                              [&](const SettingKey &k) { return k.name == key; });
    QCOMPARE(valueText(valueIn(live, written), QLocale()), text);
    QCOMPARE(failures.count(), 0);
    QVERIFY(reminder.unsavedKeys().isEmpty());
}

void TestReminder::eachKeyFillsAFieldOfItsOwn()
{
    QCOMPARE(allSettingKeys().size(), size_t(kSettingCount));
    const Settings defaults;
    for (const SettingKey &key : allSettingKeys()) {
        QCOMPARE(valueIn(defaults, key), key.defaultValue);
        const SettingValue changed = std::visit(
            [](auto value) -> SettingValue {
                if constexpr (std::is_same_v<decltype(value), QString>)
                    return value + u'!';
                else
                    return decltype(value)(value + 1);
            },
            key.defaultValue);
        Settings settings;
        assign(settings, key, changed);
        for (const SettingKey &other : allSettingKeys()) {
            const SettingValue expected = &other == &key ? changed : other.defaultValue;
            QVERIFY2(valueIn(settings, other) == expected, qPrintable(key.name + u" changed "_qs + other.name));
        }
    }
}

void TestReminder::tickAlertsOnTheValuesAsTheyStand()
{
    SettingsStore store;
    FakeClock clock(utc(2026, 12, 5, 7, 5, 10)); // a Saturday
    Reminder reminder(store, clock);
    reminder.load();
    QSignalSpy alerts(&reminder, &Reminder::alertDue);
    QCOMPARE(reminder.timer()->interval(), 30000);
    QVERIFY(reminder.timer()->isActive());

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

QTEST_GUILESS_MAIN(TestReminder)
#include "tst_reminder.moc"
