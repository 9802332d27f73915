#include "alarmsound.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <cstdint>
#include <cstdio>
#include <type_traits>

#ifdef Q_OS_WIN
#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>
#endif

namespace {
constexpr int kLimitMilliseconds = 60000;
// How soon a sound that has ended is played again: a short gap, and a few wake-ups only while it rings.
constexpr int kRepeatMilliseconds = 250;
} // namespace

#if defined(Q_OS_WIN)

// PlaySound loops by itself and goes on in the background until told to stop.
class AlarmSound::Player
{
public:
    static constexpr bool kLoops = true;

    bool play(QString &why)
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
    bool playing() const { return true; }
    void stop() { PlaySoundW(nullptr, nullptr, 0); }
};

#elif defined(Q_OS_UNIX)

struct ca_context;

// libcanberra, resolved at run time so that a program that never rings does not load it, and one
// without it still alerts.
class AlarmSound::Player
{
public:
    static constexpr bool kLoops = false;

    ~Player() { stop(); }

    bool play(QString &why)
    {
        if (!load(why))
            return false;
        if (!m_context) {
            if (const int error = m_create(&m_context); error != 0) {
                m_context = nullptr;
                why = QStringLiteral("libcanberra cannot start: %1.").arg(QString::fromUtf8(m_strerror(error)));
                return false;
            }
        }
        // The stream is made afresh each time, so that cancelling it ends it at once; a cached sample
        // can play on in the sound server.
        const int error = m_play(m_context, kId, "event.id", "alarm-clock-elapsed", "event.description",
                                 "Dorvane's alert", "media.role", "alarm", "application.name", "Dorvane",
                                 "canberra.cache-control", "never", static_cast<const char *>(nullptr));
        if (error == 0)
            return true;
        why = QStringLiteral("the sound theme's \"alarm-clock-elapsed\" does not play: %1")
                  .arg(QString::fromUtf8(m_strerror(error)));
        if (error == kNotFound)
            why += QStringLiteral(" (is sound-theme-freedesktop installed?)");
        else if (error == kNoDriver || error == kNotAvailable)
            why += QStringLiteral(" (is libcanberra-pulse installed, and a sound server running?)");
        why += u'.';
        return false;
    }

    bool playing() const
    {
        int now = 0;
        return m_context && m_playing(m_context, kId, &now) == 0 && now != 0;
    }

    // The context goes with the sound: its connection to the sound server and that connection's
    // thread are not kept between alerts.
    void stop()
    {
        if (!m_context)
            return;
        m_cancel(m_context, kId);
        m_destroy(m_context);
        m_context = nullptr;
    }

private:
    using Context = ca_context;
    using Create = int (*)(Context **);
    using Destroy = int (*)(Context *);
    using Play = int (*)(Context *, std::uint32_t, ...);
    using Cancel = int (*)(Context *, std::uint32_t);
    using Playing = int (*)(Context *, std::uint32_t, int *);
    using Strerror = const char *(*)(int);
    static constexpr std::uint32_t kId = 1;
    // libcanberra's CA_ERROR_NODRIVER, CA_ERROR_NOTFOUND and CA_ERROR_NOTAVAILABLE.
    static constexpr int kNoDriver = -5;
    static constexpr int kNotFound = -9;
    static constexpr int kNotAvailable = -12;

    bool load(QString &why)
    {
        if (m_strerror)
            return true;
        if (!m_library.load()) {
            why = QStringLiteral("libcanberra.so.0 cannot be loaded (is libcanberra0 installed?): %1.")
                      .arg(m_library.errorString());
            return false;
        }
        const auto resolve = [&](auto &function, const char *name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(m_library.resolve(name));
            if (!function && why.isEmpty())
                why = QStringLiteral("libcanberra.so.0 has no %1.").arg(QLatin1String(name));
        };
        Strerror describe = nullptr;
        resolve(m_create, "ca_context_create");
        resolve(m_destroy, "ca_context_destroy");
        resolve(m_play, "ca_context_play");
        resolve(m_cancel, "ca_context_cancel");
        resolve(m_playing, "ca_context_playing");
        resolve(describe, "ca_strerror");
        if (!why.isEmpty())
            return false;
        m_strerror = describe;
        return true;
    }

    QLibrary m_library { QStringLiteral("libcanberra.so.0") };
    Create m_create = nullptr;
    Destroy m_destroy = nullptr;
    Play m_play = nullptr;
    Cancel m_cancel = nullptr;
    Playing m_playing = nullptr;
    // Set once everything resolved.
    Strerror m_strerror = nullptr;
    Context *m_context = nullptr;
};

#else

class AlarmSound::Player
{
public:
    static constexpr bool kLoops = true;

    bool play(QString &why)
    {
        why = QStringLiteral("Dorvane plays no sound on this system.");
        return false;
    }
    bool playing() const { return false; }
    void stop() { }
};

#endif

AlarmSound::AlarmSound(QObject *parent)
    : QObject(parent)
    , m_player(std::make_unique<Player>())
    , m_limit(this)
    , m_repeat(this)
{
    m_limit.setSingleShot(true);
    m_limit.setInterval(kLimitMilliseconds);
    connect(&m_limit, &QTimer::timeout, this, &AlarmSound::stop);
    m_repeat.setInterval(kRepeatMilliseconds);
    connect(&m_repeat, &QTimer::timeout, this, &AlarmSound::replayIfDone);
}

AlarmSound::~AlarmSound()
{
    stop();
}

void AlarmSound::start()
{
    if (m_playing)
        return;
    QString why;
    if (!m_player->play(why)) {
        m_player->stop();
        tell(why);
        return;
    }
    m_playing = true;
    m_limit.start();
    if (!Player::kLoops)
        m_repeat.start();
}

void AlarmSound::stop()
{
    m_limit.stop();
    m_repeat.stop();
    m_playing = false;
    m_player->stop();
}

void AlarmSound::replayIfDone()
{
    if (m_player->playing())
        return;
    QString why;
    if (!m_player->play(why)) {
        tell(why);
        stop();
    }
}

void AlarmSound::tell(const QString &why)
{
    if (m_told)
        return;
    m_told = true;
    std::fprintf(stderr, "dorvane: no alert sound: %s\n", qUtf8Printable(why));
}
