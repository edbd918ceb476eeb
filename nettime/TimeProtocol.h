#pragma once

#include "nettime/DriftStatistics.h"

#include <QByteArray>
#include <QtGlobal>
#include <optional>

// The arithmetic of one Time Protocol exchange: what the server's four bytes mean, how the
// round trip corrects them, how far off the PC clock was, and which server comes next.

// Seconds from 1900-01-01 00:00:00 to 1970-01-01 00:00:00 UTC (25567 days).
inline constexpr qint64 SecondsFrom1900To1970 = 2208988800LL;

// The server's count of seconds since 1900, when the reply counts: exactly four bytes,
// most significant first, not all zero.
std::optional<quint32> DecodeTimeReply(const QByteArray &reply);

// Half the time the receive took, from two readings of the wrapping millisecond counter.
quint32 HalfRoundTrip(quint32 ticksBefore, quint32 ticksAfter);

// The server's count as a full instant in seconds since 1900. The 32-bit count wraps on
// 7 February 2036, so it is read in the era that lies nearest the PC clock.
qint64 ServerSecondsSince1900(quint32 count, qint64 pcSecondsSince1970);

// What one successful reply says, worked out against the PC clock read just after it.
struct TimeReading {
    qint64 serverSince1900 = 0; // the reply as a full instant, without the latency
    qint64 correctTime = 0;     // seconds since 1970 UTC: the reply plus whole seconds of latency
    qint32 error = 0;           // correctTime - PC clock; positive when the PC was behind
    quint32 latencyMs = 0;      // half the round trip of the receive
};
TimeReading ReadServerTime(quint32 count, quint32 latencyMs, qint64 pcSecondsSince1970);

// Adds one error to the drift figure: one more hit, then (error + previous figure) / hits.
// Statistics that cannot be divided by (a stored count below zero, the count at its limit,
// a figure that is not a number) start afresh first.
void AddDriftSample(DriftStatistics &drift, qint32 error);

// After a failed server: the entry to try next, or none when the exchange gives up. The
// selection to leave behind is `select` either way (-1 for none).
struct NextServerStep {
    bool tryNext = false;
    int select = -1;
};
NextServerStep NextServer(int selected, int count);
