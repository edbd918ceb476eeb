// The zone catalogue: loading it from the system's tz database, and the six city clocks
// of one tick.
#include "FakeTimeSource.h"
#include "platform/ZoneDatabase.h"
#include "shell/SmallDisplay.h"
#include "timezones/CityTime.h"
#include "timezones/InternationalPage.h"

#include <QComboBox>
#include <QLabel>
#include <benchmark/benchmark.h>

namespace {
FakeTimeSource ordinaryDay()
{
    FakeTimeSource clock;
    clock.setLocal(QDate(2026, 7, 15), QTime(12, 0, 0));
    return clock;
}

const char *const cities[] = {"America/New York", "Europe/London",       "Australia/Sydney",
                              "Asia/Kolkata",     "Australia/Lord Howe", "America/Sao Paulo"};
} // namespace

// Reading every zone of the database: the source alone, without lists.
static void BM_ReadZoneDatabase(benchmark::State &state)
{
    const FakeTimeSource clock = ordinaryDay();
    const TzDatabaseZoneSource source(clock, TzDatabaseZoneSource::SystemDirectory());
    qsizetype zones = 0;
    for (auto _ : state) {
        const QStringList names = source.keyNames();
        for (const QString &name : names)
            benchmark::DoNotOptimize(source.read(name));
        zones = names.size();
    }
    state.counters["zones"] = double(zones);
}
BENCHMARK(BM_ReadZoneDatabase)->Unit(benchmark::kMillisecond);

// What the show handler's LoadTimeZones costs: the whole database into the catalogue and
// the six lists, sorted.
static void BM_LoadTimeZones(benchmark::State &state)
{
    const FakeTimeSource clock = ordinaryDay();
    const TzDatabaseZoneSource source(clock, TzDatabaseZoneSource::SystemDirectory());
    TInternationalPage page;
    for (auto _ : state)
        page.LoadTimeZones(source, 2026);
    state.counters["zones"] = double(page.catalogue().size());
}
BENCHMARK(BM_LoadTimeZones)->Unit(benchmark::kMillisecond);

// The city clocks' share of one tick: the year check, then six clocks written to the page
// and the small display.
static void BM_SixCityClocks(benchmark::State &state)
{
    FakeTimeSource clock = ordinaryDay();
    const TzDatabaseZoneSource source(clock, TzDatabaseZoneSource::SystemDirectory());
    TInternationalPage page;
    TForm3 smallDisplay;
    page.LoadTimeZones(source, 2026);
    for (int row = 0; row < TInternationalPage::Cities; ++row)
        page.City[size_t(row)]->setCurrentIndex(
            page.City[size_t(row)]->findText(QLatin1String(cities[row])));
    const bool display24Hour = state.range(0) != 0;
    for (auto _ : state) {
        clock.advance(1000);
        const WallTime now = WallTime::of(clock.local);
        page.FollowYear(now);
        for (int row = 0; row < TInternationalPage::Cities; ++row) {
            const TInternationalPage::CityClock city =
                page.UpdateCityClock(row, clock.utc.time(), now, display24Hour);
            smallDisplay.ShowCity(row, city.zoneName, city.text);
        }
    }
}
BENCHMARK(BM_SixCityClocks)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("display24Hour")
    ->Unit(benchmark::kMicrosecond);

// One clock's text alone, without widgets.
static void BM_CityTimeText(benchmark::State &state)
{
    TTimeZoneEntry zone;
    zone.Tzi.Bias = -600;
    zone.Tzi.DaylightBias = -60;
    zone.Tzi.DaylightDate.wMonth = 10;
    zone.Tzi.DaylightDate.wDay = 1;
    zone.Tzi.StandardDate.wMonth = 4;
    zone.Tzi.StandardDate.wDay = 1;
    zone.SetTransitionYear(2026);
    QTime utc(0, 0, 0);
    const WallTime now = WallTime::of(QDate(2026, 1, 15), QTime(12, 0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(CityTimeText(&zone, utc, now, false, true));
        utc = utc.addSecs(1);
    }
}
BENCHMARK(BM_CityTimeText)->Unit(benchmark::kNanosecond);

// The once-a-year work: every entry's transition dates for a new year.
static void BM_NewYearForTheWholeCatalogue(benchmark::State &state)
{
    const FakeTimeSource clock = ordinaryDay();
    const TzDatabaseZoneSource source(clock, TzDatabaseZoneSource::SystemDirectory());
    TInternationalPage page;
    page.LoadTimeZones(source, 2026);
    int year = 2026;
    for (auto _ : state)
        page.FollowYear(WallTime::of(QDate(++year, 1, 1)));
}
BENCHMARK(BM_NewYearForTheWholeCatalogue)->Unit(benchmark::kMicrosecond);
