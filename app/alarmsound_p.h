#pragma once

#include "alarmsound.h"

#include <QString>

#include <memory>

// One per platform, each in a file of its own that the build picks; AlarmSound holds what they share.
class AlarmSound::Player
{
public:
    static std::unique_ptr<Player> create();
    virtual ~Player() = default;

    /// True when the player goes on by itself until stopped, so that it needs no replaying.
    virtual bool loops() const = 0;
    /// On failure, why says so in a sentence.
    virtual bool play(QString &why) = 0;
    virtual bool playing() const = 0;
    virtual void stop() = 0;
};
