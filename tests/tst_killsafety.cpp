// Every edit whose handler has returned is on disk: killing the program at any moment loses none,
// and a termination signal ends it cleanly. The edits come from editdriver, which works the real
// window through its controls; this test kills it right after a randomly chosen acknowledgement.

#include "processsupport.h"
#include "scheduleloader.h"
#include "settingskeys.h"
#include "settingsstore.h"
#include "testsupport.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <map>
#include <optional>
#include <utility>

using namespace TestSupport;

#ifndef Q_OS_UNIX
// Windows has neither: a kill there is TerminateProcess, and the hang-up rows are skipped.
#define SIGHUP 1
#define SIGKILL 9
#endif

namespace {

const QString kMissing = QStringLiteral("<missing>");

using Values = std::map<QString, QString>;
using KeyText = std::pair<QString, QString>;

struct DriverRun {
    bool signalled = false;
    QProcess::ExitStatus exitStatus = QProcess::NormalExit;
    int exitCode = 0;
    QByteArray errors;
    /// Edits whose handler returned, in order.
    QList<KeyText> acknowledged;
    /// The edit that had begun but was not acknowledged when the process ended.
    std::optional<KeyText> unfinished;
};

// The store of the programs started with ProcessSupport::environment(configHome). On Windows that is
// this test's own registry key, the same for every home folder.
SettingsStore storeIn(const QString &configHome)
{
#ifdef Q_OS_WIN
    Q_UNUSED(configHome);
    return testStore();
#else
    return SettingsStore(ProcessSupport::storeFileIn(configHome));
#endif
}

// The store's raw content, to see that nothing was written at all.
QByteArray storeBytes(const QString &configHome)
{
    return storeText(ProcessSupport::storeFileIn(configHome));
}

// Rows that end the program by a Windows logoff rather than a signal.
constexpr int kLogoff = -1;
constexpr int kCancelledLogoff = -2;


Values storedValues(const QString &configHome)
{
    const SettingsStore store = storeIn(configHome);
    Values values;
    for (const SettingKey &key : allSettingKeys())
        values[key.name] = store.get(key.name, kMissing);
    return values;
}

// Every key present, so that the window's load writes nothing of its own.
void seedStore(const QString &configHome)
{
    SettingsStore store = storeIn(configHome);
    const QLocale locale;
    for (const SettingKey &key : allSettingKeys())
        QVERIFY(store.save(key.name, defaultText(key, locale)));
    QVERIFY(store.save(timeKey(Monday), timeText((7 * 60 + 30) / 1440.0, locale)));
    QVERIFY(store.save(workKey(Monday), workFlagText(WorkFlag::Checked)));
    QVERIFY(store.save(workKey(Friday), workFlagText(WorkFlag::Greyed)));
}

// "about N KEY=TEXT" or "edit N KEY=TEXT"; the text may hold anything but a line break.
std::optional<std::pair<QByteArray, KeyText>> parseLine(QByteArray line)
{
    if (!line.endsWith('\n'))
        return std::nullopt;
    line.chop(1);
    // Windows writes the driver's line ends as \r\n.
    if (line.endsWith('\r'))
        line.chop(1);
    const QString text = QString::fromUtf8(line);
    const qsizetype firstSpace = text.indexOf(u' ');
    const qsizetype secondSpace = text.indexOf(u' ', firstSpace + 1);
    const qsizetype equals = text.indexOf(u'=', secondSpace + 1);
    if (firstSpace < 0 || secondSpace < 0 || equals < 0)
        return std::nullopt;
    return std::make_pair(line.left(firstSpace),
                          KeyText{text.mid(secondSpace + 1, equals - secondSpace - 1), text.mid(equals + 1)});
}

// Starts the driver, sends signalNumber straight after the signalAfter-th acknowledgement has been
// read, and collects everything it said before it ended.
DriverRun runDriver(const QString &configHome, quint32 seed, int edits, int signalAfter, int signalNumber)
{
    DriverRun run;
    QProcess driver;
    driver.setProcessEnvironment(ProcessSupport::environment(configHome));
    driver.start(QStringLiteral(EDITDRIVER), {QString::number(seed), QString::number(edits)});
    if (!driver.waitForStarted())
        return run;

    QList<QByteArray> lines;
    int acknowledged = 0;
    while (acknowledged < signalAfter) {
        if (!driver.canReadLine() && !driver.waitForReadyRead(10000))
            break;
        while (acknowledged < signalAfter && driver.canReadLine()) {
            lines.append(driver.readLine());
            if (lines.constLast().startsWith("edit "))
                ++acknowledged;
        }
    }
    if (acknowledged == signalAfter) {
#ifdef Q_OS_UNIX
        ::kill(static_cast<pid_t>(driver.processId()), signalNumber);
#else
        Q_UNUSED(signalNumber);
        driver.kill();
#endif
        run.signalled = true;
    } else {
        driver.kill();
    }
    driver.waitForFinished(10000);
    while (driver.canReadLine())
        lines.append(driver.readLine());
    lines.append(driver.readAll()); // a cut-off last line, if any; it does not parse

    run.exitStatus = driver.exitStatus();
    run.exitCode = driver.exitCode();
    run.errors = driver.readAllStandardError();
    for (const QByteArray &line : std::as_const(lines)) {
        const auto parsed = parseLine(line);
        if (!parsed)
            continue;
        if (parsed->first == "about") {
            run.unfinished = parsed->second;
        } else if (parsed->first == "edit") {
            run.acknowledged.append(parsed->second);
            run.unfinished.reset();
        }
    }
    return run;
}

// What the store must hold after the run: every acknowledged edit, and for the edit that was cut
// short either its old or its new text.
QStringList lostEdits(Values expected, const DriverRun &run, const Values &stored)
{
    for (const auto &[key, text] : run.acknowledged)
        expected[key] = text;
    QStringList lost;
    for (const auto &[key, text] : expected) {
        const QString actual = stored.at(key);
        if (actual == text || (run.unfinished && run.unfinished->first == key && actual == run.unfinished->second))
            continue;
        lost.append(QStringLiteral("%1: stored \"%2\", acknowledged \"%3\"").arg(key, actual, text));
    }
    return lost;
}

} // namespace

class TestKillSafety : public QObject
{
    Q_OBJECT

private slots:
    void killAtAnyPointLosesNoAcknowledgedEdit();
    void terminationSignalEndsTheEditorCleanly_data();
    void terminationSignalEndsTheEditorCleanly();
    void terminationSignalEndsTheProgramCleanly_data();
    void terminationSignalEndsTheProgramCleanly();
};

void TestKillSafety::killAtAnyPointLosesNoAcknowledgedEdit()
{
    // Each chain of runs shares one store, so every run starts from what the last kill left.
    // Under Wine, where the Windows build's tests run, each start costs about fifteen times as much:
    // half the chains there keep the test command's time.
#ifdef Q_OS_WIN
    constexpr int kChains = 4;
#else
    constexpr int kChains = 8;
#endif
    constexpr int kRunsPerChain = 26;
    QRandomGenerator rng(20261205);
    int kills = 0;
    QStringList lost;
    for (int chain = 0; chain < kChains; ++chain) {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        seedStore(home.path());
        Values expected = storedValues(home.path());
        for (int i = 0; i < kRunsPerChain; ++i) {
            const int edits = 2 + static_cast<int>(rng.bounded(6u));
            const int killAfter = 1 + static_cast<int>(rng.bounded(static_cast<quint32>(edits)));
            const DriverRun run = runDriver(home.path(), rng.generate(), edits, killAfter, SIGKILL);
            QVERIFY2(run.signalled, run.errors.constData());
            QCOMPARE(run.exitStatus, QProcess::CrashExit);
            ++kills;

            const Values stored = storedValues(home.path());
            for (const QString &edit : lostEdits(expected, run, stored))
                lost.append(QStringLiteral("chain %1 run %2 %3").arg(chain).arg(i).arg(edit));
            // The file the kill left behind loads without a single fallback.
            SettingsStore store = storeIn(home.path());
            QCOMPARE(loadSettings(store).warnings, QStringList());
            expected = stored;
        }
    }
    QVERIFY2(lost.isEmpty(), qPrintable(lost.join(u'\n')));
    QCOMPARE(kills, kChains * kRunsPerChain);
}

void TestKillSafety::terminationSignalEndsTheEditorCleanly_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM (logout, kill) between edits exits 0 with every edit kept") << int(SIGTERM);
    QTest::newRow("SIGINT (Ctrl+C) between edits exits 0 with every edit kept") << int(SIGINT);
    QTest::newRow("SIGHUP (closed terminal) between edits exits 0 with every edit kept") << int(SIGHUP);
}

void TestKillSafety::terminationSignalEndsTheEditorCleanly()
{
#ifndef Q_OS_UNIX
    QSKIP("Windows has no termination signals; a logoff there is tested with the program");
#endif
    QFETCH(int, signalNumber);
    QRandomGenerator rng(static_cast<quint32>(signalNumber));
    QTemporaryDir home;
    seedStore(home.path());
    Values expected = storedValues(home.path());
    for (int i = 0; i < 4; ++i) {
        const int edits = 3 + static_cast<int>(rng.bounded(5u));
        const int signalAfter = 1 + static_cast<int>(rng.bounded(static_cast<quint32>(edits)));
        const DriverRun run = runDriver(home.path(), rng.generate(), edits, signalAfter, signalNumber);
        QVERIFY2(run.signalled, run.errors.constData());
        QCOMPARE(run.exitStatus, QProcess::NormalExit);
        QCOMPARE(run.exitCode, 0);
        const Values stored = storedValues(home.path());
        const QStringList lost = lostEdits(expected, run, stored);
        QVERIFY2(lost.isEmpty(), qPrintable(lost.join(u'\n')));
        expected = stored;
    }
}

void TestKillSafety::terminationSignalEndsTheProgramCleanly_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<bool>("firstStart");
    QTest::newRow("SIGTERM exits 0 and leaves the store as it was") << int(SIGTERM) << false;
    QTest::newRow("SIGINT exits 0 and leaves the store as it was") << int(SIGINT) << false;
    QTest::newRow("SIGHUP exits 0 and leaves the store as it was") << int(SIGHUP) << false;
    QTest::newRow("SIGTERM on a first start keeps the message written at load") << int(SIGTERM) << true;
    QTest::newRow("a Windows logoff exits 0 and leaves the store as it was") << kLogoff << false;
    QTest::newRow("a cancelled Windows logoff leaves the program running") << kCancelledLogoff << false;
    QTest::newRow("a Windows logoff on a first start keeps the message written at load") << kLogoff << true;
}

void TestKillSafety::terminationSignalEndsTheProgramCleanly()
{
    QFETCH(int, signalNumber);
    QFETCH(bool, firstStart);
    const bool logoff = signalNumber == kLogoff || signalNumber == kCancelledLogoff;
#ifdef Q_OS_UNIX
    if (logoff)
        QSKIP("Windows session messages; a logout here sends SIGTERM");
#else
    if (!logoff)
        QSKIP("Windows has no termination signals");
#endif
    QTemporaryDir home;
    if (firstStart)
        clearStore();
    else
        seedStore(home.path());
    const Values before = storedValues(home.path());
    const QByteArray bytesBefore = storeBytes(home.path());

    QProcess program;
    QProcessEnvironment env = ProcessSupport::environment(home.path());
#ifdef Q_OS_WIN
    // Only windows of the system's own get the session messages.
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("windows"));
#endif
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(DORVANE_EXE), {});
    QVERIFY(program.waitForStarted());
#ifdef Q_OS_UNIX
    QVERIFY(ProcessSupport::waitUntilCatching(program.processId(), signalNumber));
    ::kill(static_cast<pid_t>(program.processId()), signalNumber);
#else
    // The configuration window is shown once the store has been loaded.
    QTRY_VERIFY_WITH_TIMEOUT(!ProcessSupport::topLevelWindows(program.processId(), true).empty(), 20000);
    if (signalNumber == kCancelledLogoff) {
        QVERIFY(ProcessSupport::endSession(program.processId(), false));
        // Asked whether the session may end, it must not end before the session does: its window
        // stays, and it answers the next logoff.
        QVERIFY2(!program.waitForFinished(2000), program.readAllStandardError().constData());
        QVERIFY(!ProcessSupport::topLevelWindows(program.processId(), true).empty());
    }
    QVERIFY(ProcessSupport::endSession(program.processId(), true));
#endif
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);

    const Values after = storedValues(home.path());
    if (firstStart) {
        QCOMPARE(after.at(kMessageKey), kDefaultMessage);
    } else {
        QVERIFY(after == before);
        // Nothing is written at shutdown, not even the same texts again.
        QCOMPARE(storeBytes(home.path()), bytesBefore);
    }
}

QTEST_GUILESS_MAIN(TestKillSafety)
#include "tst_killsafety.moc"
