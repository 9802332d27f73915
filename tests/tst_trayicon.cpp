#include "alertwindow.h"
#include "mainwindow.h"
#include "reminder.h"
#include "savenotice.h"
#include "settingsstore.h"
#include "testsupport.h"
#include "trayicon.h"
#include "traymode.h"

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

// Wired as the program wires them.
// A shown configuration window in tray mode, with its tray icon wired as the program wires it.
struct TrayedWindow {
    TrayedWindow()
    {
        w.setTrayAvailable(true);
        w.Form_Load();
        w.show();
        QObject::connect(&tray, &TrayIcon::toggleRequested, &w, &MainWindow::mnuConfig_Click);
        QObject::connect(&tray, &TrayIcon::exitRequested, &w, &MainWindow::mnuExit_Click);
    }
    SettingsStore store;
    FakeClock clock { someMorning() };
    Reminder reminder { store, clock };
    MainWindow w { reminder };
    TrayIcon tray;
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

    QCOMPARE(tray.mnuPopUp->objectName(), u"mnuPopUp"_qs);
    const QList<QAction *> items = tray.mnuPopUp->actions();
    QCOMPARE(items.size(), 3);
    QCOMPARE(items[0], tray.mnuConfig);
    QCOMPARE(items[0]->text(), u"Configure"_qs);
    QVERIFY(items[1]->isSeparator());
    QCOMPARE(items[2], tray.mnuExit);
    QCOMPARE(items[2]->text(), u"Exit"_qs);
    // The default item is the one drawn in bold.
    QCOMPARE(tray.mnuPopUp->defaultAction(), tray.mnuConfig);
    // The platform opens the menu: a StatusNotifierItem host never passes the right click on.
    QCOMPARE(tray.icon()->contextMenu(), tray.mnuPopUp);
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
    tray.mnuPopUp->close();
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

    SettingsStore store;
    FakeClock clock { someMorning() };
    Reminder reminder { store, clock };
    MainWindow w { reminder };
    TrayIcon tray;
    bool present = trayAtStart;
    tray.setAvailabilityProbe([&present] { return present; });
    SaveNotice notice(tray, &w);
    TrayMode mode(tray, w, notice);
    QSignalSpy changes(&tray, &TrayIcon::availabilityChanged);
    w.Form_Load();
    w.show();
    if (hideFirst)
        w.cmdHide_Click();

    tray.recheck();
    QCOMPARE(changes.count(), 0);
    present = !trayAtStart;
    tray.recheck();
    tray.recheck();
    QCOMPARE(changes.count(), 1);

    QTRY_COMPARE(w.isVisible(), visible);
    QCOMPARE(w.isMinimized(), minimized);
    QCOMPARE(w.windowType() == Qt::Tool, present); // a tool window has no taskbar button
    // The notice goes where the user can now see it: a balloon from the tray, or else a box.
    notice.showFailure(u"Dorvane"_qs, u"not saved"_qs);
    QCOMPARE(notice.box() != nullptr, !present);
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
    tray.mnuConfig->trigger();
    QCOMPARE(toggle.count(), 1);
    QCOMPARE(exit.count(), 0);
    tray.mnuExit->trigger();
    QCOMPARE(toggle.count(), 1);
    QCOMPARE(exit.count(), 1);
}

void TestTrayIcon::toggleShowsAndHidesTheConfiguration()
{
    TrayedWindow fixture;
    auto &[store, clock, reminder, w, tray] = fixture;

    tray.mnuConfig->trigger();
    QVERIFY(!w.isVisible());
    tray.mnuConfig->trigger();
    QVERIFY(w.isVisible());
    tray.onActivated(QSystemTrayIcon::Trigger);
    QVERIFY(!w.isVisible());
    // Hidden, the window leaves the reminder checking the alarm.
    QVERIFY(reminder.timer()->isActive());
}

void TestTrayIcon::exitWithTheAlertOpenEndsTheProgram()
{
    TrayedWindow fixture;
    auto &[store, clock, reminder, w, tray] = fixture;
    QSignalSpy quit(&w, &MainWindow::quitRequested);

    w.GoToWork(1);
    QPointer<AlertWindow> alert = w.alertWindow();
    QVERIFY(alert && alert->isVisible());

    tray.mnuExit->trigger();
    QCOMPARE(quit.count(), 1);
    QVERIFY(!w.isVisible());
    QVERIFY(!reminder.timer()->isActive());
    QTRY_VERIFY(!alert);
}

QTEST_MAIN(TestTrayIcon)
#include "tst_trayicon.moc"
