#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

// One transition rule of a zone, laid out as the 16-byte date record of a "TZI" value:
// eight unsigned 16-bit fields. For a yearly rule wYear is 0 and wDay is the week of the
// month (1..4, 5 = the last such weekday).
struct SystemTime {
    quint16 wYear = 0;
    quint16 wMonth = 0;     // 1..12; 0 = the zone has no such change
    quint16 wDayOfWeek = 0; // 0 = Sunday
    quint16 wDay = 0;
    quint16 wHour = 0;
    quint16 wMinute = 0;
    quint16 wSecond = 0;
    quint16 wMilliseconds = 0;

    bool operator==(const SystemTime &) const = default;
};

// A zone's rule record: the 44-byte little-endian "TZI" value. UTC = standard time + Bias
// (minutes); daylight time is Bias + DaylightBias.
struct TziRecord {
    qint32 Bias = 0;
    qint32 StandardBias = 0;
    qint32 DaylightBias = 0;
    SystemTime StandardDate; // the return to standard time
    SystemTime DaylightDate; // the start of daylight saving

    bool operator==(const TziRecord &) const = default;
};

constexpr int TziSize = 44;    // the bytes that carry meaning
constexpr int TziMaxSize = 60; // the longest value the loading accepts

// Reads a "TZI" value. Bytes past the 44th are ignored. A value too short to hold a whole
// record (absent or truncated data) gives the all-zero record, a zone at UTC without rules,
// so an entry never works from half a record. A value longer than 60 bytes is not a rule
// record at all: throws Failure.
TziRecord ReadTzi(QByteArrayView bytes);

// The 44-byte value of a record.
QByteArray TziBytes(const TziRecord &record);
