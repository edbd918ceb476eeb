// Start-up to the first tick, and the cost of one tick (six zone clocks included), of the main window.
#include "FakeTimeSource.h"
#include "platform/ZoneDatabase.h"
#include "shell/MainForm.h"
#include "shell/SmallDisplay.h"

#include <QCheckBox>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
// The window as the program builds it: the system's zone database, a settings file (none
// yet), and the side files of the working directory (bench/run runs in data/).
struct Platform {
    explicit Platform(FakeTimeSource &clock) : zones(OpenSystemZoneSource(clock))
    {
        services.clock = &clock;
        services.zones = zones.get();
        services.settingsFile = settings.filePath(QStringLiteral("Meridane.ini"));
    }
    QTemporaryDir settings;
    std::unique_ptr<ZoneSource> zones;
    Services services;
};
} // namespace

// Everything the program does between main() and the first tick's texts, but the one
// second the timer waits before that tick: frame, creation steps, the zone catalogue into
// six lists, the settings, and the first tick.
static void BM_StartupToFirstTick(benchmark::State &state)
{
    FakeTimeSource clock;
    clock.setLocal(QDate(2026, 12, 11), QTime(12, 0, 0));
    Platform platform(clock);
    for (auto _ : state) {
        TMainForm form(platform.services);
        TForm3 smallDisplay;
        form.setSmallDisplay(&smallDisplay);
        form.show();
        form.Timer1Timer();
        benchmark::DoNotOptimize(form.TimeDisp);
    }
}
BENCHMARK(BM_StartupToFirstTick)->Unit(benchmark::kMillisecond);

static void BM_Tick(benchmark::State &state)
{
    FakeTimeSource clock;
    clock.setLocal(QDate(2026, 12, 11), QTime(12, 0, 0));
    Platform platform(clock);
    TMainForm form(platform.services);
    TForm3 smallDisplay;
    form.setSmallDisplay(&smallDisplay);
    form.show();
    form.Display24Hour->setChecked(state.range(0) != 0);
    for (auto _ : state) {
        clock.advance(1000);
        form.Timer1Timer();
    }
}
BENCHMARK(BM_Tick)->Arg(0)->Arg(1)->ArgName("display24Hour")->Unit(benchmark::kMicrosecond);
