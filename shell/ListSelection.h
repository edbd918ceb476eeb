#pragma once

// A position remembered for a list (stored in the settings, or handed over by a running
// exchange): itself when it names one of the list's `count` entries, otherwise none (-1).
constexpr int PositionInList(int position, int count)
{
    return position >= 0 && position < count ? position : -1;
}
