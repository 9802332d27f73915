#include "alertwindow.h"
#include "programsupport.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace TestSupport;

Q_DECLARE_METATYPE(QSystemTrayIcon::ActivationReason)

namespace {
QDateTime someMorning()
{
    return QDateTime(QDate(2026, 12, 5), QTime(7, 5, 20));
}

// mnuPopUp and its items, as the platform gets them.
QMenu *popup(const TrayIcon &tray)
{
    return tray.icon()->contextMenu();
}

QAction *item(const TrayIcon &tray, const QString &name)
{
    return popup(tray)->findChild<QAction *>(name);
}

// The program shown in tray mode.
struct TrayedWindow : Program {
    TrayedWindow()
        : Program(someMorning())
    {
        setTray(app, true);
        app.start();
    }
};
} // namespace

class TestTrayIcon : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void iconAndMenu();
    void activation_data();
    void activation();
    void trayComesAndGoes_data();
    void trayComesAndGoes();
    void menuItemsStateTheirIntent();
    void toggleShowsAndHidesTheConfiguration();
    void exitWithTheAlertOpenEndsTheProgram();
};

void TestTrayIcon::initTestCase()
{
    QLocale::setDefault(enUS());
    clearStore();
}

void TestTrayIcon::iconAndMenu()
{
    TrayIcon tray;
    QVERIFY(!tray.icon()->icon().isNull());
    QVERIFY(tray.icon()->icon().availableSizes().contains(QSize(16, 16)));
    QVERIFY(tray.icon()->icon().availableSizes().contains(QSize(32, 32)));
    QVERIFY(tray.icon()->toolTip().isEmpty());

    // The platform opens the menu: a StatusNotifierItem host never passes the right click on.
    QMenu *mnuPopUp = popup(tray);
    QVERIFY(mnuPopUp);
    QCOMPARE(mnuPopUp->objectName(), u"mnuPopUp"_qs);
    const QList<QAction *> items = mnuPopUp->actions();
    QCOMPARE(items.size(), 3);
    QCOMPARE(items[0]->objectName(), u"mnuConfig"_qs);
    QCOMPARE(items[0]->text(), u"Configure"_qs);
    QVERIFY(items[1]->isSeparator());
    QCOMPARE(items[2]->objectName(), u"mnuExit"_qs);
    QCOMPARE(items[2]->text(), u"Exit"_qs);
    // The default item is the one drawn in bold.
    QCOMPARE(mnuPopUp->defaultAction(), items[0]);
}

void TestTrayIcon::activation_data()
{
    QTest::addColumn<QSystemTrayIcon::ActivationReason>("reason");
    QTest::addColumn<int>("toggles");
    QTest::newRow("a click toggles") << QSystemTrayIcon::Trigger << 1;
    QTest::newRow("a double-click toggles") << QSystemTrayIcon::DoubleClick << 1;
    QTest::newRow("a middle click does nothing") << QSystemTrayIcon::MiddleClick << 0;
    QTest::newRow("an unknown gesture does nothing") << QSystemTrayIcon::Unknown << 0;
    QTest::newRow("the context gesture does not toggle") << QSystemTrayIcon::Context << 0;
}

void TestTrayIcon::activation()
{
    QFETCH(QSystemTrayIcon::ActivationReason, reason);
    QFETCH(int, toggles);
    TrayIcon tray;
    QSignalSpy toggle(&tray, &TrayIcon::toggleRequested);
    QSignalSpy exit(&tray, &TrayIcon::exitRequested);
    tray.onActivated(reason);
    QCOMPARE(toggle.count(), toggles);
    QCOMPARE(exit.count(), 0);
    popup(tray)->close();
}

void TestTrayIcon::trayComesAndGoes_data()
{
    QTest::addColumn<bool>("trayAtStart");
    QTest::addColumn<bool>("hideFirst");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("minimized");

    QTest::newRow("a tray that comes takes in a window minimised for want of one") << false << true << false << false;
    QTest::newRow("a tray that comes leaves a shown window shown") << false << false << true << false;
    QTest::newRow("a tray that goes brings a hidden window back minimised") << true << true << true << true;
    QTest::newRow("a tray that goes leaves a shown window shown") << true << false << true << false;
}

void TestTrayIcon::trayComesAndGoes()
{
    QFETCH(bool, trayAtStart);
    QFETCH(bool, hideFirst);
    QFETCH(bool, visible);
    QFETCH(bool, minimized);

    Program p(someMorning());
    auto &[store, clock, app, reminder, w] = p;
    setTray(app, trayAtStart);
    QSignalSpy changes(&app.tray(), &TrayIcon::availabilityChanged);
    app.start();
    if (hideFirst)
        w.cmdHide_Click();

    // Looking again finds what it found before: no news.
    app.tray().recheck();
    QCOMPARE(changes.count(), 0);
    const bool present = !trayAtStart;
    setTray(app, present);

    QTRY_COMPARE(w.isVisible(), visible);
    QCOMPARE(w.isMinimized(), minimized);
    QCOMPARE(w.windowType() == Qt::Tool, present); // a tool window has no taskbar button
    // The notice goes where the user can now see it: a balloon from the tray, or else a box.
    emit reminder.saveFailed(u"Dorvane"_qs, u"not saved"_qs);
    QCOMPARE(visibleMessageBoxes().size(), present ? 0 : 1);
    // Hiding now does what the new mode says.
    if (w.isVisible() && !w.isMinimized()) {
        w.cmdHide_Click();
        QTRY_VERIFY(present ? !w.isVisible() : w.isMinimized());
    }
}

void TestTrayIcon::menuItemsStateTheirIntent()
{
    TrayIcon tray;
    QSignalSpy toggle(&tray, &TrayIcon::toggleRequested);
    QSignalSpy exit(&tray, &TrayIcon::exitRequested);
    item(tray, u"mnuConfig"_qs)->trigger();
    QCOMPARE(toggle.count(), 1);
    QCOMPARE(exit.count(), 0);
    item(tray, u"mnuExit"_qs)->trigger();
    QCOMPARE(toggle.count(), 1);
    QCOMPARE(exit.count(), 1);
}

void TestTrayIcon::toggleShowsAndHidesTheConfiguration()
{
    TrayedWindow fixture;
    auto &[store, clock, app, reminder, w] = fixture;

    item(app.tray(), u"mnuConfig"_qs)->trigger();
    QVERIFY(!w.isVisible());
    item(app.tray(), u"mnuConfig"_qs)->trigger();
    QVERIFY(w.isVisible());
    app.tray().onActivated(QSystemTrayIcon::Trigger);
    QVERIFY(!w.isVisible());
    // Hidden, the window leaves the reminder checking the alarm.
    QVERIFY(tickTimer(reminder)->isActive());
}

void TestTrayIcon::exitWithTheAlertOpenEndsTheProgram()
{
    TrayedWindow fixture;
    auto &[store, clock, app, reminder, w] = fixture;
    QSignalSpy quit(&app, &Dorvane::quitRequested);

    app.GoToWork(1);
    QPointer<AlertWindow> alert = app.alertWindow();
    QVERIFY(alert && alert->isVisible());

    item(app.tray(), u"mnuExit"_qs)->trigger();
    QCOMPARE(quit.count(), 1);
    QVERIFY(!w.isVisible());
    QVERIFY(!tickTimer(reminder)->isActive());
    QTRY_VERIFY(!alert);
}

QTEST_MAIN(TestTrayIcon)
#include "tst_trayicon.moc"
