#include "shell/Settings.h"

#include "shell/SettingsEncoding.h"

namespace {
template <auto Member> SettingField field(Settings &settings)
{
    return &(settings.*Member);
}
template <int I> SettingField city(Settings &settings)
{
    return &settings.City[I];
}
template <int I> SettingField cityTimeColor(Settings &settings)
{
    return &settings.CityTimeColor[I];
}
} // namespace

const std::array<SettingKey, 25> &SettingKeys()
{
    static const std::array<SettingKey, 25> keys = {{
        {"Cities", "City1", city<0>},
        {"Cities", "City2", city<1>},
        {"Cities", "City3", city<2>},
        {"Cities", "City4", city<3>},
        {"Cities", "City5", city<4>},
        {"Cities", "City6", city<5>},
        {"default", "Militarytime", field<&Settings::Militarytime>},
        {"default", "Hints", field<&Settings::Hints>},
        {"default", "SetPCClock", field<&Settings::SetPCClock>},
        {"default", "AvgTimeErr", field<&Settings::AvgTimeErr>},
        {"defaul", "NumberOfHits", field<&Settings::NumberOfHits>},
        {"default", "NTPHost", field<&Settings::NTPHost>},
        {"default", "TimeColor", field<&Settings::TimeColor>},
        {"default", "CityTime1Color", cityTimeColor<0>},
        {"default", "CityTime2Color", cityTimeColor<1>},
        {"default", "CityTime3Color", cityTimeColor<2>},
        {"default", "CityTime4Color", cityTimeColor<3>},
        {"default", "CityTime5Color", cityTimeColor<4>},
        {"default", "CityTime6Color", cityTimeColor<5>},
        {"default", "CityFont", field<&Settings::CityFont>},
        {"default", "CityFontSize", field<&Settings::CityFontSize>},
        {"default", "Y2KCountDownColor", field<&Settings::Y2KCountDownColor>},
        {"default", "Y2KMonthCountDownColor", field<&Settings::Y2KMonthCountDownColor>},
        {"default", "AutoSynch", field<&Settings::AutoSynch>},
        {"default", "SynchPeriod", field<&Settings::SynchPeriod>},
    }};
    return keys;
}

Settings ReadSettings(const SettingLookup &lookup)
{
    Settings settings;
    for (const SettingKey &key : SettingKeys()) {
        const std::optional<QString> text = lookup(key.section, key.name);
        // Each field holds its default here, so a key that does not convert keeps it.
        std::visit(
            [&text](auto *value) {
                using T = std::remove_pointer_t<decltype(value)>;
                if constexpr (std::is_same_v<T, bool>)
                    *value = ReadSettingBoolean(text, *value);
                else if constexpr (std::is_same_v<T, qint32>)
                    *value = ReadSettingInteger(text, *value);
                else if constexpr (std::is_same_v<T, float>)
                    *value = ReadSettingFloating(text, *value);
                else
                    *value = ReadSettingText(text, *value);
            },
            key.field(settings));
    }
    settings.NumberOfHits = qMax(settings.NumberOfHits, 1);
    return settings;
}

QList<SettingEntry> SettingEntries(Settings settings)
{
    QList<SettingEntry> entries;
    entries.reserve(qsizetype(SettingKeys().size()));
    for (const SettingKey &key : SettingKeys()) {
        const QString text = std::visit(
            [](auto *value) -> QString {
                using T = std::remove_pointer_t<decltype(value)>;
                if constexpr (std::is_same_v<T, bool>)
                    return WriteSettingBoolean(*value);
                else if constexpr (std::is_same_v<T, qint32>)
                    return WriteSettingInteger(*value);
                else if constexpr (std::is_same_v<T, float>)
                    return WriteSettingFloating(*value);
                else
                    return *value;
            },
            key.field(settings));
        entries.append({key.section, key.name, text});
    }
    return entries;
}

int SynchPeriodSelection(qint32 stored, int count)
{
    if (stored < 0 || count <= 0)
        return -1;
    return qMin(stored, count - 1);
}

