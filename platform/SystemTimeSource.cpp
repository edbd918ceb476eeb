#include "platform/TimeSource.h"

#include <ctime>

ClockReading SystemTimeSource::now() const
{
    // One read of the clock serves both views, so local and UTC never straddle a second.
    const QDateTime utc = QDateTime::currentDateTimeUtc();
    return {utc.toLocalTime(), utc};
}

quint32 SystemTimeSource::tickCount() const
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    const quint64 ms = quint64(ts.tv_sec) * 1000u + quint64(ts.tv_nsec) / 1000000u;
    return quint32(ms); // wraps like the 32-bit counter it stands for
}
