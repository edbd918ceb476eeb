#pragma once

#include "shell/WallTime.h"
#include "timezones/ZoneCatalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTime>
#include <QWidget>
#include <array>

class TZoneListModel;
class ZoneSource;

// The "International Time" page: six zone lists, each with the clock of its chosen zone.
// It owns the zone catalogue, which the six lists share.
class TInternationalPage : public QWidget
{
    Q_OBJECT
public:
    explicit TInternationalPage(QWidget *parent = nullptr);

    static constexpr int Cities = 6;
    std::array<QComboBox *, Cities> City{};  // City1..City6
    std::array<QLabel *, Cities> CityTime{}; // CityTime1..CityTime6
    QCheckBox *DisplayDayLightSavings = nullptr;

    // Reads every zone of the source into the catalogue, with transition dates for `year`,
    // and lists them, sorted, in all six lists. A zone that cannot be read (Failure) ends
    // the loading: the zones read before it stay listed, and the failure propagates.
    void LoadTimeZones(const ZoneSource &source, int year);

    // Empties the lists, then releases the entries they referred to.
    void FreeZoneEntries();

    // Keeps the transition dates on the year of the PC's local date-time; once per tick,
    // before the clocks.
    void FollowYear(WallTime now) { m_catalogue.FollowYear(now); }

    // One tick of the clock of a row (0..5): the clock's new text, and the name of its zone
    // as its list shows it after the selection has been repaired.
    struct CityClock {
        QString text;
        QString zoneName;
    };
    CityClock UpdateCityClock(int row, QTime utc, WallTime now, bool display24Hour);

    const TZoneCatalogue &catalogue() const { return m_catalogue; }

private:
    TZoneCatalogue m_catalogue;
    TZoneListModel *m_zoneItems = nullptr;
};
