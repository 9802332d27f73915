#include "alarmsound.h"

#include "alarmsound_p.h"
#include "logging.h"

namespace {
constexpr int kLimitMilliseconds = 60000;
// How soon a sound that has ended is played again: a short gap, and a few wake-ups only while it rings.
constexpr int kRepeatMilliseconds = 250;
} // namespace

AlarmSound::AlarmSound(QObject *parent)
    : QObject(parent)
    , m_player(Player::create())
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
    if (!m_player->loops())
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
    qCWarning(lcSound).noquote() << "no alert sound:" << why;
}
