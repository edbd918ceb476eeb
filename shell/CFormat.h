#pragma once

#include <QString>

// printf-style formatting into a QString. The compiler checks every call's arguments against
// its format, so the program's display formats ("%2d:%2.2d:%2.2d", "%2.3f Sec", ...) can be
// written exactly as they are meant to read. The result has no length limit.
QString cformat(const char *format, ...) __attribute__((format(printf, 1, 2)));
