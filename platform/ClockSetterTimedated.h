#pragma once

#include "platform/ClockSetter.h"

#include <QDBusConnection>

// Sets the clock through the system's time service (org.freedesktop.timedate1 SetTime),
// so the program itself never needs the right to. The request is interactive, so the
// desktop may ask the user for authorisation; the call is sent without waiting for the
// answer, which keeps the exchange from stalling while the user decides.
class TimedatedClockSetter final : public ClockSetter
{
public:
    explicit TimedatedClockSetter(const QDBusConnection &bus);
    void setClock(qint64 secondsSince1970) override;

private:
    QDBusConnection m_bus;
};
