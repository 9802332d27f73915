#include "alarmcheck.h"
#include "oledate.h"
#include "testsupport.h"

#include <QTest>
#include <QTimeZone>

using namespace TestSupport;

namespace {

// Monday 2026-12-07 … Sunday 2026-12-13.
QDate dateOf(int weekday)
{
    const QDate monday(2026, 12, 7);
    return monday.addDays(weekday == Sunday ? 6 : weekday - Monday);
}

// A week in which every day is checked and due at a different minute.
WeekSchedule busyWeek()
{
    WeekSchedule week;
    for (int day = Sunday; day <= Saturday; ++day)
        week[day] = {WorkFlag::Checked, oleTime(5 + day, 10 * (day - 1))};
    return week;
}

} // namespace

class TestAlarmCheck : public QObject
{
    Q_OBJECT

private slots:
    void rule_data();
    void rule();
    void everyDayAroundItsMinute();
    void passedOverWhileNoCheckRan_data();
    void passedOverWhileNoCheckRan();
    void answeringTheAlert_data();
    void answeringTheAlert();
};

void TestAlarmCheck::rule_data()
{
    QTest::addColumn<double>("entryTime");
    QTest::addColumn<qint16>("workFlag");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<int>("expected"); // -1: no alert, else IsItSaturday

    const QDate tuesday = dateOf(Tuesday);
    const QDate saturday = dateOf(Saturday);
    const QDate sunday = dateOf(Sunday);
    auto at = [](QDate d, int h, int m, int s) { return QDateTime(d, QTime(h, m, s)); };

    QTest::newRow("midnight fires in the first second") << oleTime(0, 0) << WorkFlag::Checked << at(tuesday, 0, 0, 0) << 0;
    QTest::newRow("midnight fires in the last second of its minute") << oleTime(0, 0) << WorkFlag::Checked << at(tuesday, 0, 0, 59) << 0;
    QTest::newRow("midnight does not fire a second before") << oleTime(0, 0) << WorkFlag::Checked << at(tuesday.addDays(-1), 23, 59, 59) << -1;
    QTest::newRow("midnight does not fire at 00:01") << oleTime(0, 0) << WorkFlag::Checked << at(tuesday, 0, 1, 0) << -1;
    QTest::newRow("0:30 does not match 12:30 PM") << oleTime(0, 30) << WorkFlag::Checked << at(tuesday, 12, 30, 10) << -1;
    QTest::newRow("0:30 matches 0:30") << oleTime(0, 30) << WorkFlag::Checked << at(tuesday, 0, 30, 10) << 0;
    QTest::newRow("7:05 does not match 17:05") << oleTime(7, 5) << WorkFlag::Checked << at(tuesday, 17, 5, 0) << -1;
    QTest::newRow("17:05 does not match 7:05") << oleTime(17, 5) << WorkFlag::Checked << at(tuesday, 7, 5, 0) << -1;
    QTest::newRow("seconds in the entry are ignored") << oleTime(7, 5, 45) << WorkFlag::Checked << at(tuesday, 7, 5, 0) << 0;
    QTest::newRow("a date in the entry is ignored") << oleTime(7, 5, 0, QDate(2002, 11, 30)) << WorkFlag::Checked << at(tuesday, 7, 5, 30) << 0;
    QTest::newRow("a date before 1899 in the entry is ignored") << oleTime(7, 5, 0, QDate(1650, 6, 1)) << WorkFlag::Checked << at(tuesday, 7, 5, 30) << 0;
    QTest::newRow("an unchecked day never fires") << oleTime(7, 5) << WorkFlag::Unchecked << at(tuesday, 7, 5, 0) << -1;
    QTest::newRow("a greyed day never fires") << oleTime(7, 5) << WorkFlag::Greyed << at(tuesday, 7, 5, 0) << -1;
    QTest::newRow("Saturday passes 1") << oleTime(7, 5) << WorkFlag::Checked << at(saturday, 7, 5, 2) << 1;
    QTest::newRow("Saturday unchecked stays quiet") << oleTime(7, 5) << WorkFlag::Unchecked << at(saturday, 7, 5, 2) << -1;
    QTest::newRow("Sunday passes 0") << oleTime(7, 5) << WorkFlag::Checked << at(sunday, 7, 5, 2) << 0;
    QTest::newRow("23:59 fires in the day's last minute") << oleTime(23, 59) << WorkFlag::Checked << at(tuesday, 23, 59, 10) << 0;
}

void TestAlarmCheck::rule()
{
    QFETCH(double, entryTime);
    QFETCH(qint16, workFlag);
    QFETCH(QDateTime, now);
    QFETCH(int, expected);
    WeekSchedule week;
    week[weekdayFromQt(now.date().dayOfWeek())] = {workFlag, entryTime};
    const auto due = alarmDue(now, week);
    QCOMPARE(due.has_value() ? int(*due) : -1, expected);
}

void TestAlarmCheck::everyDayAroundItsMinute()
{
    // Steps through a whole week at 30 s; each day fires in its own minute only, and only its
    // own entry counts (Monday's time never fires on Tuesday).
    const WeekSchedule week = busyWeek();
    const QDateTime start(dateOf(Monday), QTime(0, 0, 7));
    int fired[kDaysInWeek + 1] = {};
    for (QDateTime now = start; now < start.addDays(7); now = now.addSecs(30)) {
        const int weekday = weekdayFromQt(now.date().dayOfWeek());
        const QTime entry = OleDate::timeOfDay(week[weekday].alertTime);
        const bool inMinute = now.time().hour() == entry.hour() && now.time().minute() == entry.minute();
        const auto due = alarmDue(now, week);
        QVERIFY2(due.has_value() == inMinute, qPrintable(now.toString(Qt::ISODate)));
        if (due) {
            QCOMPARE(*due, qint16(weekday == Saturday ? 1 : 0));
            ++fired[weekday];
        }
    }
    for (int day = Sunday; day <= Saturday; ++day)
        QCOMPARE(fired[day], 2); // two ticks in each matching minute
}

void TestAlarmCheck::passedOverWhileNoCheckRan_data()
{
    QTest::addColumn<double>("entryTime");
    QTest::addColumn<qint16>("workFlag");
    QTest::addColumn<QDateTime>("previous");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("expected"); // "late N" (shown, IsItSaturday N), "missed", or "" for nothing

    const QDate tuesday = dateOf(Tuesday);
    auto at = [](QDate d, int h, int m, int s) { return QDateTime(d, QTime(h, m, s)); };
    const double seven05 = oleTime(7, 5);
    const qint16 on = WorkFlag::Checked;

    QTest::newRow("a gap over the minute shows it late") << seven05 << on << at(tuesday, 7, 4, 43) << at(tuesday, 7, 6, 13) << u"late 0"_qs;
    QTest::newRow("a gap that ends inside the minute leaves it to the alarm rule") << seven05 << on << at(tuesday, 7, 4, 43) << at(tuesday, 7, 5, 59) << QString();
    QTest::newRow("a check inside the minute saw it") << seven05 << on << at(tuesday, 7, 5, 10) << at(tuesday, 7, 30, 0) << QString();
    QTest::newRow("59 minutes late is still shown") << seven05 << on << at(tuesday, 7, 0, 0) << at(tuesday, 8, 4, 0) << u"late 0"_qs;
    QTest::newRow("60 minutes late is still shown") << seven05 << on << at(tuesday, 7, 0, 0) << at(tuesday, 8, 5, 0) << u"late 0"_qs;
    QTest::newRow("61 minutes late is only noted as missed") << seven05 << on << at(tuesday, 7, 0, 0) << at(tuesday, 8, 6, 0) << u"missed"_qs;
    QTest::newRow("across midnight, today's minute counts") << oleTime(0, 1) << on << at(tuesday.addDays(-1), 23, 59, 50) << at(tuesday, 0, 3, 0) << u"late 0"_qs;
    QTest::newRow("several days show only today's") << seven05 << on << at(tuesday.addDays(-3), 12, 0, 0) << at(tuesday, 7, 30, 0) << u"late 0"_qs;
    QTest::newRow("several days before today's minute show nothing") << seven05 << on << at(tuesday.addDays(-3), 6, 0, 0) << at(tuesday, 6, 0, 0) << QString();
    QTest::newRow("a clock set back shows nothing") << seven05 << on << at(tuesday, 9, 0, 0) << at(tuesday, 7, 10, 0) << QString();
    QTest::newRow("a non-working day shows nothing") << seven05 << WorkFlag::Unchecked << at(tuesday, 7, 4, 43) << at(tuesday, 7, 6, 13) << QString();
    QTest::newRow("a greyed day shows nothing") << seven05 << WorkFlag::Greyed << at(tuesday, 7, 4, 43) << at(tuesday, 7, 6, 13) << QString();
    QTest::newRow("a Saturday still passes 1") << seven05 << on << at(dateOf(Saturday), 7, 0, 0) << at(dateOf(Saturday), 7, 20, 0) << u"late 1"_qs;
    QTest::newRow("no check before, nothing to catch up") << seven05 << on << QDateTime() << at(tuesday, 7, 20, 0) << QString();

    // 2027-03-14, a Sunday, 02:00 EST becomes 03:00 EDT: 2:30 never comes, and the tick after the
    // jump, 30 s later, passes over it.
    const QTimeZone newYork("America/New_York");
    const QDateTime beforeJump(QDate(2027, 3, 14), QTime(1, 59, 50), newYork);
    QTest::newRow("the minute the spring-forward hour skips is shown late")
        << oleTime(2, 30) << on << beforeJump << beforeJump.addSecs(30) << u"late 0"_qs;
}

void TestAlarmCheck::passedOverWhileNoCheckRan()
{
    QFETCH(double, entryTime);
    QFETCH(qint16, workFlag);
    QFETCH(QDateTime, previous);
    QFETCH(QDateTime, now);
    QFETCH(QString, expected);
    WeekSchedule week;
    week[weekdayFromQt(now.date().dayOfWeek())] = {workFlag, entryTime};

    const auto missed = missedAlarm(previous, now, week);
    const QString got = !missed ? QString()
        : missed->showLate      ? u"late %1"_qs.arg(missed->isItSaturday)
                                : u"missed"_qs;
    QCOMPARE(got, expected);
    if (missed)
        QCOMPARE(missed->time, OleDate::timeOfDay(entryTime));
}

void TestAlarmCheck::answeringTheAlert_data()
{
    QTest::addColumn<bool>("click"); // else Enter or Space
    QTest::addColumn<qint64>("lastKeyAt"); // -1: no key since it appeared
    QTest::addColumn<qint64>("pressedAt"); // the alert appeared at 10000
    QTest::addColumn<bool>("autoRepeat");
    QTest::addColumn<bool>("answers");

    QTest::newRow("a key at once does not answer") << false << qint64(-1) << qint64(10000) << false << false;
    QTest::newRow("a key 999 ms after the alert does not answer") << false << qint64(-1) << qint64(10999) << false << false;
    QTest::newRow("a key a still second after the alert answers") << false << qint64(-1) << qint64(11000) << false << true;
    QTest::newRow("a key typed before the alert does not count") << false << qint64(9900) << qint64(11000) << false << true;
    QTest::newRow("a key 999 ms after the last key does not answer") << false << qint64(12000) << qint64(12999) << false << false;
    QTest::newRow("a key a still second after the last key answers") << false << qint64(12000) << qint64(13000) << false << true;
    QTest::newRow("an auto-repeated key never answers") << false << qint64(-1) << qint64(60000) << true << false;
    QTest::newRow("a click at once does not count") << true << qint64(-1) << qint64(10000) << false << false;
    QTest::newRow("a click 499 ms after the alert does not count") << true << qint64(-1) << qint64(10499) << false << false;
    QTest::newRow("a click half a second after the alert counts") << true << qint64(-1) << qint64(10500) << false << true;
    QTest::newRow("a click counts while keys are typed") << true << qint64(10900) << qint64(11000) << false << true;
}

void TestAlarmCheck::answeringTheAlert()
{
    QFETCH(bool, click);
    QFETCH(qint64, lastKeyAt);
    QFETCH(qint64, pressedAt);
    QFETCH(bool, autoRepeat);
    QFETCH(bool, answers);
    constexpr qint64 shownAt = 10000;
    const std::optional<qint64> lastKey = lastKeyAt < 0 ? std::nullopt : std::optional<qint64>(lastKeyAt);
    QCOMPARE(click ? clickAnswersAlert(shownAt, pressedAt) : keyAnswersAlert(shownAt, lastKey, pressedAt, autoRepeat),
             answers);
}

QTEST_GUILESS_MAIN(TestAlarmCheck)
#include "tst_alarmcheck.moc"
