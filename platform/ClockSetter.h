#pragma once

#include <QtGlobal>
#include <memory>

// Sets the PC clock after a successful synchronisation. Called from the synchronisation's
// worker thread, so implementations must be safe to call from any thread.
class ClockSetter
{
public:
    virtual ~ClockSetter() = default;

    // Sets the clock to this instant, whole seconds with 0 ms. A refusal (no right to set
    // the clock, the time service declining) is silent: the caller learns nothing of it.
    virtual void setClock(qint64 secondsSince1970) = 0;
};

// Whether this process may set the clock itself (root, or the CAP_SYS_TIME capability).
bool ProcessMaySetClock();

// The program's setter: the clock directly when the process may set it, otherwise the
// desktop's time service on the system bus, which asks the user for authorisation.
std::unique_ptr<ClockSetter> MakeSystemClockSetter();
