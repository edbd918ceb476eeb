#pragma once

#include "platform/TimeSource.h"

// A clock that shows whatever the test sets. Local and UTC are set apart, so a test can
// put the PC in any zone without touching the machine's.
class FakeTimeSource final : public TimeSource
{
public:
    ClockReading now() const override { return {local, utc}; }
    quint32 tickCount() const override { return ticks; }

    // Sets the PC's local wall clock and UTC, `offsetSeconds` apart (local = UTC + offset).
    void setLocal(QDate date, QTime time, int offsetSeconds = 0)
    {
        local = QDateTime(date, time, Qt::UTC);
        utc = local.addSecs(-offsetSeconds);
    }
    // Moves every clock forward.
    void advance(qint64 ms)
    {
        local = local.addMSecs(ms);
        utc = utc.addMSecs(ms);
        ticks += quint32(ms);
    }

    QDateTime local = QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC);
    QDateTime utc = QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC);
    quint32 ticks = 0;
};
