#pragma once

#include <QtGlobal>

// The PC clock's drift figure and the count it is divided by. Kept in memory from the
// settings load to the settings save; only a successful synchronisation changes them.
struct DriftStatistics {
    float AvgTimeErr = 0.0f; // seconds
    qint32 NumberOfHits = 1;
};
