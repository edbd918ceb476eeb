#include "shell/WallTime.h"

namespace {
const QDate epoch(1899, 12, 30);
constexpr qint64 msPerDay = 24LL * 60 * 60 * 1000;
} // namespace

WallTime WallTime::of(QDate date, QTime time)
{
    if (!date.isValid())
        return empty();
    const qint64 msOfDay = time.isValid() ? time.msecsSinceStartOfDay() : 0;
    return {epoch.daysTo(date) * msPerDay + msOfDay};
}

QDate WallTime::date() const
{
    qint64 days = ms / msPerDay;
    if (ms < 0 && ms % msPerDay != 0)
        --days;
    return epoch.addDays(days);
}
