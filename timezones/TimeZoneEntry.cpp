#include "timezones/TimeZoneEntry.h"

#include "timezones/TransitionDate.h"

void TTimeZoneEntry::SetTransitionYear(int year)
{
    DaylightStart = TransitionDate(Tzi.DaylightDate, year);
    StandardStart = TransitionDate(Tzi.StandardDate, year);
    DaylightAcrossNewYear =
        !DaylightStart.isEmpty() && !StandardStart.isEmpty() && StandardStart < DaylightStart;
}

bool IsDaylightTime(const TTimeZoneEntry &zone, WallTime now, bool displayDaylightSavings)
{
    if (!displayDaylightSavings)
        return false;
    // Decided once per year when the dates are set, so the test per tick is two comparisons.
    if (zone.DaylightAcrossNewYear)
        return zone.DaylightStart < now || now < zone.StandardStart;
    return zone.DaylightStart < now && now < zone.StandardStart;
}
