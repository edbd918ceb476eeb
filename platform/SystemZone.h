#pragma once

#include <QDateTime>
#include <QString>

// The name of the PC's own time zone at the given instant: its daylight-time name while
// daylight saving is in force there, its standard name otherwise.
QString SystemZoneName(const QDateTime &instant);
