#include "timezones/TransitionDate.h"

WallTime TransitionDate(const SystemTime &rule, int year)
{
    const int month = rule.wMonth;
    const int week = rule.wDay;
    if (month < 1 || month > 12 || week == 0)
        return WallTime::empty();
    const QDate first(year, month, 1);
    if (!first.isValid())
        return WallTime::empty();

    // QDate counts Monday as 1 and Sunday as 7, so dayOfWeek() % 7 is the days since Sunday.
    if (week < 5) {
        const int toFirstSunday = (7 - first.dayOfWeek() % 7) % 7;
        return WallTime::of(first.addDays(toFirstSunday + 7 * (week - 1)));
    }
    const QDate last(year, month, first.daysInMonth());
    return WallTime::of(last.addDays(-(last.dayOfWeek() % 7)));
}
