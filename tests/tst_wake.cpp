// When the system says it woke or its clock was set, the alarm is checked at once: an alert passed
// over in the sleep comes now, not at the next 30-second tick.

#include "alertwindow.h"
#include "processsupport.h"
#include "programsupport.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#ifndef Q_OS_WIN
#include <QDBusConnection>
#include <QDBusMessage>
#endif

using namespace TestSupport;

namespace {

const QDate kTuesday(2026, 12, 8);

#ifdef Q_OS_WIN
// As Windows sends it to every top-level window of the program.
void sendToOwnWindows(UINT message, WPARAM wParam)
{
    for (HWND window : ProcessSupport::topLevelWindows(QCoreApplication::applicationPid(), false)) {
        DWORD_PTR answer = 0;
        ::SendMessageTimeoutW(window, message, wParam, 0, SMTO_ABORTIFHUNG, 5000, &answer);
    }
}
#endif

} // namespace

class TestWake : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void lateAlertComesAtOnce_data();
    void lateAlertComesAtOnce();

private:
    QProcess m_systemBus;
};

void TestWake::initTestCase()
{
    QLocale::setDefault(enUS());
#ifndef Q_OS_WIN
    // A private bus stands in for the system bus, on which this test speaks for logind.
    const QString daemon = QStandardPaths::findExecutable(u"dbus-daemon"_qs);
    if (daemon.isEmpty())
        QSKIP("dbus-daemon is not installed");
    m_systemBus.start(daemon, {u"--session"_qs, u"--nofork"_qs, u"--print-address=1"_qs});
    QVERIFY(m_systemBus.waitForReadyRead(10000));
    const QByteArray address = m_systemBus.readLine().trimmed();
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", address);
    QDBusConnection logind = QDBusConnection::connectToBus(QString::fromUtf8(address), u"logind"_qs);
    QVERIFY(logind.registerService(u"org.freedesktop.login1"_qs));
#endif
}

void TestWake::cleanupTestCase()
{
    m_systemBus.kill();
    m_systemBus.waitForFinished();
}

void TestWake::lateAlertComesAtOnce_data()
{
    QTest::addColumn<QString>("news");
#ifdef Q_OS_WIN
    QTest::newRow("Windows says it resumed (WM_POWERBROADCAST)") << u"resume"_qs;
    QTest::newRow("Windows says its clock was set (WM_TIMECHANGE)") << u"time"_qs;
#else
    QTest::newRow("logind says the computer woke (PrepareForSleep false)") << u"logind"_qs;
#endif
}

void TestWake::lateAlertComesAtOnce()
{
    QFETCH(QString, news);
    writeStoreFile("[Options]\nTuesdayTime=7:05:00 AM\nWorkTuesday=1\n");
    Program p(QDateTime(kTuesday, QTime(7, 4, 43)));
    p.app.start();
    QVERIFY(QTest::qWaitForWindowExposed(&p.w));
    // Asleep over the minute; the next tick is 30 s away.
    p.clock.set(QDateTime(kTuesday, QTime(7, 20)));
    QVERIFY(!p.app.alertWindow());

#ifdef Q_OS_WIN
    if (news == u"resume")
        sendToOwnWindows(WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC);
    else
        sendToOwnWindows(WM_TIMECHANGE, 0);
#else
    QDBusMessage woke = QDBusMessage::createSignal(u"/org/freedesktop/login1"_qs, u"org.freedesktop.login1.Manager"_qs,
                                                   u"PrepareForSleep"_qs);
    woke << false;
    QVERIFY(QDBusConnection(u"logind"_qs).send(woke));
#endif
    QTRY_VERIFY_WITH_TIMEOUT(p.app.alertWindow() && p.app.alertWindow()->isVisible(), 10000);
}

QTEST_MAIN(TestWake)
#include "tst_wake.moc"
