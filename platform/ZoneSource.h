#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// One zone as the time-zone database holds it: the key it is found under, its "Display"
// description ("(UTC-05:00) America/New York") and its "TZI" rule record, raw bytes.
struct ZoneRecord {
    QString keyName;
    QString display; // empty when the zone has none
    QByteArray tzi;  // empty when the zone has none or it cannot be read
};

// The operating system's time-zone database, read only. The catalogue lists the keys, then
// reads each zone in that order.
class ZoneSource
{
public:
    virtual ~ZoneSource() = default;

    // The key names of every zone, in the database's own order.
    virtual QStringList keyNames() const = 0;
    // The values of one zone. Throws Failure when a value cannot be read as what it must be.
    virtual ZoneRecord read(const QString &keyName) const = 0;
};

// The database of a system that has none: no zones.
class EmptyZoneSource final : public ZoneSource
{
public:
    QStringList keyNames() const override { return {}; }
    ZoneRecord read(const QString &keyName) const override { return {keyName, {}, {}}; }
};
