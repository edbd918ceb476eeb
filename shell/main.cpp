#include "platform/ClockSetter.h"
#include "platform/ProfileFile.h"
#include "platform/SingleInstance.h"
#include "platform/TimeSource.h"
#include "platform/ZoneDatabase.h"
#include "shell/MainForm.h"
#include "shell/MessageBoxes.h"
#include "shell/Services.h"
#include "shell/SmallDisplay.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Meridane"));

    SingleInstance instance(QStringLiteral("Meridane"));
    if (instance.claim() == SingleInstance::Role::Other)
        return 0;

    InstallMessageBoxes();
    SystemTimeSource clock;
    Services services;
    services.clock = &clock;
    const std::unique_ptr<ZoneSource> zones = OpenSystemZoneSource(clock);
    services.zones = zones.get();
    services.settingsFile = DefaultSettingsFile();
    // Sets the clock itself only when the process holds the right; otherwise it asks the
    // system's time service, so the program never needs to run as root.
    const std::unique_ptr<ClockSetter> clockSetter = MakeSystemClockSetter();
    services.clockSetter = clockSetter.get();
    TMainForm MainForm(services);
    TForm3 Form3;
    MainForm.setSmallDisplay(&Form3);
    QObject::connect(&instance, &SingleInstance::restoreRequested, &MainForm,
                     &TMainForm::Restore1Click);

    MainForm.show();
    QApplication::exec();
    return 0;
}
