#pragma once

#include <QtGlobal>

// The system's socket and resolver error numbers as the Windows Sockets numbers the status
// texts are written for (nettime/WinsockErrors.h). A number with no counterpart is passed
// on as it is; it is far below the Windows range, so it reads as undocumented and can never
// be taken for another error.
qint32 WinsockErrorFromErrno(int error);
qint32 WinsockErrorFromResolver(int eaiError, int savedErrno);
