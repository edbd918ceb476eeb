#include "nettime/AutoSynch.h"

namespace {
bool enabledFor(const AutoSynchOptions &options, SynchPeriodEntry period)
{
    return options.setPCClock && options.synchEvery && options.synchPeriod == period;
}
} // namespace

bool StartupSynchDue(const AutoSynchOptions &options)
{
    return enabledFor(options, AtStartup);
}

bool HourlySynchDue(const AutoSynchOptions &options, QTime local)
{
    return enabledFor(options, Hourly) && local.minute() == 0 && local.second() == 1;
}

bool DailySynchDue(const AutoSynchOptions &options, QTime local)
{
    return enabledFor(options, Daily) && local.hour() == 23 && local.minute() == 59 &&
           local.second() == 59;
}
