#include "fuzz_settings.h"

#include "olecolor.h"
#include "oledate.h"
#include "scheduleloader.h"
#include "settingskeys.h"
#include "settingsstore.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

const QList<QLocale> &locales()
{
    static const QList<QLocale> all = {QLocale(QLocale::English, QLocale::UnitedStates),
                                       QLocale(QLocale::German, QLocale::Germany),
                                       QLocale(QLocale::Korean, QLocale::SouthKorea), QLocale::c()};
    return all;
}

void checkConversions(const QString &text)
{
    const SettingKey &flag = setting(Key::WorkSunday);
    const SettingKey &colour = setting(Key::FontColor);
    const SettingKey &time = setting(Key::SundayTime);
    for (const QLocale &locale : locales()) {
        Settings read;
        if (flag.read(read, text, locale))
            check(read.schedule[Sunday].workFlag >= WorkFlag::Unchecked
                      && read.schedule[Sunday].workFlag <= WorkFlag::Greyed,
                  "work flag in 0..2");
        if (colour.read(read, text, locale))
            check(OleColor::isValid(read.display.fontColor), "colour is showable");
        if (time.read(read, text, locale)) {
            check(OleDate::toDateTime(read.schedule[Sunday].alertTime).isValid(), "time is in the pickers' range");
            // What is loaded is written back by the next edit: it must read back the same.
            Settings back;
            check(time.read(back, time.write(read, locale), locale)
                      && back.schedule[Sunday].alertTime == read.schedule[Sunday].alertTime,
                  "time text round trip");
        }
    }
}

void checkLoaded(const LoadedSettings &loaded)
{
    for (int day = Sunday; day <= Saturday; ++day) {
        check(loaded.schedule[day].workFlag >= 0 && loaded.schedule[day].workFlag <= 2, "loaded flag");
        check(OleDate::toDateTime(loaded.schedule[day].alertTime).isValid(), "loaded time");
    }
    check(OleColor::isValid(loaded.display.fontColor), "loaded font colour");
    check(OleColor::isValid(loaded.display.backColor), "loaded background colour");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Every bad text warns; thousands of warnings would only slow the run down.
    static const auto quiet = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &msg) {
        if (type != QtWarningMsg && type != QtDebugMsg && type != QtInfoMsg)
            std::fprintf(stderr, "%s\n", qPrintable(msg));
    });
    Q_UNUSED(quiet);
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("Dorvane.conf"));
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    checkConversions(QString::fromUtf8(bytes));
    checkConversions(QString::fromLatin1(bytes));

    // The input as a whole settings file, hand-written.
    {
        QFile file(path);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "write the file");
        file.write(bytes);
    }
    SettingsStore store(path);
    SettingsSaver saver(store);
    checkLoaded(loadSettings(saver));

    // The input as the text of every key, written the way the store writes (one sync for speed).
    QFile::remove(path);
    const QString text = QString::fromUtf8(bytes);
    {
        QSettings writer(path, QSettings::IniFormat);
        writer.beginGroup(QStringLiteral("Options"));
        for (const SettingKey &key : allSettingKeys())
            writer.setValue(key.name, text);
    }
    const LoadedSettings loaded = loadSettings(saver);
    checkLoaded(loaded);
    if (store.get(kMessageKey, QString()) == text)
        check(loaded.display.messageTemplate == text, "message taken as it stands");
    return 0;
}
