#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

/// The alert's sound, repeated until it is stopped, for at most a minute. On Linux it is the
/// freedesktop sound theme's "alarm-clock-elapsed" through libcanberra, which is loaded only when
/// a sound is first played; on Windows Media\Alarm01.wav, or else the "SystemNotification" sound.
/// Where nothing can play, the alert goes on silent and a dorvane.sound warning says why, once a run.
class AlarmSound : public QObject
{
    Q_OBJECT
public:
    explicit AlarmSound(QObject *parent = nullptr);
    ~AlarmSound() override;

    /// True from start() until stop() or the end of its minute; false where the sound could not play.
    bool isPlaying() const { return m_playing; }

public slots:
    /// Starts the sound; while it is already playing, leaves it as it is.
    void start();
    /// Silences it at once.
    void stop();

public:
    /// The platform's part, public only so that each platform's file can derive from it.
    class Player;

private:
    void replayIfDone();
    void tell(const QString &why);

    std::unique_ptr<Player> m_player;
    QTimer m_limit;
    QTimer m_repeat;
    bool m_playing = false;
    bool m_told = false;
};
