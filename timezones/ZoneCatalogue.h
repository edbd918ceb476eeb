#pragma once

#include "shell/WallTime.h"
#include "timezones/TimeZoneEntry.h"

#include <QList>
#include <QString>
#include <vector>

// The text a zone list shows for a zone's "Display" string: what follows the first ")" and
// the one character after it, so "(GMT-05:00) Eastern Time" lists as "Eastern Time". A
// string without ")" loses its first character; a ")" at the end, or one before the end,
// leaves nothing.
QString ZoneItemText(const QString &display);

// One item of the zone lists: its text and the catalogue entry it stands for.
struct ZoneItem {
    QString text;
    int entry = -1;
};

// Puts the items in the lists' one order: alphabetical, ignoring case, then by case; equal
// texts keep their reading order. The order does not depend on the user's locale, so a
// stored list position keeps meaning the same zone.
void SortZoneItems(QList<ZoneItem> &items);

// Owns every zone entry of the run, and keeps their transition dates on the year of the
// PC's local clock.
class TZoneCatalogue
{
public:
    // Empties the catalogue; entries added from now on get the dates of `year`.
    void Reset(int year);
    // Adds a zone's entry, with its dates for the current year; returns its index.
    int Add(const TziRecord &tzi);

    int size() const { return int(m_entries.size()); }
    // The entry at `index`, or nullptr when there is none.
    const TTimeZoneEntry *find(int index) const;
    int year() const { return m_year; }

    // Called every tick with the PC's local date-time. Within the year the dates belong to,
    // it costs two comparisons; the first call in another year (New Year, or the PC clock
    // set to another year) recomputes every entry's dates for that year.
    void FollowYear(WallTime now);

private:
    void setYear(int year);

    std::vector<TTimeZoneEntry> m_entries;
    int m_year = 0;
    WallTime m_yearStart;     // 1 January of m_year, 00:00
    WallTime m_nextYearStart; // 1 January of the year after
};
