#include "platform/SystemZone.h"

#include <QTimeZone>

ZoneNames SystemZoneNames(const QDateTime &instant)
{
    const QTimeZone zone = QTimeZone::systemTimeZone();
    const QTimeZone::TimeType type =
        zone.isDaylightTime(instant) ? QTimeZone::DaylightTime : QTimeZone::StandardTime;
    ZoneNames names{zone.displayName(type, QTimeZone::LongName),
                    zone.displayName(type, QTimeZone::ShortName)};
    if (names.longName.isEmpty())
        names.longName = names.shortName;
    return names;
}
