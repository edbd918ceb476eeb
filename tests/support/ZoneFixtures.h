#pragma once

#include "platform/ZoneSource.h"
#include "timezones/TziRecord.h"

#include <QList>

// A yearly rule that changes on the `week`-th Sunday (5 = last) of `month` at 02:00.
SystemTime SundayRule(int month, int week);

// A rule record: `bias` minutes west of UTC, daylight saving from the daylight rule to the
// standard rule, `daylightBias` minutes (an hour unless told). Month 0 means no rule.
TziRecord ZoneRules(int bias, int daylightMonth = 0, int daylightWeek = 0, int standardMonth = 0,
                    int standardWeek = 0, int daylightBias = -60);

// A zone as the database would hold it, its "TZI" value made from the rules.
ZoneRecord ZoneOf(const QString &keyName, const QString &display, const TziRecord &rules);

// Hand-made zones, read in the order given.
class FixtureZoneSource final : public ZoneSource
{
public:
    explicit FixtureZoneSource(QList<ZoneRecord> zones = {}) : records(std::move(zones)) {}

    QStringList keyNames() const override;
    ZoneRecord read(const QString &keyName) const override;

    QList<ZoneRecord> records;
};

// A directory of zones: one folder per key, holding a text file "Display" and a binary file
// "TZI" with the raw value; either may be missing. Keys are read in name order.
class ZoneDirectorySource final : public ZoneSource
{
public:
    explicit ZoneDirectorySource(const QString &directory) : m_directory(directory) {}

    QStringList keyNames() const override;
    ZoneRecord read(const QString &keyName) const override;

    // Writes zones in the layout this source reads. An empty "Display" or "TZI" is left out.
    static void Write(const QString &directory, const QList<ZoneRecord> &zones);

private:
    QString m_directory;
};
