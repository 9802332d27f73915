// Runs with TZ=America/New_York: the reminder's tick steps through weeks that hold a clock change,
// with the clock as the system would give it.

#include "messagecomposer.h"
#include "oledate.h"
#include "reminder.h"
#include "settingskeys.h"
#include "settingsstore.h"
#include "testsupport.h"

#include <QTest>

#include <map>

namespace {

using namespace TestSupport;

struct Fired {
    int weekday;
    QString localMinute; // "yyyy-MM-dd HH:mm"
    friend bool operator<(const Fired &a, const Fired &b)
    {
        return std::tie(a.weekday, a.localMinute) < std::tie(b.weekday, b.localMinute);
    }
    friend bool operator==(const Fired &a, const Fired &b)
    {
        return a.weekday == b.weekday && a.localMinute == b.localMinute;
    }
};

// Ticks every 30 s of real time from `start` for seven days, the reminder reading local wall-clock
// time from its clock. Returns how many ticks raised the alert in each local minute.
std::map<Fired, int> runWeek(const QDateTime &start, const WeekSchedule &week)
{
    clearStore();
    SettingsStore store = testStore();
    for (int day = Sunday; day <= Saturday; ++day) {
        store.save(timeKey(day), timeText(week[day].alertTime, enUS()));
        store.save(workKey(day), workFlagText(week[day].workFlag));
    }
    const qint64 first = start.toSecsSinceEpoch() + 13; // the timer's phase is arbitrary
    FakeClock clock(QDateTime::fromSecsSinceEpoch(first));
    Reminder reminder(store, clock);
    reminder.load();

    std::map<Fired, int> fired;
    QObject::connect(&reminder, &Reminder::alertDue, [&](qint16 isItSaturday) {
        const QDateTime now = clock.now();
        const int weekday = weekdayFromQt(now.date().dayOfWeek());
        const QString text =
            composeAlertText(reminder.displayOptions().messageTemplate, now, QLocale(), isItSaturday);
        if (text.endsWith(kSaturdayReminder) != (weekday == Saturday))
            qFatal("wrong Saturday reminder");
        ++fired[{weekday, now.toString(u"yyyy-MM-dd HH:mm"_qs)}];
    });
    for (qint64 t = first; t < first + 7 * 86400; t += 30) {
        clock.set(QDateTime::fromSecsSinceEpoch(t));
        reminder.tick();
    }
    return fired;
}

QString describe(const std::map<Fired, int> &fired)
{
    QString out = u"fired:"_qs;
    for (const auto &[when, count] : fired)
        out += u" [day %1 at %2: %3 ticks]"_qs.arg(when.weekday).arg(when.localMinute).arg(count);
    return out;
}

} // namespace

class TestClockChanges : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void springForward();
    void fallBack();
};

void TestClockChanges::initTestCase()
{
    // 2027-03-14 02:00 EST becomes 03:00 EDT; 2026-11-01 02:00 EDT becomes 01:00 EST.
    const QDateTime beforeSpring(QDate(2027, 3, 14), QTime(1, 59));
    QVERIFY2(beforeSpring.addSecs(60).time() == QTime(3, 0), "TZ=America/New_York is not in effect");
}

void TestClockChanges::springForward()
{
    WeekSchedule week;
    for (int day = Sunday; day <= Saturday; ++day)
        week[day] = {WorkFlag::Checked, oleTime(7, 5)};
    week[Sunday] = {WorkFlag::Checked, oleTime(2, 30)}; // inside the hour that is skipped: shown late
    week[Monday] = {WorkFlag::Checked, oleTime(3, 0)};  // the first minute after it

    const auto fired = runWeek(QDateTime(QDate(2027, 3, 13), QTime(0, 0)), week);
    std::map<Fired, int> expected = {
        {{Saturday, u"2027-03-13 07:05"_qs}, 2}, {{Sunday, u"2027-03-14 03:00"_qs}, 1},
        {{Monday, u"2027-03-15 03:00"_qs}, 2},
        {{Tuesday, u"2027-03-16 07:05"_qs}, 2},  {{Wednesday, u"2027-03-17 07:05"_qs}, 2},
        {{Thursday, u"2027-03-18 07:05"_qs}, 2}, {{Friday, u"2027-03-19 07:05"_qs}, 2},
    };
    QVERIFY2(fired == expected, qPrintable(describe(fired)));
}

void TestClockChanges::fallBack()
{
    WeekSchedule week;
    for (int day = Sunday; day <= Saturday; ++day)
        week[day] = {WorkFlag::Checked, oleTime(7, 5)};
    week[Sunday] = {WorkFlag::Checked, oleTime(1, 30)}; // a minute that happens twice

    const auto fired = runWeek(QDateTime(QDate(2026, 10, 31), QTime(0, 0)), week);
    // The minute rule looks at the wall clock only, so 1:30 fires in both of its passes.
    std::map<Fired, int> expected = {
        {{Saturday, u"2026-10-31 07:05"_qs}, 2}, {{Sunday, u"2026-11-01 01:30"_qs}, 4},
        {{Monday, u"2026-11-02 07:05"_qs}, 2},   {{Tuesday, u"2026-11-03 07:05"_qs}, 2},
        {{Wednesday, u"2026-11-04 07:05"_qs}, 2}, {{Thursday, u"2026-11-05 07:05"_qs}, 2},
        {{Friday, u"2026-11-06 07:05"_qs}, 2},
    };
    QVERIFY2(fired == expected, qPrintable(describe(fired)));
}

QTEST_GUILESS_MAIN(TestClockChanges)
#include "tst_clockchanges.moc"
