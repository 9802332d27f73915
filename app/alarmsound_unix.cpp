#include "alarmsound_p.h"

#include <QLibrary>

#include <cstdint>
#include <type_traits>

struct ca_context;

namespace {

// libcanberra, resolved at run time so that a program that never rings does not load it, and one
// without it still alerts.
class CanberraPlayer final : public AlarmSound::Player
{
public:
    ~CanberraPlayer() override { stop(); }

    bool loops() const override { return false; }

    bool play(QString &why) override
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

    bool playing() const override
    {
        int now = 0;
        return m_context && m_playing(m_context, kId, &now) == 0 && now != 0;
    }

    // The context goes with the sound: its connection to the sound server and that connection's
    // thread are not kept between alerts.
    void stop() override
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

} // namespace

std::unique_ptr<AlarmSound::Player> AlarmSound::Player::create()
{
    return std::make_unique<CanberraPlayer>();
}
