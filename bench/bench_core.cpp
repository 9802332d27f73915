// Prints the cost of one alarm check and the latency of one durable save.

#include "alarmcheck.h"
#include "settingskeys.h"
#include "settingsstore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

double percentile(std::vector<double> samples, double p)
{
    std::sort(samples.begin(), samples.end());
    const auto index = static_cast<size_t>(p * static_cast<double>(samples.size() - 1) + 0.5);
    return samples[index];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);

    WeekSchedule schedule;
    for (int day = Sunday; day <= Saturday; ++day)
        schedule[day] = {WorkFlag::Checked, (7.0 * 60 + 5) / 1440.0};
    const QDateTime start(QDate(2026, 12, 5), QTime(0, 0), Qt::UTC);
    constexpr int kChecks = 1'000'000;
    int due = 0;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kChecks; ++i)
        due += alarmDue(start.addSecs(i % 604800), schedule).has_value() ? 1 : 0;
    const double nsPerCheck = static_cast<double>(timer.nsecsElapsed()) / kChecks;
    out << "alarm check: " << Qt::fixed << qSetRealNumberPrecision(1) << nsPerCheck << " ns per call ("
        << due << " due of " << kChecks << ")\n";

    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("Dorvane.conf")));
    for (int day = Sunday; day <= Saturday; ++day)
        store.save(timeKey(day), QStringLiteral("7:05:00 AM"));
    constexpr int kSaves = 500;
    std::vector<double> latencies;
    latencies.reserve(kSaves);
    QString message;
    int failed = 0;
    for (int i = 0; i < kSaves; ++i) {
        message += QLatin1Char(static_cast<char>('a' + i % 26));
        timer.restart();
        failed += store.save(kMessageKey, message) ? 0 : 1;
        latencies.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    out << "durable save (" << kSaves << " keystrokes): median " << qSetRealNumberPrecision(3)
        << percentile(latencies, 0.5) << " ms, p99 " << percentile(latencies, 0.99) << " ms, failed "
        << failed << "\n";
    return failed == 0 ? 0 : 1;
}
