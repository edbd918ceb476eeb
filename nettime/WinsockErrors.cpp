#include "nettime/WinsockErrors.h"

#include "shell/CFormat.h"

#include <iterator>

namespace
{
struct KnownError {
    qint32 code;
    const char *text;
};

// Searched in this order; the first exact match wins.
constexpr KnownError knownErrors[] = {
    {10004, "blocking call canceled"},
    {10009, "bad file"},
    {10013, "invalid access attempt"},
    {10014, "parameter fault"},
    {10022, "invalid op"},
    {10024, "handles exhausted"},
    {10035, "op would block"},
    {10036, "blocking call in progress"},
    {10037, "already complete"},
    {10038, "descriptor not a socket"},
    {10039, "dest addr req'd"},
    {10040, "msg too long"},
    {10041, "bad protocol for socket"},
    {10042, "protocol not available"},
    {10043, "protocol not supported"},
    {10044, "sockettype not supported"},
    {10045, "op not supported on socket"},
    {10046, "protcol fam not supported"},
    {10047, "addr fam not supported by protocol fam"},
    {10048, "addr already in use"},
    {10049, "cant' assign requested addr"},
    {10050, "Net down!!!"},
    {10051, "Net unreachable"},
    {10052, "Net dropped conn on reset"},
    {10053, "conn aborted"},
    {10054, "conn reset by host"},
    {10055, "no buffer space"},
    {10056, "socket already connected"},
    {10057, "socket not connected"},
    {10058, "can't send after socket shutdown"},
    {10059, "too many refs"},
    {10060, "conn timed out"},
    {10061, "conn refused by host"},
    {10062, "in loop"},
    {10063, "name too long"},
    {10064, "host down"},
    {10065, "no route to host"},
    {10066, "dir not empty"},
    {10067, "too many procs"},
    {10068, "too many users"},
    {10069, "disk quota exceeded"},
    {10070, "no file system"},
    {10071, "item is not local to host"},
    {10091, "net subsys not usable"},
    {10092, "version not supported"},
    {10093, "WSAStartup not performed"},
    {11001, "host not found"},
    {11002, "re-tryable.."},
    {11003, "non-recoverable error"},
    {11004, "no data of req'd type"},
};
static_assert(std::size(knownErrors) == 50);
} // namespace

QString WinsockErrorText(qint32 code)
{
    for (const KnownError &known : knownErrors) {
        if (known.code == code)
            return cformat("Winsock code #%d %s", code, known.text);
    }
    return cformat("UnDoc'd Winsock code #%d", code);
}
