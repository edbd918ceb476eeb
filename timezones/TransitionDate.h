#pragma once

#include "shell/WallTime.h"
#include "timezones/TziRecord.h"

// The day in `year` on which a zone's yearly rule takes effect, at 00:00 local time: the
// wDay-th Sunday of month wMonth, or its last Sunday for week 5 and above. The change is
// always taken to be on a Sunday at midnight, whatever the rule's weekday and hour. A rule
// without a month or week (0), or with a month outside 1..12, gives the empty date.
WallTime TransitionDate(const SystemTime &rule, int year);
