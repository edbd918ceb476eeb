#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>
#include <array>
#include <functional>
#include <optional>
#include <variant>

// Everything the settings file holds, with its defaults. Colours are 0x00BBGGRR (red in the
// low byte); positions are list entries, -1 for none.
struct Settings {
    static constexpr qint32 Blue = 0xFF0000;
    static constexpr int Cities = 6;

    std::array<qint32, Cities> City{0, 1, 2, 3, 4, 5}; // zone list positions
    bool Militarytime = false;                          // 24-hour display
    bool Hints = true;                                  // pop-up hints on
    bool SetPCClock = false;
    float AvgTimeErr = 0.0f;                            // drift figure, seconds
    qint32 NumberOfHits = 1;                            // its divisor; never below 1 once read
    qint32 NTPHost = 0;                                 // server list position
    qint32 TimeColor = Blue;
    std::array<qint32, Cities> CityTimeColor{Blue, Blue, Blue, Blue, Blue, Blue};
    QString CityFont = QStringLiteral("Arial");         // font of the six zone lists
    qint32 CityFontSize = 10;                           // points
    qint32 Y2KCountDownColor = Blue;
    qint32 Y2KMonthCountDownColor = Blue;
    bool AutoSynch = false;
    qint32 SynchPeriod = 0;                             // 0 at startup, 1 hourly, 2 daily

    bool operator==(const Settings &) const = default;
};

// One key of the file: where it lives and which value it stores.
using SettingField = std::variant<bool *, qint32 *, float *, QString *>;
struct SettingKey {
    const char *section;
    const char *name;
    SettingField (*field)(Settings &settings);
};

// All keys, in the order a save writes them, which is the order of a fresh file. The drift
// count lives in section "defaul", spelled so on purpose: files in use have it there.
const std::array<SettingKey, 25> &SettingKeys();

// Finds a key's stored text, or nothing when the file, section or key is missing.
using SettingLookup = std::function<std::optional<QString>(const char *section, const char *key)>;

// Every key read with its default; a stored drift count below 1 reads as 1, so the drift
// figure is never divided by zero or a negative count.
Settings ReadSettings(const SettingLookup &lookup);

// The texts to store, in the order of SettingKeys().
struct SettingEntry {
    const char *section;
    const char *key;
    QString value;
};
QList<SettingEntry> SettingEntries(Settings settings);

// The period to select for a stored one: out of range above selects the last, below none.
int SynchPeriodSelection(qint32 stored, int count);
