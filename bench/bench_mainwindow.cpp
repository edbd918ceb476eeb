// Start-up to the first tick, and the cost of one tick, of the main window.
#include "FakeTimeSource.h"
#include "shell/MainForm.h"
#include "shell/SmallDisplay.h"

#include <QCheckBox>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
Services servicesFor(FakeTimeSource &clock, const QTemporaryDir &settings)
{
    Services services;
    services.clock = &clock;
    services.settingsFile = settings.filePath(QStringLiteral("Meridane.ini"));
    return services;
}
} // namespace

// Everything the program does between main() and the first tick's texts, but the one
// second the timer waits before that tick.
static void BM_StartupToFirstTick(benchmark::State &state)
{
    FakeTimeSource clock;
    clock.setLocal(QDate(2026, 12, 11), QTime(12, 0, 0));
    QTemporaryDir settings;
    for (auto _ : state) {
        TMainForm form(servicesFor(clock, settings));
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
    QTemporaryDir settings;
    TMainForm form(servicesFor(clock, settings));
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
