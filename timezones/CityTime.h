#pragma once

#include "shell/WallTime.h"
#include "timezones/TimeZoneEntry.h"

#include <QString>
#include <QTime>

// What a city clock shows while there is no zone to show (an empty catalogue).
inline constexpr char NoZoneClockText[] = "--:--:--";

// The clock text of a zone for one tick: the UTC time of day moved by the zone's Bias and,
// while it is in daylight time by the PC's local date-time `now`, by its daylight amount;
// "%2d:%2.2d:%2.2d" in the 24-hour form, with "am"/"pm" behind it in the 12-hour form. The
// seconds are the UTC seconds. No zone (nullptr) gives NoZoneClockText.
QString CityTimeText(const TTimeZoneEntry *zone, QTime utc, WallTime now, bool display24Hour,
                     bool displayDaylightSavings);
