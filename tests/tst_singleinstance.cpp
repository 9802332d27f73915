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

bool writeStore(const QString &file, const QByteArray &bytes)
{
    QFile store(file);
    return store.open(QIODevice::WriteOnly | QIODevice::Truncate) && store.write(bytes) == bytes.size();
}

QByteArray readStore(const QString &file)
{
    QFile store(file);
    return store.open(QIODevice::ReadOnly) ? store.readAll() : QByteArray();
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
        process->terminate();
        if (!process->waitForFinished(10000))
            process->kill();
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
            // Its socket is left behind with nobody answering on it.
            const QDir runtimeDir(ProcessSupport::runtimeDirIn(m_home->path()));
            QVERIFY(!runtimeDir.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).isEmpty());
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
    QCOMPARE(QFileInfo(file).lastModified(), modified);

    QCOMPARE(running->state(), QProcess::Running);
    QVERIFY(ProcessSupport::waitUntilCatching(running->processId(), SIGTERM));
    running->terminate();
    QVERIFY(running->waitForFinished(10000));
    QCOMPARE(running->exitStatus(), QProcess::NormalExit);
    QCOMPARE(running->exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
