#pragma once

#include "shell/WallTime.h"
#include "timezones/TziRecord.h"

// One zone of the catalogue: its rule record and the days, in one year, on which its
// daylight saving starts and ends. The zone's name is not here: it lives in the list items
// that refer to the entry.
struct TTimeZoneEntry {
    TziRecord Tzi;
    WallTime DaylightStart; // midnight starting the day daylight saving begins; empty if none
    WallTime StandardStart; // midnight starting the day standard time returns; empty if none
    // Daylight saving runs over New Year (southern hemisphere): it is in force from
    // DaylightStart to the end of the year and from the start of the year to StandardStart.
    bool DaylightAcrossNewYear = false;

    // Sets both dates from the rules for the given local year.
    void SetTransitionYear(int year);
};

inline qint32 ZoneBias(const TTimeZoneEntry &zone)
{
    return zone.Tzi.Bias;
}

// Whether the zone shows daylight time at the PC's local date-time `now`. Off when daylight
// saving is not to be displayed. Both comparisons are strict: at exactly midnight of the
// daylight day the zone is still on standard time, and the whole standard day is standard.
// A zone without a return to standard time is never in daylight time. The dates must belong
// to the year of `now` (the catalogue keeps them so).
bool IsDaylightTime(const TTimeZoneEntry &zone, WallTime now, bool displayDaylightSavings);
