#pragma once

#include <QDateTime>
#include <QString>

// The names of the PC's own time zone at the given instant: its daylight-time names while
// daylight saving is in force there, its standard names otherwise.
struct ZoneNames {
    QString longName;  // "Central European Standard Time"
    QString shortName; // "CET"
};
ZoneNames SystemZoneNames(const QDateTime &instant);
