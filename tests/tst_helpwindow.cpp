#include "helpwindow.h"
#include "programsupport.h"

#include <QAction>
#include <QMenu>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace TestSupport;

namespace {

const QString kVariablesText
    = u"Dorvane supports the use of variables in the message. Below is a list of variables and what they do:"
      u"\r\n\r\n"
      u"%time% - Outputs the current time in hour:minute AM/PM format.\r\n"
      u"%day% - Outputs the current day.\r\n"
      u"%date% - Outputs the current system date in Month/Day/Year format."_qs;

const QString kTimesText
    = u"Dorvane supports inputs for one week. Just choose the time you work on any particular day"
      u" and check the 'Work Today?' box. If it is not checked, you will not be alerted at that time"
      u" on that day. If it is checked, then you will be alerted."_qs;

struct Fixture : Program {
    Fixture()
        : Program(QDateTime(QDate(2026, 12, 5), QTime(9, 0)))
    {
    }
};

struct Seen {
    QString title;
    QString text;
    QString shown;
    bool open = false;
};

// Records the help window that the next modal loop brings up, then closes it with its OK button.
void whenHelpOpens(Seen &seen, std::function<void(HelpWindow *)> extra = {})
{
    auto *poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, &seen, extra] {
        auto *help = qobject_cast<HelpWindow *>(QApplication::activeModalWidget());
        if (!help)
            return;
        poll->stop();
        poll->deleteLater();
        seen = { help->windowTitle(), help->text(), help->lblMain->text(), true };
        if (extra)
            extra(help);
        if (help->isVisible())
            QTest::mouseClick(help->cmdOK, Qt::LeftButton);
    });
    poll->start();
}

} // namespace

class TestHelpWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void designOfTheWindow();
    void topics_data();
    void topics();
    void helpIconsOpenTheirTopics_data();
    void helpIconsOpenTheirTopics();
    void eachCallStartsAfresh();
    void opensModalOverTheConfiguration();
    void exitWhileHelpIsOpenEndsTheProgram();
};

void TestHelpWindow::initTestCase()
{
    QLocale::setDefault(enUS());
    clearStore();
}

void TestHelpWindow::designOfTheWindow()
{
    HelpWindow help;
    QCOMPARE(help.objectName(), u"frmHelp"_qs);
    QCOMPARE(help.windowTitle(), u"Help for"_qs);
    QCOMPARE(help.size(), QSize(389, 135));
    QCOMPARE(help.minimumSize(), help.maximumSize());
    QCOMPARE(help.windowType(), Qt::Tool);
    QVERIFY(help.windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(help.cmdOK->text(), u"OK"_qs);
    QCOMPARE(help.cmdOK->geometry(), QRect(164, 106, 61, 25));
    QCOMPARE(help.lblMain->geometry(), QRect(6, 6, 377, 89));
    QCOMPARE(help.lblMain->textFormat(), Qt::PlainText);
    QVERIFY(help.lblMain->wordWrap());
    QCOMPARE(help.lblMain->alignment(), Qt::AlignLeft | Qt::AlignTop);
    QVERIFY(help.lblMain->text().isEmpty());
    QCOMPARE(help.font().family(), u"Arial"_qs);
    QCOMPARE(help.font().pointSizeF(), 8.25);
    QCOMPARE(help.focusWidget(), help.cmdOK);
}

void TestHelpWindow::topics_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");

    QTest::newRow("0: the variables, five lines") << 0 << u"Help for variables in messages"_qs << kVariablesText;
    QTest::newRow("1: the times, one paragraph") << 1 << u"Help for inputting times"_qs << kTimesText;
    QTest::newRow("2: unknown, the design caption and no text") << 2 << u"Help for"_qs << QString();
    QTest::newRow("-1: unknown, the design caption and no text") << -1 << u"Help for"_qs << QString();
}

void TestHelpWindow::topics()
{
    QFETCH(int, topic);
    QFETCH(QString, title);
    QFETCH(QString, text);

    Fixture f;
    Seen seen;
    whenHelpOpens(seen);
    f.w.CallHelp(static_cast<qint16>(topic));

    QVERIFY(seen.open);
    QCOMPARE(seen.title, title);
    QCOMPARE(seen.text, text);
    // Each CR LF is one line break on screen.
    QCOMPARE(seen.shown, QString(text).replace(u"\r\n"_qs, u"\n"_qs));
    QCOMPARE(seen.shown.count(u'\n'), topic == 0 ? 4 : 0);
}

void TestHelpWindow::helpIconsOpenTheirTopics_data()
{
    QTest::addColumn<int>("element"); // -1: F1, with the focus on `focus`
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("title");
    QTest::newRow("the icon beside the message opens topic 0") << 0 << QString() << u"Help for variables in messages"_qs;
    QTest::newRow("the icon in the times frame opens topic 1") << 1 << QString() << u"Help for inputting times"_qs;
    QTest::newRow("F1 in the message opens topic 0") << -1 << u"txtMessage"_qs << u"Help for variables in messages"_qs;
    QTest::newRow("F1 on a day's box opens topic 1") << -1 << u"chkFriday"_qs << u"Help for inputting times"_qs;
    QTest::newRow("F1 outside both frames opens topic 1") << -1 << u"cmdQuit"_qs << u"Help for inputting times"_qs;
}

void TestHelpWindow::helpIconsOpenTheirTopics()
{
    QFETCH(int, element);
    QFETCH(QString, focus);
    QFETCH(QString, title);

    Fixture f;
    f.w.show();
    Seen seen;
    whenHelpOpens(seen);
    if (element >= 0) {
        QTest::mouseClick(f.w.findChild<QLabel *>(u"imgHelp_%1"_qs.arg(element)), Qt::LeftButton);
    } else {
        QApplication::setActiveWindow(&f.w);
        QVERIFY(QTest::qWaitForWindowActive(&f.w));
        f.w.findChild<QWidget *>(focus)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    }
    QVERIFY(seen.open);
    QCOMPARE(seen.title, title);
}

void TestHelpWindow::eachCallStartsAfresh()
{
    Fixture f;

    Seen first, second, third;
    whenHelpOpens(first);
    f.w.CallHelp(0);
    whenHelpOpens(second);
    f.w.CallHelp(1);
    whenHelpOpens(third);
    f.w.CallHelp(5);

    QCOMPARE(first.text, kVariablesText);
    QCOMPARE(second.title, u"Help for inputting times"_qs);
    QCOMPARE(second.text, kTimesText);
    QCOMPARE(third.title, u"Help for"_qs);
    QCOMPARE(third.text, QString());
}

void TestHelpWindow::opensModalOverTheConfiguration()
{
    Fixture f;
    f.w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.w));

    Seen seen;
    bool modalOverMain = false;
    QPoint helpCentre;
    whenHelpOpens(seen, [&](HelpWindow *help) {
        // Modal to the configuration window only: an alert that comes up meanwhile stays usable.
        modalOverMain = help->windowModality() == Qt::WindowModal && help->parentWidget() == &f.w;
        helpCentre = help->geometry().center();
    });
    f.w.CallHelp(1);
    // CallHelp returns only once the window is closed, and closing destroys it.
    QVERIFY(seen.open);
    QVERIFY(modalOverMain);
    QTRY_VERIFY(!f.w.helpWindow());
    const QPoint offset = helpCentre - f.w.geometry().center();
    QVERIFY2(offset.manhattanLength() <= 4, "centred over the configuration window");
}

void TestHelpWindow::exitWhileHelpIsOpenEndsTheProgram()
{
    Fixture f;
    setTray(f.app, true);
    f.app.start();
    QSignalSpy quit(&f.app, &Dorvane::quitRequested);

    Seen seen;
    whenHelpOpens(seen, [&f](HelpWindow *) {
        f.app.tray().icon()->contextMenu()->findChild<QAction *>(u"mnuExit"_qs)->trigger();
    });
    f.w.CallHelp(0);

    QVERIFY(seen.open);
    QCOMPARE(quit.count(), 1);
    QVERIFY(!f.w.isVisible());
    QTRY_VERIFY(!f.w.helpWindow());
}

QTEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"
