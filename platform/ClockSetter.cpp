#include "platform/ClockSetter.h"

#include "platform/ClockSetterTimedated.h"

#include <ctime>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace
{
// Sets CLOCK_REALTIME itself. Only MakeSystemClockSetter makes one, and only for a process
// that holds the right; nothing else can reach it.
class SystemClockSetter final : public ClockSetter
{
public:
    void setClock(qint64 secondsSince1970) override
    {
        const timespec instant{time_t(secondsSince1970), 0};
        clock_settime(CLOCK_REALTIME, &instant); // a refusal changes nothing and is not shown
    }
};
} // namespace

bool ProcessMaySetClock()
{
    __user_cap_header_struct header{};
    header.version = _LINUX_CAPABILITY_VERSION_3;
    header.pid = 0; // this process
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    if (syscall(SYS_capget, &header, data) != 0)
        return false;
    const unsigned index = CAP_TO_INDEX(CAP_SYS_TIME);
    return (data[index].effective & CAP_TO_MASK(CAP_SYS_TIME)) != 0;
}

std::unique_ptr<ClockSetter> MakeSystemClockSetter()
{
    if (ProcessMaySetClock())
        return std::make_unique<SystemClockSetter>();
    return std::make_unique<TimedatedClockSetter>(QDBusConnection::systemBus());
}
