// One copy per user and session: a second start hands over to the copy that runs and leaves
// without touching the store, and a copy that was killed does not stand in the way of the next.

#include "processsupport.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
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

QByteArray readStore(const QString &file)
{
#ifdef Q_OS_WIN
    Q_UNUSED(file);
    return TestSupport::registryText();
#else
    QFile store(file);
    return store.open(QIODevice::ReadOnly) ? store.readAll() : QByteArray();
#endif
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void secondStartHandsOver_data();
    void secondStartHandsOver();

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
            // Its socket is left behind with nobody answering on it (a Windows pipe goes with its process).
            const QDir runtimeDir(ProcessSupport::runtimeDirIn(m_home->path()));
            QVERIFY(!runtimeDir.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).isEmpty());
#endif
        }
        QVERIFY(writeStore(file, kStoreWithoutMessage));
        running = startProgram();
        QVERIFY(running->waitForStarted());
        // Its load writes the missing message, after it began to listen and before its event loop.
        QTRY_VERIFY_WITH_TIMEOUT(readStore(file).contains("Message="), 10000);
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
    // The running copy hangs up only once it has acted on the request.
    QVERIFY2(errors.contains("already running; showing its configuration window."), errors.constData());
    // Offscreen has no tray, which a copy that got as far as its icon would have said.
    QVERIFY2(!errors.contains("notification area"), errors.constData());
    QCOMPARE(readStore(file), kStoreWithoutMessage);
#ifdef Q_OS_UNIX
    QCOMPARE(QFileInfo(file).lastModified(), modified);
#else
    Q_UNUSED(modified);
#endif

    QCOMPARE(running->state(), QProcess::Running);
#ifdef Q_OS_UNIX
    QVERIFY(ProcessSupport::waitUntilCatching(running->processId(), SIGTERM));
    running->terminate();
    QVERIFY(running->waitForFinished(10000));
    QCOMPARE(running->exitStatus(), QProcess::NormalExit);
    QCOMPARE(running->exitCode(), 0);
#endif
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
