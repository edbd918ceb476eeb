#pragma once

#include "nettime/TimeProtocol.h"

#include <QString>

// The status bar's texts during an exchange. Names and error texts are arguments, never
// part of a format, and every text is as long as it needs to be: nothing a server or the
// host list holds can overflow or change a text's form.
QString ResolveFailedText(const QString &hostName, qint32 winsockError);
QString SocketFailedText(qint32 winsockError);
QString RecvFailedText(qint32 winsockError);
QString NoTimeText(const QString &hostName);
QString TimeFromText(const QString &hostName, qint64 secondsSince1970);

// An instant in the PC's local civil time, formatted with a C library time format in the
// C locale, so day and month names are English whatever the desktop's language. "%Z" is the
// zone abbreviation the C library gives for that instant (from TZ or the system's zone).
QString LocalTimeText(const char *format, qint64 secondsSince1970)
    __attribute__((format(strftime, 1, 0)));

// The result texts of a successful exchange, in the order they are shown.
struct SynchResultTexts {
    QString TimeDiff; // "%d Sec"
    QString AvgErr;   // "%2.3f Sec"
    QString Latency;  // "%d mSec"
    QString NetTime;  // "%H:%M:%S %Z"
    QString NetDate;  // "%A %B %d %Y"
    QString status;   // "Time from %s: %s"
};
SynchResultTexts MakeSynchResultTexts(const QString &hostName, const TimeReading &reading,
                                      float avgTimeErr);
