#include "nettime/TimeProtocol.h"

#include <cmath>
#include <limits>

std::optional<quint32> DecodeTimeReply(const QByteArray &reply)
{
    if (reply.size() != 4)
        return std::nullopt;
    const auto byte = [&reply](int i) { return quint32(quint8(reply[i])); };
    const quint32 count = byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3);
    if (count == 0)
        return std::nullopt;
    return count;
}

quint32 HalfRoundTrip(quint32 ticksBefore, quint32 ticksAfter)
{
    return quint32(ticksAfter - ticksBefore) / 2u;
}

qint64 ServerSecondsSince1900(quint32 count, qint64 pcSecondsSince1970)
{
    constexpr qint64 era = qint64(1) << 32;
    const qint64 pc = pcSecondsSince1970 + SecondsFrom1900To1970;
    // The era whose copy of the count lies within half an era of the PC clock.
    const qint64 offset = pc - qint64(count) + era / 2;
    const qint64 eras = offset >= 0 ? offset / era : -((-offset + era - 1) / era);
    return qint64(count) + eras * era;
}

TimeReading ReadServerTime(quint32 count, quint32 latencyMs, qint64 pcSecondsSince1970)
{
    TimeReading reading;
    reading.serverSince1900 = ServerSecondsSince1900(count, pcSecondsSince1970);
    reading.latencyMs = latencyMs;
    // Only whole seconds of latency count: none while the receive took under two seconds.
    reading.correctTime = reading.serverSince1900 - SecondsFrom1900To1970 + latencyMs / 1000u;
    const qint64 error = reading.correctTime - pcSecondsSince1970;
    constexpr qint64 low = std::numeric_limits<qint32>::min();
    constexpr qint64 high = std::numeric_limits<qint32>::max();
    reading.error = qint32(error < low ? low : error > high ? high : error);
    return reading;
}

void AddDriftSample(DriftStatistics &drift, qint32 error)
{
    if (drift.NumberOfHits < 0 || drift.NumberOfHits == std::numeric_limits<qint32>::max() ||
        !std::isfinite(drift.AvgTimeErr))
        drift = DriftStatistics{};
    drift.NumberOfHits += 1;
    // The previous figure is added unweighted: this is the program's own figure, not a mean.
    drift.AvgTimeErr = float((double(error) + double(drift.AvgTimeErr)) / drift.NumberOfHits);
}

NextServerStep NextServer(int selected, int count)
{
    if (selected < -1)
        selected = -1;
    if (selected + 1 < count)
        return {true, selected + 1};
    return {false, count > 0 ? 0 : -1};
}
