// Writes every key of the user's store many times, each text tagged with this copy's name.
// Usage: storewriter NAME ROUNDS

#include "settingskeys.h"
#include "settingsstore.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 2;
    const QString name = args.at(1);
    const int rounds = args.at(2).toInt();
    SettingsStore store = SettingsStore::native(qEnvironmentVariable(SettingsStore::kRegistryKeyVariable));
    int failed = 0;
    for (int round = 0; round < rounds; ++round) {
        for (const SettingKey &key : allSettingKeys())
            failed += store.save(key.name, name + u' ' + QString::number(round)) ? 0 : 1;
    }
    QTextStream(stdout) << failed << " failed\n";
    return failed == 0 ? 0 : 1;
}
