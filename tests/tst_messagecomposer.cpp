#include "messagecomposer.h"
#include "schedule.h"
#include "testsupport.h"

#include <QTest>

using namespace TestSupport;

namespace {
const QString kReminder = u"\r\n\r\nRemember to input your new times for the week."_qs;
const QDateTime kSaturdayMorning(QDate(2026, 12, 5), QTime(7, 5, 20));
const QDateTime kMondayEvening(QDate(2026, 12, 7), QTime(17, 30, 0));
} // namespace

class TestMessageComposer : public QObject
{
    Q_OBJECT

private slots:
    void compose_data();
    void compose();
    void timeOfDay_data();
    void timeOfDay();
    void followsTheLocale();
};

void TestMessageComposer::compose_data()
{
    QTest::addColumn<QString>("messageTemplate");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<qint16>("isItSaturday");
    QTest::addColumn<QString>("expected");

    QTest::newRow("default template on Saturday morning gets the reminder")
        << kDefaultMessage << kSaturdayMorning << qint16(1)
        << u"Get ready for work because it is now 7:05 AM on Saturday."_qs + kReminder;
    QTest::newRow("default template on Monday evening gets nothing appended")
        << kDefaultMessage << kMondayEvening << qint16(0) << u"Get ready for work because it is now 5:30 PM on Monday."_qs;
    QTest::newRow("dates keep their leading zeros")
        << u"%date%"_qs << QDateTime(QDate(2027, 1, 5), QTime(9, 0)) << qint16(0) << u"01/05/2027"_qs;
    QTest::newRow("a variable that stands twice is replaced twice")
        << u"%day% and %day%"_qs << kMondayEvening << qint16(0) << u"Monday and Monday"_qs;
    QTest::newRow("day and date together") << u"%day% %date%"_qs << kMondayEvening << qint16(0) << u"Monday 12/07/2026"_qs;
    QTest::newRow("variables are case-sensitive") << u"%DAY% %Time% %Date%"_qs << kMondayEvening << qint16(0)
                                                  << u"%DAY% %Time% %Date%"_qs;
    QTest::newRow("lone and double percent signs stay") << u"100% %% %x% %"_qs << kMondayEvening << qint16(0)
                                                        << u"100% %% %x% %"_qs;
    QTest::newRow("replacement does not overlap") << u"%%day%%"_qs << kMondayEvening << qint16(0) << u"%Monday%"_qs;
    QTest::newRow("adjacent variables") << u"%day%%time%%date%"_qs << kMondayEvening << qint16(0)
                                        << u"Monday5:30 PM12/07/2026"_qs;
    QTest::newRow("a template without variables is unchanged") << u"Up you get!"_qs << kMondayEvening << qint16(0)
                                                               << u"Up you get!"_qs;
    QTest::newRow("a template without variables on Saturday gets the reminder")
        << u"Up you get!"_qs << kSaturdayMorning << qint16(1) << u"Up you get!"_qs + kReminder;
    QTest::newRow("an empty template stays empty on a weekday") << QString() << kMondayEvening << qint16(0) << QString();
    QTest::newRow("an empty template on Saturday is the reminder alone")
        << QString() << kSaturdayMorning << qint16(1) << kReminder;
    QTest::newRow("markup is not interpreted") << u"<b>%day%</b> &amp;"_qs << kMondayEvening << qint16(0)
                                               << u"<b>Monday</b> &amp;"_qs;
    QTest::newRow("only exactly 1 adds the reminder") << u"x"_qs << kSaturdayMorning << qint16(2) << u"x"_qs;
    QTest::newRow("Sunday is named Sunday") << u"%day%"_qs << QDateTime(QDate(2026, 12, 6), QTime(8, 0)) << qint16(0)
                                            << u"Sunday"_qs;
}

void TestMessageComposer::compose()
{
    QFETCH(QString, messageTemplate);
    QFETCH(QDateTime, now);
    QFETCH(qint16, isItSaturday);
    QFETCH(QString, expected);
    const QString text = composeAlertText(messageTemplate, now, enUS(), isItSaturday);
    QCOMPARE(text, expected);
    // Each call starts again from the template: the same minute gives the same text.
    QCOMPARE(composeAlertText(messageTemplate, now, enUS(), isItSaturday), text);
}

void TestMessageComposer::timeOfDay_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("expected");
    QTest::newRow("00:00 is 12:00 AM") << QTime(0, 0) << u"12:00 AM"_qs;
    QTest::newRow("00:05 is 12:05 AM") << QTime(0, 5) << u"12:05 AM"_qs;
    QTest::newRow("09:07 has no leading zero") << QTime(9, 7) << u"9:07 AM"_qs;
    QTest::newRow("12:00 is 12:00 PM") << QTime(12, 0) << u"12:00 PM"_qs;
    QTest::newRow("13:05 is 1:05 PM") << QTime(13, 5) << u"1:05 PM"_qs;
    QTest::newRow("23:59 is 11:59 PM") << QTime(23, 59) << u"11:59 PM"_qs;
    QTest::newRow("seconds never show") << QTime(7, 5, 59) << u"7:05 AM"_qs;
}

void TestMessageComposer::timeOfDay()
{
    QFETCH(QTime, time);
    QFETCH(QString, expected);
    QCOMPARE(composeAlertText(u"%time%"_qs, QDateTime(QDate(2026, 12, 7), time), enUS(), 0), expected);
}

void TestMessageComposer::followsTheLocale()
{
    // Names, designators and separators come from the locale; the date order stays month, day, year.
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(composeAlertText(u"%day% %date%"_qs, kMondayEvening, german, 0), u"Montag 12.07.2026"_qs);
    const QLocale finnish(QLocale::Finnish, QLocale::Finland);
    QCOMPARE(alertTimeText(QTime(7, 5), finnish).left(5), u"7.05 "_qs);
    // The C locale writes dates as "7 Dec 2026": blanks are no separator for a numeric date.
    QCOMPARE(composeAlertText(u"%time% %date%"_qs, kMondayEvening, QLocale::c(), 0), u"5:30 PM 12/07/2026"_qs);
    const QLocale british(QLocale::English, QLocale::UnitedKingdom);
    QCOMPARE(alertTimeText(QTime(19, 5), british), QStringLiteral("7:05 ") + british.pmText());
}

QTEST_GUILESS_MAIN(TestMessageComposer)
#include "tst_messagecomposer.moc"
