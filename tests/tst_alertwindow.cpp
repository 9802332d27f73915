#include "alertwindow.h"
#include "programsupport.h"
#include "twips.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace TestSupport;

namespace {

const QString kReminder = u"\r\n\r\nRemember to input your new times for the week."_qs;

QDateTime saturdayMorning()
{
    return QDateTime(QDate(2026, 12, 5), QTime(7, 5, 20));
}

int alertWindowCount()
{
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (qobject_cast<AlertWindow *>(w))
            ++count;
    }
    return count;
}

QRect pixels(const QRectF &twips)
{
    return Twips::rect(twips.left(), twips.top(), twips.width(), twips.height());
}

struct Fixture : Program {
    Fixture()
        : Program(saturdayMorning())
    {
    }

    QLineEdit *txtMessage() const { return w.findChild<QLineEdit *>(u"txtMessage"_qs); }
};

} // namespace

class TestAlertWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void layoutForScreen_data();
    void layoutForScreen();
    void coversThePrimaryScreen();
    void lookAndFocus();
    void colours_data();
    void colours();
    void textIsShownAsTyped_data();
    void textIsShownAsTyped();
    void secondAlertReusesTheOpenWindow();
    void dismissedAlertComesBackFresh_data();
    void dismissedAlertComesBackFresh();
    void editsShowAtTheNextAlertOnly();
};

void TestAlertWindow::initTestCase()
{
    QLocale::setDefault(enUS());
}

void TestAlertWindow::init()
{
    clearStore();
}

void TestAlertWindow::cleanup()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (qobject_cast<AlertWindow *>(w))
            delete w;
    }
}

void TestAlertWindow::layoutForScreen_data()
{
    QTest::addColumn<QSizeF>("screen");
    QTest::addColumn<QRectF>("button");
    QTest::addColumn<QRectF>("label");

    QTest::newRow("1024x768: button centred, 2400 above the bottom; label inset 30, 360 from the top")
        << QSizeF(15360, 11520) << QRectF(6157.5, 9120, 3045, 525) << QRectF(30, 360, 15300, 11130);
    QTest::newRow("800x600") << QSizeF(12000, 9000) << QRectF(4477.5, 6600, 3045, 525) << QRectF(30, 360, 11940, 8610);
    QTest::newRow("1920x1080") << QSizeF(28800, 16200) << QRectF(12877.5, 13800, 3045, 525)
                               << QRectF(30, 360, 28740, 15810);
}

void TestAlertWindow::layoutForScreen()
{
    QFETCH(QSizeF, screen);
    QFETCH(QRectF, button);
    QFETCH(QRectF, label);

    const AlertLayout layout = AlertWindow::layoutFor(screen.width(), screen.height());
    QCOMPARE(layout.button, button);
    QCOMPARE(layout.label, label);
    // The label stays on the screen.
    QVERIFY(QRectF(QPointF(0, 0), screen).contains(layout.label));
}

void TestAlertWindow::coversThePrimaryScreen()
{
    Fixture f;
    f.app.Form_Load();
    f.app.GoToWork(0);

    AlertWindow *alert = f.app.alertWindow();
    QVERIFY(alert);
    QVERIFY(alert->isVisible());
    QVERIFY(alert->isFullScreen());
    QCOMPARE(alert->screen(), QGuiApplication::primaryScreen());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(alert->geometry(), screen);
    // With more monitors than one (ctest runs this once more on two), it covers the primary alone.
    for (const QScreen *other : QGuiApplication::screens()) {
        if (other != QGuiApplication::primaryScreen())
            QVERIFY(!alert->geometry().intersects(other->geometry()));
    }

    // The controls follow the size granted, such as the area below a panel that will not be covered.
    for (const QSize granted : { screen.size(), QSize(screen.width(), screen.height() - 32) }) {
        alert->resize(granted);
        const AlertLayout layout
            = AlertWindow::layoutFor(Twips::fromPixels(granted.width()), Twips::fromPixels(granted.height()));
        QCOMPARE(alert->cmdOK->geometry(), pixels(layout.button));
        QCOMPARE(alert->lblMain->geometry(), pixels(layout.label));
        // The button is drawn above the label and takes the clicks where they overlap.
        QVERIFY(alert->lblMain->geometry().contains(alert->cmdOK->geometry()));
        QCOMPARE(alert->childAt(alert->cmdOK->geometry().center()), alert->cmdOK);
    }
}

void TestAlertWindow::lookAndFocus()
{
    Fixture f;
    f.app.Form_Load();
    f.app.GoToWork(1);
    AlertWindow *alert = f.app.alertWindow();
    QVERIFY(alert);

    QCOMPARE(alert->objectName(), u"frmAlert"_qs);
    QCOMPARE(alert->windowType(), Qt::Tool); // no taskbar button
    QVERIFY(alert->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(alert->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(alert->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(alert->cmdOK->text(), u"Ok... I'll get ready now"_qs);
    QCOMPARE(alert->cmdOK->font().family(), u"Arial"_qs);
    QCOMPARE(alert->cmdOK->font().pointSizeF(), 9.75);
    QCOMPARE(alert->lblMain->font().family(), u"Arial"_qs);
    QCOMPARE(alert->lblMain->font().pointSizeF(), 36.0);
    QVERIFY(alert->lblMain->font().bold());
    QCOMPARE(alert->lblMain->alignment(), Qt::AlignHCenter | Qt::AlignTop);
    QVERIFY(alert->lblMain->wordWrap());
    QVERIFY(!alert->lblMain->autoFillBackground());
    QCOMPARE(alert->focusWidget(), alert->cmdOK);
    // A screen reader announces an alert with its name, the message; the label speaks it too.
    QCOMPARE(alert->windowTitle(), u"Form1"_qs);
    const QString spoken = alert->lblMain->text();
    QVERIFY(spoken.startsWith(u"Get ready for work because it is now 7:05 AM on Saturday."_qs));
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(alert);
    QCOMPARE(window->role(), QAccessible::AlertMessage);
    QCOMPARE(window->text(QAccessible::Name), spoken);
    QCOMPARE(QAccessible::queryAccessibleInterface(alert->lblMain)->text(QAccessible::Name), spoken);
}

void TestAlertWindow::colours_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("text");

    QTest::newRow("the defaults: black on the button face")
        << QByteArray() << QApplication::palette().color(QPalette::Button) << QColor(Qt::black);
    QTest::newRow("red on blue") << QByteArray("[Options]\nFontColor=255\nBackColor=16711680\n") << QColor(Qt::blue)
                                 << QColor(Qt::red);
    QTest::newRow("window text on a window background")
        << QByteArray("[Options]\nFontColor=-2147483640\nBackColor=-2147483643\n")
        << QApplication::palette().color(QPalette::Base) << QApplication::palette().color(QPalette::Text);
}

void TestAlertWindow::colours()
{
    QFETCH(QByteArray, file);
    QFETCH(QColor, background);
    QFETCH(QColor, text);
    if (!file.isEmpty())
        writeStoreFile(file);

    Fixture f;
    f.app.Form_Load();
    f.app.GoToWork(0);
    AlertWindow *alert = f.app.alertWindow();
    QVERIFY(alert);
    QVERIFY(alert->autoFillBackground());
    QCOMPARE(alert->palette().color(QPalette::Window), background);
    QCOMPARE(alert->lblMain->palette().color(QPalette::WindowText), text);
}

void TestAlertWindow::textIsShownAsTyped_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<qint16>("isItSaturday");
    QTest::addColumn<QString>("shown");

    QTest::newRow("markup stays markup") << u"<b>x</b> &amp; %day%"_qs << qint16(0) << u"<b>x</b> &amp; Saturday"_qs;
    QTest::newRow("the Saturday reminder goes on lines of its own")
        << u"Up"_qs << qint16(1) << u"Up\n\nRemember to input your new times for the week."_qs;
    QTest::newRow("an empty message on a Saturday shows only the reminder")
        << QString() << qint16(1) << u"\n\nRemember to input your new times for the week."_qs;
    QTest::newRow("an empty message on another day shows nothing") << QString() << qint16(0) << QString();
}

void TestAlertWindow::textIsShownAsTyped()
{
    QFETCH(QString, message);
    QFETCH(qint16, isItSaturday);
    QFETCH(QString, shown);

    Fixture f;
    f.app.Form_Load();
    f.txtMessage()->setText(message);
    f.app.GoToWork(isItSaturday);
    AlertWindow *alert = f.app.alertWindow();
    QVERIFY(alert);
    QCOMPARE(alert->lblMain->textFormat(), Qt::PlainText);
    QCOMPARE(alert->lblMain->text(), shown);
    QCOMPARE(alert->text(), QString(shown).replace(u"\n"_qs, u"\r\n"_qs));
}

void TestAlertWindow::secondAlertReusesTheOpenWindow()
{
    Fixture f;
    f.app.Form_Load();

    f.app.GoToWork(1);
    QPointer<AlertWindow> first = f.app.alertWindow();
    QVERIFY(first);
    f.clock.advance(30);
    f.app.GoToWork(1);

    QCOMPARE(f.app.alertWindow(), first.data());
    QCOMPARE(alertWindowCount(), 1);
    QVERIFY(first->isVisible());
    QCOMPARE(first->text(), u"Get ready for work because it is now 7:05 AM on Saturday."_qs + kReminder);
}

void TestAlertWindow::dismissedAlertComesBackFresh_data()
{
    QTest::addColumn<int>("key"); // 0: a click
    QTest::addColumn<int>("waitMs"); // after the alert appeared
    QTest::addColumn<bool>("typing"); // a letter typed just before the key
    QTest::addColumn<bool>("dismissed");
    QTest::addColumn<bool>("tickInTheSamePass"); // before OK's deletion has run
    QTest::newRow("dismissed by a click on OK half a second after it appeared") << 0 << 600 << false << true << false;
    QTest::newRow("a click at once, already on its way, does not dismiss") << 0 << 0 << false << false << false;
    QTest::newRow("dismissed by Enter on the focused OK after a still second") << int(Qt::Key_Return) << 1100 << false << true << false;
    QTest::newRow("dismissed by Space on the focused OK after a still second") << int(Qt::Key_Space) << 1100 << false << true << false;
    QTest::newRow("Enter right after typing is swallowed, and so is the typing")
        << int(Qt::Key_Return) << 1100 << true << false << false;
    QTest::newRow("a tick in the same pass of the event loop as OK shows an alert that stays")
        << 0 << 600 << false << true << true;
}

void TestAlertWindow::dismissedAlertComesBackFresh()
{
    QFETCH(int, key);
    QFETCH(int, waitMs);
    QFETCH(bool, typing);
    QFETCH(bool, dismissed);
    QFETCH(bool, tickInTheSamePass);
    Fixture f;
    f.app.Form_Load();

    f.app.GoToWork(0);
    QPointer<AlertWindow> first = f.app.alertWindow();
    QVERIFY(first);
    QSignalSpy dismissedSpy(first.data(), &AlertWindow::dismissed);
    QTest::qWait(waitMs);
    if (typing)
        QTest::keyClick(first->focusWidget(), Qt::Key_A);
    if (key)
        QTest::keyClick(first->focusWidget(), Qt::Key(key));
    else
        QTest::mouseClick(first->cmdOK, Qt::LeftButton);
    // What silences the sound.
    QCOMPARE(dismissedSpy.count(), dismissed ? 1 : 0);
    if (!dismissed) {
        QTest::qWait(50);
        QVERIFY(first && first->isVisible());
        QCOMPARE(first->focusWidget(), first->cmdOK);
        return;
    }
    if (tickInTheSamePass)
        f.app.GoToWork(0);
    QTRY_VERIFY(!first); // OK destroys it
    if (!tickInTheSamePass) {
        QVERIFY(!f.app.alertWindow());
        f.app.GoToWork(0);
    }
    QVERIFY(f.app.alertWindow());
    QVERIFY(f.app.alertWindow()->isVisible());
    QCOMPARE(alertWindowCount(), 1);
}

void TestAlertWindow::editsShowAtTheNextAlertOnly()
{
    Fixture f;
    f.app.Form_Load();
    f.txtMessage()->setText(u"Before"_qs);
    f.app.GoToWork(0);
    AlertWindow *alert = f.app.alertWindow();

    f.txtMessage()->setText(u"After"_qs);
    f.reminder.setBackColor(255);
    QCOMPARE(alert->text(), u"Before"_qs);
    QVERIFY(alert->palette().color(QPalette::Window) != QColor(Qt::red));

    f.app.GoToWork(0);
    QCOMPARE(f.app.alertWindow(), alert);
    QCOMPARE(alert->text(), u"After"_qs);
    QCOMPARE(alert->palette().color(QPalette::Window), QColor(Qt::red));
}

QTEST_MAIN(TestAlertWindow)
#include "tst_alertwindow.moc"
