#include "oledate.h"
#include "testsupport.h"

#include <QTest>

using namespace TestSupport;

class TestOleDate : public QObject
{
    Q_OBJECT

private slots:
    void conversion_data();
    void conversion();
    void roundTripIsExactToTheSecond();
    void textForm_data();
    void textForm();
    void parse_data();
    void parse();
    void survivesLocaleChange_data();
    void survivesLocaleChange();
};

void TestOleDate::conversion_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QDateTime>("dateTime");

    QTest::newRow("0 is the zero date at midnight") << 0.0 << utc(1899, 12, 30, 0, 0, 0);
    QTest::newRow("0.25 is 6 AM on the zero date") << 0.25 << utc(1899, 12, 30, 6, 0, 0);
    QTest::newRow("the fraction of a negative value counts forwards") << -1.25 << utc(1899, 12, 29, 6, 0, 0);
    QTest::newRow("-2.75 is 18:00 two days before") << -2.75 << utc(1899, 12, 28, 18, 0, 0);
    QTest::newRow("1 is the day after the zero date") << 1.0 << utc(1899, 12, 31, 0, 0, 0);
    QTest::newRow("first day of the range") << -109205.0 << utc(1601, 1, 1, 0, 0, 0);
    QTest::newRow("last second of the range") << 2958465.0 + 86399.0 / 86400 << utc(9999, 12, 31, 23, 59, 59);
    QTest::newRow("a recent Saturday morning") << 46361.0 + (7 * 3600 + 5 * 60 + 2) / 86400.0 << utc(2026, 12, 5, 7, 5, 2);
}

void TestOleDate::conversion()
{
    QFETCH(double, value);
    QFETCH(QDateTime, dateTime);
    QCOMPARE(OleDate::toDateTime(value), dateTime);
    QCOMPARE(OleDate::fromDateTime(dateTime), value);
}

void TestOleDate::roundTripIsExactToTheSecond()
{
    // Dates on both sides of 1899-12-30 across the whole range, with awkward times of day.
    const QTime times[] = {QTime(0, 0, 0), QTime(0, 0, 1), QTime(7, 5, 59), QTime(12, 0, 0), QTime(23, 59, 59)};
    for (QDate date = OleDate::minimumDate(); date < OleDate::maximumDate(); date = date.addDays(997)) {
        for (const QTime &time : times) {
            const QDateTime dt(date, time, Qt::UTC);
            QCOMPARE(OleDate::toDateTime(OleDate::fromDateTime(dt)), dt);
        }
    }
    for (int s = 0; s < 86400; s += 7) {
        const QTime t = QTime(0, 0).addSecs(s);
        QCOMPARE(OleDate::timeOfDay(OleDate::fromDateTime(QDate(1899, 12, 29), t)), t);
        QCOMPARE(OleDate::timeOfDay(OleDate::fromDateTime(OleDate::zeroDate(), t)), t);
    }
}

void TestOleDate::textForm_data()
{
    QTest::addColumn<QDateTime>("dateTime");
    QTest::addColumn<QString>("text");

    QTest::newRow("time alone on the zero date, no zone suffix") << utc(1899, 12, 30, 7, 30, 0) << u"7:30:00 AM"_qs;
    QTest::newRow("midnight on the zero date is the time of midnight") << utc(1899, 12, 30, 0, 0, 0) << u"12:00:00 AM"_qs;
    QTest::newRow("afternoon keeps its seconds") << utc(1899, 12, 30, 17, 5, 9) << u"5:05:09 PM"_qs;
    QTest::newRow("date alone at midnight, four-digit year") << utc(2026, 12, 5, 0, 0, 0) << u"12/5/2026"_qs;
    QTest::newRow("date and time with one space") << utc(2026, 12, 5, 7, 5, 0) << u"12/5/2026 7:05:00 AM"_qs;
    QTest::newRow("a date before the zero date") << utc(1602, 11, 30, 6, 0, 0) << u"11/30/1602 6:00:00 AM"_qs;
}

void TestOleDate::textForm()
{
    QFETCH(QDateTime, dateTime);
    QFETCH(QString, text);
    const double value = OleDate::fromDateTime(dateTime);
    QCOMPARE(OleDate::toText(value, enUS()), text);
    const auto back = OleDate::fromText(text, enUS());
    QVERIFY(back.has_value());
    QCOMPARE(*back, value);
}

void TestOleDate::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("converts");
    QTest::addColumn<QDateTime>("dateTime");

    const QDateTime none;
    QTest::newRow("long time") << u"7:30:00 AM"_qs << true << utc(1899, 12, 30, 7, 30, 0);
    QTest::newRow("short time") << u"7:30 PM"_qs << true << utc(1899, 12, 30, 19, 30, 0);
    QTest::newRow("designator in lower case") << u"7:30:00 pm"_qs << true << utc(1899, 12, 30, 19, 30, 0);
    QTest::newRow("narrow no-break space before the designator") << u"7:30:00\u202FAM"_qs << true << utc(1899, 12, 30, 7, 30, 0);
    QTest::newRow("no-break space before the designator") << u"7:30:00\u00A0AM"_qs << true << utc(1899, 12, 30, 7, 30, 0);
    QTest::newRow("surrounding blanks") << u"  7:30:00 AM "_qs << true << utc(1899, 12, 30, 7, 30, 0);
    QTest::newRow("24-hour time") << u"19:45:10"_qs << true << utc(1899, 12, 30, 19, 45, 10);
    QTest::newRow("24-hour time without seconds") << u"07:05"_qs << true << utc(1899, 12, 30, 7, 5, 0);
    QTest::newRow("ISO date and time") << u"2026-12-05T07:05:00"_qs << true << utc(2026, 12, 5, 7, 5, 0);
    QTest::newRow("ISO date, a space and a time") << u"2026-12-05 07:05:00"_qs << true << utc(2026, 12, 5, 7, 5, 0);
    QTest::newRow("ISO date alone") << u"2002-11-30"_qs << true << utc(2002, 11, 30, 0, 0, 0);
    QTest::newRow("short date alone") << u"11/30/2002"_qs << true << utc(2002, 11, 30, 0, 0, 0);
    QTest::newRow("empty text does not convert") << QString() << false << none;
    QTest::newRow("words do not convert") << u"half past seven"_qs << false << none;
    QTest::newRow("25:61 does not convert") << u"25:61"_qs << false << none;
    QTest::newRow("13 PM does not convert") << u"13:00:00 PM"_qs << false << none;
    QTest::newRow("month 13 does not convert") << u"13/45/2026"_qs << false << none;
    QTest::newRow("a date before 1601 does not convert") << u"1500-01-01"_qs << false << none;
    QTest::newRow("a number alone does not convert") << u"0.5"_qs << false << none;
    QTest::newRow("a time followed by rubbish does not convert") << u"7:30:00 AM xyz"_qs << false << none;
}

void TestOleDate::parse()
{
    QFETCH(QString, text);
    QFETCH(bool, converts);
    QFETCH(QDateTime, dateTime);
    const auto value = OleDate::fromText(text, enUS());
    QCOMPARE(value.has_value(), converts);
    if (converts)
        QCOMPARE(OleDate::toDateTime(*value), dateTime);
}

void TestOleDate::survivesLocaleChange_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("British English") << QLocale(QLocale::English, QLocale::UnitedKingdom);
    QTest::newRow("Finnish, dots between hours and minutes") << QLocale(QLocale::Finnish, QLocale::Finland);
    QTest::newRow("Korean, designator first") << QLocale(QLocale::Korean, QLocale::SouthKorea);
}

void TestOleDate::survivesLocaleChange()
{
    QFETCH(QLocale, locale);
    const double withDate = OleDate::fromDateTime(QDate(2002, 11, 30), QTime(7, 5, 0));
    const double timeOnly = OleDate::fromDateTime(OleDate::zeroDate(), QTime(17, 45, 30));
    // What this locale writes, it reads back.
    QCOMPARE(OleDate::fromText(OleDate::toText(withDate, locale), locale), std::optional(withDate));
    QCOMPARE(OleDate::fromText(OleDate::toText(timeOnly, locale), locale), std::optional(timeOnly));
    // What was written under en_US before the user changed the locale still reads.
    QCOMPARE(OleDate::fromText(OleDate::toText(timeOnly, enUS()), locale), std::optional(timeOnly));
    QCOMPARE(OleDate::fromText(u"5:45:30 PM"_qs, locale), std::optional(timeOnly));
}

QTEST_GUILESS_MAIN(TestOleDate)
#include "tst_oledate.moc"
