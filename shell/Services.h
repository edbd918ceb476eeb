#pragma once

#include <QString>
#include <QtGlobal>

class TimeSource;
class ZoneSource;
class ClockSetter;

// The platform layers the main window works through. The program hands it the real ones;
// tests hand it fakes and temporary paths.
struct Services {
    TimeSource *clock = nullptr;
    ZoneSource *zones = nullptr;         // the time-zone database
    ClockSetter *clockSetter = nullptr;  // sets the PC clock after a synchronisation
    QString settingsFile;                // full path of "Meridane.ini"
    quint16 timePort = 37;               // the Time Protocol's port; only tests change it
};
