// The settings file: a load (read the file, convert every key) and a save (read, change
// every key, replace the file atomically), on a fresh-sized file and on one that a user has
// filled with other lines; and a save from the main window's controls.
#include "FakeTimeSource.h"
#include "platform/ProfileFile.h"
#include "shell/MainForm.h"
#include "shell/Settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
// A file as the program writes it, followed by `extraLines` lines the program does not know.
QString settingsFile(const QTemporaryDir &dir, int extraLines)
{
    ProfileText text;
    for (const SettingEntry &entry : SettingEntries(Settings{}))
        text.setValue(QLatin1String(entry.section), QLatin1String(entry.key), entry.value);
    QByteArray bytes = text.toByteArray();
    bytes += "[Notes]\n";
    for (int i = 0; i < extraLines; ++i)
        bytes += "Note" + QByteArray::number(i) + "=a line the program keeps but never reads\n";
    const QString path = dir.filePath(QStringLiteral("Meridane.ini"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

Settings load(const QString &path)
{
    const ProfileText file = ReadProfile(path);
    return ReadSettings([&file](const char *section, const char *key) {
        return file.value(QLatin1String(section), QLatin1String(key));
    });
}
} // namespace

static void BM_LoadSettings(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = settingsFile(dir, int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(load(path));
}
BENCHMARK(BM_LoadSettings)->Arg(0)->Arg(1000)->ArgName("extraLines")->Unit(benchmark::kMicrosecond);

static void BM_SaveSettings(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = settingsFile(dir, int(state.range(0)));
    Settings changed;
    changed.Militarytime = true;
    for (auto _ : state) {
        ProfileText file = ReadProfileForUpdate(path);
        for (const SettingEntry &entry : SettingEntries(changed))
            file.setValue(QLatin1String(entry.section), QLatin1String(entry.key), entry.value);
        WriteProfile(path, file);
    }
}
BENCHMARK(BM_SaveSettings)->Arg(0)->Arg(1000)->ArgName("extraLines")->Unit(benchmark::kMicrosecond);

// File > Save Settings: the controls read, the file replaced.
static void BM_SaveSettingsFromWindow(benchmark::State &state)
{
    FakeTimeSource clock;
    QTemporaryDir dir;
    Services services;
    services.clock = &clock;
    services.settingsFile = dir.filePath(QStringLiteral("Meridane.ini"));
    TMainForm form(services);
    form.show();
    for (auto _ : state)
        form.SaveSettings1Click();
}
BENCHMARK(BM_SaveSettingsFromWindow)->Unit(benchmark::kMicrosecond);
