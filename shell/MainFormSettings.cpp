// The main window's side of the settings file: the stored values into the controls at start,
// and the controls back into the file on close and on File > Save Settings.
#include "shell/MainForm.h"

#include "nettime/NetworkTimePage.h"
#include "platform/ProfileFile.h"
#include "shell/ListSelection.h"
#include "shell/PopupHints.h"
#include "shell/Settings.h"
#include "shell/SettingsColor.h"
#include "timezones/InternationalPage.h"
#include "timezones/ZoneLists.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>

namespace {
// A font set in pixels has no point size of its own; store the size it shows at.
int pointSizeOf(const QWidget *control)
{
    const int size = control->font().pointSize();
    return size > 0 ? size : QFontInfo(control->font()).pointSize();
}
} // namespace

void TMainForm::LoadSettings()
{
    const ProfileText file = ReadProfile(m_services.settingsFile);
    const Settings stored = ReadSettings([&file](const char *section, const char *key) {
        return file.value(QLatin1String(section), QLatin1String(key));
    });

    Display24Hour->setChecked(stored.Militarytime);
    Hints1->setChecked(stored.Hints);
    SetPopupHintsEnabled(Hints1->isChecked());
    Internet->SetPCClock->setChecked(stored.SetPCClock);
    // Only a change of state runs the box's click handler: a stored false leaves the period
    // group as the window was built.
    Internet->Synch_Every->setChecked(stored.AutoSynch);
    Internet->SynchPeriod->setItemIndex(
        SynchPeriodSelection(stored.SynchPeriod, Internet->SynchPeriod->count()));
    Drift.AvgTimeErr = stored.AvgTimeErr;
    Drift.NumberOfHits = stored.NumberOfHits;
    Internet->HostList->setCurrentIndex(
        PositionInList(stored.NTPHost, Internet->HostList->count()));

    SetFontColor(TimeDisp, ColorFromSetting(stored.TimeColor));
    for (int i = 0; i < Settings::Cities; ++i)
        SetFontColor(International->CityTime[i], ColorFromSetting(stored.CityTimeColor[i]));
    m_y2kCountDownColor = stored.Y2KCountDownColor;
    m_y2kMonthCountDownColor = stored.Y2KMonthCountDownColor;

    QComboBox *first = International->City[0];
    QFont font = first->font();
    font.setFamily(stored.CityFont);
    if (stored.CityFontSize > 0) // a size of 0 or less is no size; the list keeps its own
        font.setPointSize(stored.CityFontSize);
    first->setFont(font);
    for (int i = 1; i < Settings::Cities; ++i) {
        QFont shared = International->City[i]->font();
        shared.setFamily(first->font().family());
        shared.setPointSize(pointSizeOf(first));
        International->City[i]->setFont(shared);
    }

    for (int i = 0; i < Settings::Cities; ++i)
        ApplyCitySelection(International->City[i], stored.City[i]);
}

void TMainForm::SaveSettings()
{
    // Without a file of its own (a window built for a test) there is nothing to write to.
    if (m_services.settingsFile.isEmpty())
        return;

    Settings current;
    for (int i = 0; i < Settings::Cities; ++i)
        current.City[i] = International->City[i]->currentIndex();
    current.Militarytime = Display24Hour->isChecked();
    current.Hints = Hints1->isChecked();
    current.SetPCClock = Internet->SetPCClock->isChecked();
    current.AvgTimeErr = Drift.AvgTimeErr;
    current.NumberOfHits = Drift.NumberOfHits;
    current.NTPHost = Internet->HostList->currentIndex();
    current.TimeColor = SettingFromColor(FontColor(TimeDisp));
    for (int i = 0; i < Settings::Cities; ++i)
        current.CityTimeColor[i] = SettingFromColor(FontColor(International->CityTime[i]));
    current.CityFont = International->City[0]->font().family();
    current.CityFontSize = pointSizeOf(International->City[0]);
    current.Y2KCountDownColor = m_y2kCountDownColor;
    current.Y2KMonthCountDownColor = m_y2kMonthCountDownColor;
    current.AutoSynch = Internet->Synch_Every->isChecked();
    current.SynchPeriod = Internet->SynchPeriod->itemIndex();

    // The whole file is built first and replaces the old one in one step: a failure leaves
    // the previous settings exactly as they were.
    ProfileText file = ReadProfileForUpdate(m_services.settingsFile);
    for (const SettingEntry &entry : SettingEntries(current))
        file.setValue(QLatin1String(entry.section), QLatin1String(entry.key), entry.value);
    WriteProfile(m_services.settingsFile, file);
}
