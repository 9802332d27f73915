// A store that cannot be written must not stop the program: it starts, runs on what it could read,
// says so once, keeps the user's edits in effect and saves again as soon as it can.

#include "alertwindow.h"
#include "oledate.h"
#include "processsupport.h"
#include "programsupport.h"
#include "settingskeys.h"
#include "timepicker.h"
#include "workcheckbox.h"

#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>
#endif

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
#ifdef Q_OS_WIN
        // The store there is the registry, which that folder does not touch.
        clearStore();
        blockRegistry(true);
#endif
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
#ifdef Q_OS_WIN
    blockRegistry(false);
    clearStore();
#endif
}

void addBlockerRows()
{
    QTest::addColumn<Blocker>("blocker");
    QTest::newRow("settings file replaced by a folder") << Blocker::FolderInPlaceOfFile;
    QTest::newRow("settings folder read-only") << Blocker::ReadOnlyFolder;
}

// Permissions do not stop root, and Windows ignores the read-only attribute of a folder.
bool unblockable(Blocker blocker)
{
#ifdef Q_OS_UNIX
    return blocker == Blocker::ReadOnlyFolder && ::geteuid() == 0;
#else
    return blocker == Blocker::ReadOnlyFolder;
#endif
}

} // namespace

class TestUnwritableStore : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void editsStayInEffectAndTheFailureIsToldOnce_data();
    void editsStayInEffectAndTheFailureIsToldOnce();
    void failedEditIsSavedOnceTheStoreIsWritable_data();
    void failedEditIsSavedOnceTheStoreIsWritable();
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
        QSKIP("a read-only folder is writable here (running as root, or on Windows)");
    block(configHome().path(), blocker);
    const bool readable = blocker == Blocker::ReadOnlyFolder;

    Program p(QDateTime(QDate(2026, 12, 7), QTime(12, 0)));
    auto &[store, clock, app, reminder, w] = p;
    QSignalSpy failures(&reminder, &Reminder::saveFailed);
    app.Form_Load();
    // Whatever could be read is in effect; an empty store also wants the default message written.
    const DisplayOptions loaded = reminder.displayOptions();
    QCOMPARE(loaded.messageTemplate, readable ? u"Up"_qs : kDefaultMessage);
    QCOMPARE(reminder.weekSchedule()[Monday].alertTime, readable ? 30 / 1440.0 : 0.0);
    QCOMPARE(failures.count(), readable ? 0 : 1);

    w.show();
    auto *txtMessage = w.findChild<QLineEdit *>(u"txtMessage"_qs);
    txtMessage->setFocus();
    QTest::keyClick(txtMessage, Qt::Key_End);
    QTest::keyClicks(txtMessage, u"!?"_qs);
    QTest::mouseClick(w.checkBox(Monday), Qt::LeftButton);
    w.picker(Monday)->setFocus();
    w.picker(Monday)->setCurrentSection(QDateTimeEdit::HourSection);
    QTest::keyClick(w.picker(Monday), Qt::Key_Up);
    QCOMPARE(failures.count(), 1);

    const QString message = loaded.messageTemplate + u"!?"_qs;
    QCOMPARE(reminder.displayOptions().messageTemplate, message);
    const DayEntry monday = reminder.weekSchedule()[Monday];
    QCOMPARE(monday.workFlag, WorkFlag::Checked);
    QCOMPARE(OleDate::timeOfDay(monday.alertTime), readable ? QTime(1, 30) : QTime(1, 0));
    // The alarm goes by the edited values, which exist nowhere but in the window.
    clock.set(QDateTime(QDate(2026, 12, 7), OleDate::timeOfDay(monday.alertTime).addSecs(10)));
    reminder.tick();
    QVERIFY(app.alertWindow());
    QVERIFY(app.alertWindow()->isVisible());

    // Writable again: the next edit saves, and a success is no news.
    unblock(configHome().path());
    store = testStore(); // on Windows a store is told its registry key once
    QTest::keyClick(txtMessage, 'z');
    QCOMPARE(testStore().get(kMessageKey, QString()), message + u'z');
    QCOMPARE(failures.count(), 1);
}

void TestUnwritableStore::failedEditIsSavedOnceTheStoreIsWritable_data()
{
    QTest::addColumn<QString>("then");
    QTest::newRow("at the next tick, with no further edit") << u"tick"_qs;
    QTest::newRow("at the next edit, of another key") << u"edit"_qs;
    QTest::newRow("at exit") << u"exit"_qs;
}

void TestUnwritableStore::failedEditIsSavedOnceTheStoreIsWritable()
{
    QFETCH(QString, then);
    block(configHome().path(), Blocker::FolderInPlaceOfFile);
    SettingsStore store = testStore();
    FakeClock clock(QDateTime(QDate(2026, 12, 7), QTime(12, 0)));
    Reminder reminder(store, clock);
    QSignalSpy failures(&reminder, &Reminder::saveFailed);
    QSignalSpy saved(&reminder, &Reminder::saved);
    reminder.load();
    QVERIFY(!reminder.setWorkFlag(Monday, WorkFlag::Checked));
    QVERIFY(!reminder.setMessage(u"Up!"_qs));
    QVERIFY(!reminder.setMessage(u"Up now!"_qs));
    QCOMPARE(failures.count(), 1);
    // Both wait to be saved, oldest failure first, and an exit now would name them.
    QCOMPARE(reminder.finish(), QStringList({workKey(Monday), kMessageKey}));
    reminder.tick();
    QCOMPARE(saved.count(), 0);

    unblock(configHome().path());
    store = testStore(); // on Windows a store is told its registry key once
    if (then == u"tick")
        reminder.tick();
    else if (then == u"edit")
        QVERIFY(reminder.setAlertTime(Tuesday, oleTime(7, 5)));
    // Nothing is left unsaved, at exit or after.
    QCOMPARE(reminder.finish(), QStringList());
    const SettingsStore onDisk = testStore();
    QCOMPARE(onDisk.get(workKey(Monday), QString()), u"1"_qs);
    QCOMPARE(onDisk.get(kMessageKey, QString()), u"Up now!"_qs);
    QCOMPARE(failures.count(), 1);
    // While it runs, the user hears that the trouble is over.
    if (then != u"exit")
        QCOMPARE(saved.count(), 1);
}

void TestUnwritableStore::programStartsAndEndsCleanly_data()
{
    addBlockerRows();
}

void TestUnwritableStore::programStartsAndEndsCleanly()
{
    QFETCH(Blocker, blocker);
    if (unblockable(blocker))
        QSKIP("a read-only folder is writable here (running as root, or on Windows)");
    QTemporaryDir home;
    block(home.path(), blocker);
    const auto restore = qScopeGuard([&home] { unblock(home.path()); });

    QProcess program;
    QProcessEnvironment env = ProcessSupport::environment(home.path());
#ifdef Q_OS_WIN
    // Ended by a logoff, whose messages only windows of the system's own get.
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("windows"));
#endif
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(DORVANE_EXE), {});
    QVERIFY(program.waitForStarted());
#ifdef Q_OS_UNIX
    QVERIFY(ProcessSupport::waitUntilCatching(program.processId(), SIGTERM));
    // Handled only once the event loop runs, so a clean exit means the load and the window got through.
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
#else
    // Its window is shown once the load got through.
    QTRY_VERIFY_WITH_TIMEOUT(!ProcessSupport::topLevelWindows(program.processId(), true).empty(), 20000);
    QVERIFY(ProcessSupport::endSession(program.processId(), true));
#endif
    QVERIFY(program.waitForFinished(10000));
    const QByteArray errors = program.readAllStandardError();
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY2(program.exitCode() == 0, errors.constData());
    // Nothing it read was out of range, so no key fell back to its default with a warning.
    QVERIFY2(!errors.contains("Using the default"), errors.constData());
    // An empty store wants the default message, which could not be written and is named at exit.
    QVERIFY2(errors.contains("\"Message\" not saved") == (blocker == Blocker::FolderInPlaceOfFile),
             errors.constData());
    QCOMPARE(QFileInfo(ProcessSupport::storeFileIn(home.path())).isDir(), blocker == Blocker::FolderInPlaceOfFile);
}

QTEST_MAIN(TestUnwritableStore)
#include "tst_unwritablestore.moc"
