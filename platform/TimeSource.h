#pragma once

#include <QDateTime>
#include <QtGlobal>

// One sample of the PC's clocks, taken at one instant.
struct ClockReading {
    QDateTime local; // wall-clock date and time in the PC's zone; read date() and time()
    QDateTime utc;   // the same instant in UTC
};

// Every reading of "now" goes through this interface, so that tests can drive ticks,
// transitions and the stopwatch at chosen instants without sleeping.
class TimeSource
{
public:
    virtual ~TimeSource() = default;

    virtual ClockReading now() const = 0;

    // Milliseconds since an arbitrary start; 32 bits, wrapping after about 49.7 days.
    // Differences are taken modulo 2^32.
    virtual quint32 tickCount() const = 0;

    QDateTime localNow() const { return now().local; }
    QDateTime utcNow() const { return now().utc; }
};

// The real clocks of this machine.
class SystemTimeSource final : public TimeSource
{
public:
    ClockReading now() const override;
    quint32 tickCount() const override;
};
