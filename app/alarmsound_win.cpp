#include "alarmsound_p.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>

namespace {

// PlaySound loops by itself and goes on in the background until told to stop.
class WindowsPlayer final : public AlarmSound::Player
{
public:
    bool loops() const override { return true; }

    bool play(QString &why) override
    {
        const QString windows = qEnvironmentVariable("WINDIR");
        const QString file = QDir(windows).filePath(QStringLiteral("Media/Alarm01.wav"));
        if (!windows.isEmpty() && QFileInfo::exists(file)
            && PlaySoundW(QDir::toNativeSeparators(file).toStdWString().c_str(), nullptr,
                          SND_FILENAME | SND_ASYNC | SND_LOOP | SND_NODEFAULT))
            return true;
        if (PlaySoundW(L"SystemNotification", nullptr, SND_ALIAS | SND_ASYNC | SND_LOOP))
            return true;
        why = QStringLiteral("Windows plays neither %1 nor the \"SystemNotification\" sound.")
                  .arg(QDir::toNativeSeparators(file));
        return false;
    }
    bool playing() const override { return true; }
    void stop() override { PlaySoundW(nullptr, nullptr, 0); }
};

} // namespace

std::unique_ptr<AlarmSound::Player> AlarmSound::Player::create()
{
    return std::make_unique<WindowsPlayer>();
}
