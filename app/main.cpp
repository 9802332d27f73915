#include "clock.h"
#include "dorvane.h"
#include "settingsstore.h"
#include "singleinstance.h"
#include "translation.h"
#include "unixsignals.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Each line names its area ("dorvane.tray: ..."); Qt's own lines keep theirs.
    qSetMessagePattern(QStringLiteral("%{if-category}%{category}: %{endif}%{message}"));
    QApplication::setApplicationName(QStringLiteral("Dorvane"));
    QApplication::setOrganizationName(QStringLiteral("Dorvane"));
    QApplication::setApplicationVersion(QStringLiteral(DORVANE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("dorvane"));
    // The configuration window is hidden far more often than it is shown.
    QApplication::setQuitOnLastWindowClosed(false);

    // Its handlers first: a later start signals the copy that holds the guard, and that signal
    // must never find this copy without them.
    UnixSignals unixSignals;
    // A test gives a copy a registry store of its own on Windows, as XDG_CONFIG_HOME does elsewhere.
    const QString storeKey = qEnvironmentVariable(SettingsStore::kRegistryKeyVariable);
    // Before the store is read or an icon shown: a second copy only hands over and leaves.
    SingleInstance instance(storeKey);
    if (const auto outcome = instance.start(unixSignals); outcome != SingleInstance::Outcome::First)
        return outcome == SingleInstance::Outcome::HandedOver ? 0 : 1;

    // Before any window is built or a default written: every text in the user's language.
    Translation translation;
    translation.use(Translation::choose(QLocale().uiLanguages()));

    SettingsStore store = SettingsStore::native(storeKey);
    SystemClock clock;
    Dorvane dorvane(store, clock, &unixSignals, &instance);
    QObject::connect(&dorvane, &Dorvane::quitRequested, &app, [] { QCoreApplication::exit(0); });
    dorvane.start();
    return QApplication::exec();
}
