// One copy per user and session: a second start hands over to the copy that runs and leaves
// without touching the store, whatever the timing, and a copy that was killed does not stand in
// the way of the next.

#include "processsupport.h"
#include "singleinstance.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>
#include <vector>

namespace {

// No message: a copy that got as far as loading this store would write the default one.
const QByteArray kStoreWithoutMessage = "[Options]\nMondayTime=7:30:00 AM\nWorkMonday=1\n";

// On Windows the store is this test's own registry key, the same for every home folder.
bool writeStore(const QString &file, const QByteArray &bytes)
{
#ifdef Q_OS_WIN
    Q_UNUSED(file);
    TestSupport::writeStoreFile(bytes);
    return true;
#else
    QFile store(file);
    return store.open(QIODevice::WriteOnly | QIODevice::Truncate) && store.write(bytes) == bytes.size();
#endif
}


#ifdef Q_OS_UNIX
volatile std::sig_atomic_t g_activationRequests = 0;

extern "C" void countActivationRequest(int)
{
    g_activationRequests = g_activationRequests + 1;
}
#endif

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void secondStartHandsOver_data();
    void secondStartHandsOver();
    void startFindsTheLockTaken_data();
    void startFindsTheLockTaken();

private:
    QProcess *startProgram();

    std::unique_ptr<QTemporaryDir> m_home;
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

QProcess *TestSingleInstance::startProgram()
{
    auto &process = m_processes.emplace_back(std::make_unique<QProcess>());
    process->setProcessEnvironment(ProcessSupport::environment(m_home->path()));
    process->start(QStringLiteral(DORVANE_EXE), {});
    return process.get();
}

void TestSingleInstance::cleanup()
{
    // Before their folder goes.
    for (const auto &process : m_processes) {
        if (process->state() == QProcess::NotRunning)
            continue;
#ifdef Q_OS_UNIX
        process->terminate();
        if (!process->waitForFinished(10000))
            process->kill();
#else
        // terminate() there only asks its windows to close, which hides them.
        process->kill();
        process->waitForFinished(10000);
#endif
    }
    m_processes.clear();
    m_home.reset();
}

void TestSingleInstance::secondStartHandsOver_data()
{
    QTest::addColumn<bool>("firstKilled");
    QTest::newRow("a second start exits 0 and leaves the store untouched") << false;
    QTest::newRow("a killed copy does not block the next start") << true;
}

void TestSingleInstance::secondStartHandsOver()
{
    QFETCH(bool, firstKilled);
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_home->isValid());
    const QString file = ProcessSupport::storeFileIn(m_home->path());
    QVERIFY(QDir().mkpath(QFileInfo(file).path()));

    QProcess *running = nullptr;
    for (int start = 0; start < (firstKilled ? 2 : 1); ++start) {
        if (running) {
            running->kill();
            QVERIFY(running->waitForFinished(10000));
#ifdef Q_OS_UNIX
            // Its lock file is left behind with nobody holding it (a Windows event goes with its process).
            const QDir runtimeDir(ProcessSupport::runtimeDirIn(m_home->path()));
            QVERIFY(!runtimeDir.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).isEmpty());
#endif
        }
        QVERIFY(writeStore(file, kStoreWithoutMessage));
        running = startProgram();
        QVERIFY(running->waitForStarted());
        // Its load writes the missing message, after it took the guard and before its event loop.
        QTRY_VERIFY_WITH_TIMEOUT(TestSupport::storeText(file).contains("Message="), 10000);
        QCOMPARE(running->state(), QProcess::Running);
    }

    QVERIFY(writeStore(file, kStoreWithoutMessage));
    const QDateTime modified = QFileInfo(file).lastModified();
    QProcess *second = startProgram();
    QVERIFY(second->waitForStarted());
    QVERIFY(second->waitForFinished(5000));
    const QByteArray errors = second->readAllStandardError();
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QVERIFY2(second->exitCode() == 0, errors.constData());
    QVERIFY2(errors.contains("already running; showing its configuration window."), errors.constData());
    // Offscreen has no tray, which a copy that got as far as its icon would have said.
    QVERIFY2(!errors.contains("notification area"), errors.constData());
    QCOMPARE(TestSupport::storeText(file), kStoreWithoutMessage);
#ifdef Q_OS_UNIX
    QCOMPARE(QFileInfo(file).lastModified(), modified);
#else
    Q_UNUSED(modified);
#endif

    QCOMPARE(running->state(), QProcess::Running);
#ifdef Q_OS_UNIX
    // terminate() on Windows only asks the windows to close, which hides them; cleanup() kills it there.
    QVERIFY(ProcessSupport::waitUntilCatching(running->processId(), SIGTERM));
    running->terminate();
    QVERIFY(running->waitForFinished(10000));
    QCOMPARE(running->exitStatus(), QProcess::NormalExit);
    QCOMPARE(running->exitCode(), 0);
#endif
}

namespace {
enum class Holder {
    WritingItsPid, ///< has created the lock and holds it open, its PID still to come
    DiedTakingIt, ///< left the lock empty, held by nobody
    AnotherProgram, ///< the lock names a PID that now belongs to a program of another name
};
} // namespace

void TestSingleInstance::startFindsTheLockTaken_data()
{
    QTest::addColumn<int>("holder");
    QTest::newRow("a copy that has taken the lock but not yet written its PID is waited for, then handed over to")
        << int(Holder::WritingItsPid);
    QTest::newRow("a lock left without a PID by a copy that died taking it does not block the next start")
        << int(Holder::DiedTakingIt);
    QTest::newRow("a lock whose PID another program now has does not block the next start, nor signals that program")
        << int(Holder::AnotherProgram);
}

void TestSingleInstance::startFindsTheLockTaken()
{
#ifndef Q_OS_UNIX
    QSKIP("Only the Unix lock file has a moment between being taken and naming its holder, and names a PID.");
#else
    QFETCH(int, holder);
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_home->isValid());
    const QString file = ProcessSupport::storeFileIn(m_home->path());
    QVERIFY(QDir().mkpath(QFileInfo(file).path()));
    QVERIFY(writeStore(file, kStoreWithoutMessage));

    // This test is the copy (or the other program) that the lock names, seen through the same
    // runtime folder as the program's, and it catches the program's request as a copy would.
    const QByteArray runtimeBefore = qgetenv("XDG_RUNTIME_DIR");
    struct sigaction catching = {};
    catching.sa_handler = countActivationRequest;
    catching.sa_flags = SA_RESTART;
    sigemptyset(&catching.sa_mask);
    struct sigaction before = {};
    QVERIFY(::sigaction(SIGUSR1, &catching, &before) == 0);
    const auto restore = qScopeGuard([&] {
        ::sigaction(SIGUSR1, &before, nullptr);
        qputenv("XDG_RUNTIME_DIR", runtimeBefore);
    });
    g_activationRequests = 0;
    ProcessSupport::environment(m_home->path());
    qputenv("XDG_RUNTIME_DIR", ProcessSupport::runtimeDirIn(m_home->path()).toLocal8Bit());
    const QString lockPath = SingleInstance::guardName();
    QVERIFY(lockPath.startsWith(ProcessSupport::runtimeDirIn(m_home->path())));

    const QByteArray ownPid = QByteArray::number(QCoreApplication::applicationPid());
    QLockFile taken(lockPath);
    taken.setStaleLockTime(0);
    QByteArray holderPid;
    QFile lock(lockPath);
    switch (Holder(holder)) {
    case Holder::WritingItsPid:
        // Taken and held open, but still empty, as in the moment before its holder writes its PID.
        QVERIFY(taken.tryLock(0));
        QVERIFY(lock.open(QIODevice::ReadWrite));
        holderPid = lock.readAll();
        QVERIFY(holderPid.startsWith(QByteArray(ownPid + '\n')));
        QVERIFY(lock.resize(0));
        break;
    case Holder::DiedTakingIt:
        QVERIFY(lock.open(QIODevice::WriteOnly));
        break;
    case Holder::AnotherProgram:
        QVERIFY(lock.open(QIODevice::WriteOnly));
        QVERIFY(lock.write(ownPid + "\ndorvane\n\n") > 0);
        break;
    }
    lock.close();

    QProcess *second = startProgram();
    QVERIFY(second->waitForStarted());
    if (Holder(holder) == Holder::AnotherProgram) {
        QTRY_VERIFY_WITH_TIMEOUT(TestSupport::storeText(file).contains("Message="), 10000);
        QCOMPARE(second->state(), QProcess::Running);
        QVERIFY(ProcessSupport::waitUntilCatching(second->processId(), SIGTERM));
        QCOMPARE(int(g_activationRequests), 0);
        return;
    }

    // It neither runs beside the holder nor gives up on it while the PID is still to come.
    QVERIFY(!second->waitForFinished(1500));
    QCOMPARE(TestSupport::storeText(file), kStoreWithoutMessage);
    QCOMPARE(int(g_activationRequests), 0);

    if (Holder(holder) == Holder::DiedTakingIt) {
        // Nobody holds the empty lock open: once the wait is over, it goes and this start runs.
        QTRY_VERIFY_WITH_TIMEOUT(TestSupport::storeText(file).contains("Message="), 20000);
        QCOMPARE(second->state(), QProcess::Running);
        QVERIFY(ProcessSupport::waitUntilCatching(second->processId(), SIGTERM));
        return;
    }

    QVERIFY(lock.open(QIODevice::WriteOnly | QIODevice::Append));
    QCOMPARE(lock.write(holderPid), holderPid.size());
    lock.close();
    QVERIFY(second->waitForFinished(10000));
    const QByteArray errors = second->readAllStandardError();
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QVERIFY2(second->exitCode() == 0, errors.constData());
    QVERIFY2(errors.contains("already running; showing its configuration window."), errors.constData());
    QTRY_COMPARE(int(g_activationRequests), 1);
    QCOMPARE(TestSupport::storeText(file), kStoreWithoutMessage);
#endif
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
