#pragma once

#include <QDateTime>

/// The source of "now" for everything that reads the clock, so that tests can hand in their own.
class Clock
{
public:
    virtual ~Clock();
    /// The local date and time.
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override;
};
