#include "timezones/ZoneCatalogue.h"

#include <algorithm>

QString ZoneItemText(const QString &display)
{
    const qsizetype paren = display.indexOf(QLatin1Char(')'));
    // Without ")" the text starts at the second character, as if a ")" stood before it.
    return display.mid(paren + 2);
}

void SortZoneItems(QList<ZoneItem> &items)
{
    std::stable_sort(items.begin(), items.end(), [](const ZoneItem &a, const ZoneItem &b) {
        const int folded = a.text.compare(b.text, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a.text.compare(b.text, Qt::CaseSensitive) < 0;
    });
}

void TZoneCatalogue::Reset(int year)
{
    m_entries.clear();
    setYear(year);
}

int TZoneCatalogue::Add(const TziRecord &tzi)
{
    TTimeZoneEntry entry;
    entry.Tzi = tzi;
    entry.SetTransitionYear(m_year);
    m_entries.push_back(entry);
    return size() - 1;
}

const TTimeZoneEntry *TZoneCatalogue::find(int index) const
{
    return index >= 0 && index < size() ? &m_entries[size_t(index)] : nullptr;
}

void TZoneCatalogue::FollowYear(WallTime now)
{
    if (now < m_yearStart || now >= m_nextYearStart) {
        setYear(now.date().year());
        for (TTimeZoneEntry &entry : m_entries)
            entry.SetTransitionYear(m_year);
    }
}

void TZoneCatalogue::setYear(int year)
{
    m_year = year;
    m_yearStart = WallTime::of(QDate(year, 1, 1));
    m_nextYearStart = WallTime::of(QDate(year + 1, 1, 1));
}
