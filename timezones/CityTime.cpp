#include "timezones/CityTime.h"

#include "shell/CFormat.h"
#include "shell/ClockText.h"

namespace {
constexpr qint64 minutesPerDay = 24 * 60;
}

QString CityTimeText(const TTimeZoneEntry *zone, QTime utc, WallTime now, bool display24Hour,
                     bool displayDaylightSavings)
{
    if (!zone)
        return QString::fromLatin1(NoZoneClockText);

    // 64 bits: a damaged record may hold any 32-bit bias.
    qint64 minutes = utc.hour() * 60 + utc.minute() - qint64(ZoneBias(*zone));
    // The daylight amount is the zone's own (an hour nearly everywhere, half an hour on
    // Lord Howe Island). It is added before the day is wrapped, so 23:30 plus an hour
    // shows as half past midnight.
    if (IsDaylightTime(*zone, now, displayDaylightSavings))
        minutes -= zone->Tzi.DaylightBias;
    const qint64 ofDay = (minutes % minutesPerDay + minutesPerDay) % minutesPerDay;

    const ShownHour shown = DisplayHour(int(ofDay / 60), display24Hour);
    const int minute = int(ofDay % 60);
    if (display24Hour)
        return cformat("%2d:%2.2d:%2.2d", shown.hour, minute, utc.second());
    return cformat("%2d:%2.2d:%2.2d%s", shown.hour, minute, utc.second(), shown.suffix);
}
