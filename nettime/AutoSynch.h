#pragma once

#include <QTime>

// The positions of the radio group SynchPeriod.
enum SynchPeriodEntry : int { AtStartup = 0, Hourly = 1, Daily = 2 };

// What the automatic synchronisation tests look at, read from the window at the moment of
// the test.
struct AutoSynchOptions {
    bool setPCClock = false; // SetPCClock checked: without it nothing runs by itself
    bool synchEvery = false; // Synch_Every ("Auto-Synch") checked
    int synchPeriod = -1;    // the selected position of SynchPeriod, -1 for none
};

// The start-up synchronisation, asked on the first tick of the run only.
bool StartupSynchDue(const AutoSynchOptions &options);

// The hourly synchronisation: a tick whose local time is hh:00:01. A tick that misses that
// second misses that hour's synchronisation; nothing catches up later.
bool HourlySynchDue(const AutoSynchOptions &options, QTime local);

// The daily synchronisation: a tick whose local time is 23:59:59, under the same rule.
bool DailySynchDue(const AutoSynchOptions &options, QTime local);
