// A store that cannot be written must not stop the program: it starts, runs on what it could read,
// says so once, keeps the user's edits in effect and saves again as soon as it can.

#include "alertwindow.h"
#include "mainwindow.h"
#include "oledate.h"
#include "processsupport.h"
#include "settingskeys.h"
#include "testsupport.h"
#include "timepicker.h"
#include "workcheckbox.h"

#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <unistd.h>

using namespace TestSupport;

namespace {

enum class Blocker {
    FolderInPlaceOfFile, ///< Dorvane.conf is a folder: no write can succeed, not even as root
    ReadOnlyFolder,      ///< the file can be read but neither it nor its folder written
};

// A Monday the store holds unticked at 0:30, so the edits below make it a working day.
const QByteArray kStoredMonday = "[Options]\nMondayTime=12:30:00 AM\nWorkMonday=0\nMessage=Up\n";

QString storeFolder(const QString &configHome)
{
    return configHome + QStringLiteral("/Dorvane");
}

void block(const QString &configHome, Blocker blocker)
{
    const QString folder = storeFolder(configHome);
    QDir(folder).removeRecursively();
    if (blocker == Blocker::FolderInPlaceOfFile) {
        QVERIFY(QDir().mkpath(ProcessSupport::storeFileIn(configHome)));
        return;
    }
    QVERIFY(QDir().mkpath(folder));
    QFile file(ProcessSupport::storeFileIn(configHome));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kStoredMonday);
    file.close();
    QVERIFY(file.setPermissions(QFileDevice::ReadOwner));
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
}

void unblock(const QString &configHome)
{
    const QString folder = storeFolder(configHome);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile::setPermissions(ProcessSupport::storeFileIn(configHome), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QDir(folder).removeRecursively();
}

void addBlockerRows()
{
    QTest::addColumn<Blocker>("blocker");
    QTest::newRow("settings file replaced by a folder") << Blocker::FolderInPlaceOfFile;
    QTest::newRow("settings folder read-only") << Blocker::ReadOnlyFolder;
}

// Permissions do not stop root.
bool unblockable(Blocker blocker)
{
    return blocker == Blocker::ReadOnlyFolder && ::geteuid() == 0;
}

} // namespace

class TestUnwritableStore : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void editsStayInEffectAndTheFailureIsToldOnce_data();
    void editsStayInEffectAndTheFailureIsToldOnce();
    void programStartsAndEndsCleanly_data();
    void programStartsAndEndsCleanly();
};

void TestUnwritableStore::cleanup()
{
    unblock(configHome().path());
}

void TestUnwritableStore::editsStayInEffectAndTheFailureIsToldOnce_data()
{
    addBlockerRows();
}

void TestUnwritableStore::editsStayInEffectAndTheFailureIsToldOnce()
{
    QFETCH(Blocker, blocker);
    if (unblockable(blocker))
        QSKIP("running as root, for whom a read-only folder is writable");
    block(configHome().path(), blocker);
    const bool readable = blocker == Blocker::ReadOnlyFolder;

    SettingsStore store;
    FakeClock clock(QDateTime(QDate(2026, 12, 7), QTime(12, 0)));
    MainWindow w(store, clock);
    QSignalSpy failures(&w, &MainWindow::saveFailed);
    w.Form_Load();
    // Whatever could be read is in effect; an empty store also wants the default message written.
    const DisplayOptions loaded = w.displayOptions();
    QCOMPARE(loaded.messageTemplate, readable ? u"Up"_qs : kDefaultMessage);
    QCOMPARE(w.weekSchedule()[Monday].alertTime, readable ? 30 / 1440.0 : 0.0);
    QCOMPARE(failures.count(), readable ? 0 : 1);

    w.show();
    w.txtMessage->setFocus();
    QTest::keyClick(w.txtMessage, Qt::Key_End);
    QTest::keyClicks(w.txtMessage, u"!?"_qs);
    QTest::mouseClick(w.chkMonday, Qt::LeftButton);
    w.dtpMonday->setFocus();
    w.dtpMonday->setCurrentSection(QDateTimeEdit::HourSection);
    QTest::keyClick(w.dtpMonday, Qt::Key_Up);
    QCOMPARE(failures.count(), 1);

    const QString message = loaded.messageTemplate + u"!?"_qs;
    QCOMPARE(w.displayOptions().messageTemplate, message);
    const DayEntry monday = w.weekSchedule()[Monday];
    QCOMPARE(monday.workFlag, WorkFlag::Checked);
    QCOMPARE(OleDate::timeOfDay(monday.alertTime), readable ? QTime(1, 30) : QTime(1, 0));
    // The alarm goes by the edited values, which exist nowhere but in the window.
    clock.set(QDateTime(QDate(2026, 12, 7), OleDate::timeOfDay(monday.alertTime).addSecs(10)));
    w.tmrTest_Timer();
    QVERIFY(w.alertWindow());
    QVERIFY(w.alertWindow()->isVisible());

    // Writable again: the next edit saves, and a success is no news.
    unblock(configHome().path());
    QTest::keyClick(w.txtMessage, 'z');
    QCOMPARE(SettingsStore().get(kMessageKey, QString()), message + u'z');
    QCOMPARE(failures.count(), 1);
}

void TestUnwritableStore::programStartsAndEndsCleanly_data()
{
    addBlockerRows();
}

void TestUnwritableStore::programStartsAndEndsCleanly()
{
    QFETCH(Blocker, blocker);
    if (unblockable(blocker))
        QSKIP("running as root, for whom a read-only folder is writable");
    QTemporaryDir home;
    block(home.path(), blocker);
    const auto restore = qScopeGuard([&home] { unblock(home.path()); });

    QProcess program;
    program.setProcessEnvironment(ProcessSupport::environment(home.path()));
    program.start(QStringLiteral(DORVANE_EXE), {});
    QVERIFY(program.waitForStarted());
    QVERIFY(ProcessSupport::waitUntilCatching(program.processId(), SIGTERM));
    // Handled only once the event loop runs, so a clean exit means the load and the window got through.
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    QVERIFY(program.waitForFinished(10000));
    const QByteArray errors = program.readAllStandardError();
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY2(program.exitCode() == 0, errors.constData());
    // Nothing it read was out of range, so no key fell back to its default with a warning.
    QVERIFY2(!errors.contains("Using the default"), errors.constData());
    QCOMPARE(QFileInfo(ProcessSupport::storeFileIn(home.path())).isDir(), blocker == Blocker::FolderInPlaceOfFile);
}

QTEST_MAIN(TestUnwritableStore)
#include "tst_unwritablestore.moc"
