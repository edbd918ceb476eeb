#pragma once

#include "platform/TimeSource.h"
#include "platform/ZoneSource.h"

#include <memory>

// The tz database of the system ($TZDIR, else /usr/share/zoneinfo), read through QTimeZone.
// Every canonical zone (a "Zone" of the database, not a link to one) is a key named by its
// id. Its record describes the zone in the current year of the PC's clock:
//   - Display: "(UTC±hh:mm) " and the id with "_" shown as a space;
//   - Bias: minus its standard offset; DaylightBias: minus its daylight-saving amount;
//   - DaylightDate, StandardDate: month, week of the month (5 = last), weekday and local
//     hour of this year's change into and out of daylight saving; month 0 without it.
class TzDatabaseZoneSource final : public ZoneSource
{
public:
    TzDatabaseZoneSource(const TimeSource &clock, const QString &directory);

    QStringList keyNames() const override;
    ZoneRecord read(const QString &keyName) const override;

    // Where the system keeps the database.
    static QString SystemDirectory();

private:
    const TimeSource &m_clock;
    QString m_directory;
};

// The system's zone database when it has one, else a source without zones.
std::unique_ptr<ZoneSource> OpenSystemZoneSource(const TimeSource &clock);
