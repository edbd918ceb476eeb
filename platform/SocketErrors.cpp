#include "platform/SocketErrors.h"

#include "nettime/WinsockErrors.h"

#include <cerrno>
#include <netdb.h>

qint32 WinsockErrorFromErrno(int error)
{
    switch (error) {
    case EINTR:
        return Winsock::Interrupted;
    case EBADF:
        return Winsock::BadFile;
    case EACCES:
    case EPERM:
        return Winsock::AccessDenied;
    case EFAULT:
        return Winsock::Fault;
    case EINVAL:
        return Winsock::Invalid;
    case EMFILE:
    case ENFILE:
        return Winsock::TooManyFiles;
    case EWOULDBLOCK:
        return Winsock::WouldBlock;
    case EINPROGRESS:
        return Winsock::InProgress;
    case EALREADY:
        return Winsock::Already;
    case ENOTSOCK:
        return Winsock::NotSocket;
    case EDESTADDRREQ:
        return Winsock::DestinationRequired;
    case EMSGSIZE:
        return Winsock::MessageSize;
    case EPROTOTYPE:
        return Winsock::ProtocolType;
    case ENOPROTOOPT:
        return Winsock::NoProtocolOption;
    case EPROTONOSUPPORT:
        return Winsock::ProtocolNotSupported;
    case ESOCKTNOSUPPORT:
        return Winsock::SocketTypeNotSupported;
    case EOPNOTSUPP:
        return Winsock::OperationNotSupported;
    case EPFNOSUPPORT:
        return Winsock::ProtocolFamilyNotSupported;
    case EAFNOSUPPORT:
        return Winsock::AddressFamilyNotSupported;
    case EADDRINUSE:
        return Winsock::AddressInUse;
    case EADDRNOTAVAIL:
        return Winsock::AddressNotAvailable;
    case ENETDOWN:
        return Winsock::NetworkDown;
    case ENETUNREACH:
        return Winsock::NetworkUnreachable;
    case ENETRESET:
        return Winsock::NetworkReset;
    case ECONNABORTED:
        return Winsock::ConnectionAborted;
    case ECONNRESET:
    case EPIPE:
        return Winsock::ConnectionReset;
    case ENOBUFS:
    case ENOMEM:
        return Winsock::NoBuffers;
    case EISCONN:
        return Winsock::IsConnected;
    case ENOTCONN:
        return Winsock::NotConnected;
    case ESHUTDOWN:
        return Winsock::Shutdown;
    case ETOOMANYREFS:
        return Winsock::TooManyReferences;
    case ETIMEDOUT:
        return Winsock::TimedOut;
    case ECONNREFUSED:
        return Winsock::ConnectionRefused;
    case ELOOP:
        return Winsock::Loop;
    case ENAMETOOLONG:
        return Winsock::NameTooLong;
    case EHOSTDOWN:
        return Winsock::HostDown;
    case EHOSTUNREACH:
        return Winsock::HostUnreachable;
    case ENOTEMPTY:
        return Winsock::NotEmpty;
    case EUSERS:
        return Winsock::Users;
    case EDQUOT:
        return Winsock::QuotaExceeded;
    case ESTALE:
        return Winsock::Stale;
    case EREMOTE:
        return Winsock::Remote;
    default:
        return error;
    }
}

qint32 WinsockErrorFromResolver(int eaiError, int savedErrno)
{
    switch (eaiError) {
    case EAI_NONAME:
        return Winsock::HostNotFound;
    case EAI_AGAIN:
        return Winsock::TryAgain;
    case EAI_FAIL:
        return Winsock::NoRecovery;
#ifdef EAI_NODATA
    case EAI_NODATA:
        return Winsock::NoData;
#endif
#ifdef EAI_ADDRFAMILY
    case EAI_ADDRFAMILY:
        return Winsock::NoData;
#endif
    case EAI_FAMILY:
        return Winsock::AddressFamilyNotSupported;
    case EAI_SOCKTYPE:
        return Winsock::SocketTypeNotSupported;
    case EAI_BADFLAGS:
        return Winsock::Invalid;
    case EAI_MEMORY:
        return Winsock::NoBuffers;
    case EAI_SYSTEM:
        return WinsockErrorFromErrno(savedErrno);
    default:
        return Winsock::NoRecovery;
    }
}
