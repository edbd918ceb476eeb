#pragma once

#include <QString>
#include <QtGlobal>

// Windows Sockets error numbers as the status bar shows them. The socket layer translates
// the system's own error numbers into these (platform/SocketErrors.h).
namespace Winsock
{
enum : qint32 {
    Interrupted = 10004,
    BadFile = 10009,
    AccessDenied = 10013,
    Fault = 10014,
    Invalid = 10022,
    TooManyFiles = 10024,
    WouldBlock = 10035,
    InProgress = 10036,
    Already = 10037,
    NotSocket = 10038,
    DestinationRequired = 10039,
    MessageSize = 10040,
    ProtocolType = 10041,
    NoProtocolOption = 10042,
    ProtocolNotSupported = 10043,
    SocketTypeNotSupported = 10044,
    OperationNotSupported = 10045,
    ProtocolFamilyNotSupported = 10046,
    AddressFamilyNotSupported = 10047,
    AddressInUse = 10048,
    AddressNotAvailable = 10049,
    NetworkDown = 10050,
    NetworkUnreachable = 10051,
    NetworkReset = 10052,
    ConnectionAborted = 10053,
    ConnectionReset = 10054,
    NoBuffers = 10055,
    IsConnected = 10056,
    NotConnected = 10057,
    Shutdown = 10058,
    TooManyReferences = 10059,
    TimedOut = 10060,
    ConnectionRefused = 10061,
    Loop = 10062,
    NameTooLong = 10063,
    HostDown = 10064,
    HostUnreachable = 10065,
    NotEmpty = 10066,
    ProcessLimit = 10067,
    Users = 10068,
    QuotaExceeded = 10069,
    Stale = 10070,
    Remote = 10071,
    SystemNotReady = 10091,
    VersionNotSupported = 10092,
    NotInitialised = 10093,
    HostNotFound = 11001,
    TryAgain = 11002,
    NoRecovery = 11003,
    NoData = 11004,
};
} // namespace Winsock

// The text of a Windows Sockets error number: "Winsock code #%d %s" for the fifty numbers
// the program knows, "UnDoc'd Winsock code #%d" for any other. Each call returns a text of
// its own, so two exchanges never share a buffer.
QString WinsockErrorText(qint32 code);
