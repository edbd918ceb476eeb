#include "platform/SystemZone.h"

#include <QTimeZone>

QString SystemZoneName(const QDateTime &instant)
{
    const QTimeZone zone = QTimeZone::systemTimeZone();
    const QTimeZone::TimeType type =
        zone.isDaylightTime(instant) ? QTimeZone::DaylightTime : QTimeZone::StandardTime;
    QString name = zone.displayName(type, QTimeZone::LongName);
    if (name.isEmpty())
        name = zone.displayName(type, QTimeZone::ShortName);
    return name;
}
