#include "platform/TimeProtocolSocket.h"

#include "nettime/WinsockErrors.h"
#include "platform/SocketErrors.h"

#include <arpa/inet.h>
#include <cerrno>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <netdb.h>
#include <poll.h>
#include <string>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using std::chrono::milliseconds;
using std::chrono::steady_clock;

CancelSignal::CancelSignal() : m_fd(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

CancelSignal::~CancelSignal()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void CancelSignal::raise()
{
    m_raised.store(true);
    if (m_fd >= 0) {
        const quint64 one = 1;
        [[maybe_unused]] const ssize_t written = ::write(m_fd, &one, sizeof one);
    }
}

namespace
{
// One name lookup, shared between the waiting exchange and the thread that runs it: the
// resolver has no time-out of its own, so the exchange may stop waiting and leave the
// lookup to finish on its own.
struct Lookup {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    int eaiError = 0;
    int savedErrno = 0;
    in_addr address{};
};

void runLookup(const std::shared_ptr<Lookup> &lookup, const std::string &name)
{
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *answer = nullptr;
    errno = 0;
    const int eai = getaddrinfo(name.c_str(), nullptr, &hints, &answer);
    const int savedErrno = errno;
    std::lock_guard lock(lookup->mutex);
    lookup->eaiError = eai;
    lookup->savedErrno = savedErrno;
    if (eai == 0) {
        if (answer && answer->ai_addr && answer->ai_family == AF_INET)
            lookup->address = reinterpret_cast<const sockaddr_in *>(answer->ai_addr)->sin_addr;
        else
            lookup->eaiError = EAI_NONAME;
    }
    if (answer)
        freeaddrinfo(answer);
    lookup->finished = true;
    lookup->done.notify_all();
}
} // namespace

TimeProtocolSocket::TimeProtocolSocket(quint16 port, TimeProtocolTimeouts timeouts,
                                       const CancelSignal *cancel)
    : m_port(port), m_timeouts(timeouts), m_cancel(cancel)
{
}

TimeProtocolSocket::~TimeProtocolSocket()
{
    close();
}

void TimeProtocolSocket::close()
{
    if (m_socket >= 0) {
        ::close(m_socket);
        m_socket = -1;
    }
}

qint32 TimeProtocolSocket::resolve(const QByteArray &hostName)
{
    if (hostName.isEmpty() || hostName.contains('\0'))
        return Winsock::HostNotFound;
    const std::string name = hostName.toStdString();
    // A plain dotted address needs no lookup, and no thread.
    if (inet_pton(AF_INET, name.c_str(), &m_address) == 1)
        return 0;

    auto lookup = std::make_shared<Lookup>();
    try {
        std::thread(runLookup, lookup, name).detach();
    } catch (const std::system_error &) {
        return Winsock::NoBuffers;
    }
    const auto deadline = steady_clock::now() + m_timeouts.resolve;
    std::unique_lock lock(lookup->mutex);
    while (!lookup->finished) {
        if (m_cancel && m_cancel->isRaised())
            return Winsock::Interrupted;
        const auto now = steady_clock::now();
        if (now >= deadline)
            return Winsock::TryAgain; // what the resolver itself says when it gets no answer
        // Short slices, so that a cancel is seen soon.
        lookup->done.wait_for(lock,
                              std::min<steady_clock::duration>(deadline - now, milliseconds(20)));
    }
    if (lookup->eaiError != 0)
        return WinsockErrorFromResolver(lookup->eaiError, lookup->savedErrno);
    m_address = lookup->address;
    return 0;
}

bool TimeProtocolSocket::wait(int fd, short events, milliseconds timeout, qint32 &error) const
{
    const auto deadline = steady_clock::now() + timeout;
    pollfd fds[2] = {{fd, events, 0}, {m_cancel ? m_cancel->fd() : -1, POLLIN, 0}};
    for (;;) {
        if (m_cancel && m_cancel->isRaised()) {
            error = Winsock::Interrupted;
            return false;
        }
        const auto left = std::chrono::duration_cast<milliseconds>(deadline - steady_clock::now());
        if (left.count() < 0) {
            error = Winsock::TimedOut;
            return false;
        }
        // Round up, so that a wait never ends a moment before its deadline and spins.
        const int result = poll(fds, 2, int(left.count()) + 1);
        if (result < 0) {
            if (errno == EINTR)
                continue;
            error = WinsockErrorFromErrno(errno);
            return false;
        }
        if (fds[0].revents != 0)
            return true;
    }
}

qint32 TimeProtocolSocket::connectToServer()
{
    close();
    m_socket = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (m_socket < 0)
        return WinsockErrorFromErrno(errno);

    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(m_port);
    address.sin_addr = m_address;
    int result = ::connect(m_socket, reinterpret_cast<const sockaddr *>(&address), sizeof address);
    if (result == 0)
        return 0;
    // An interrupted connect goes on in the background, like one in progress.
    if (errno != EINPROGRESS && errno != EINTR) {
        const qint32 error = WinsockErrorFromErrno(errno);
        close();
        return error;
    }

    qint32 error = 0;
    if (!wait(m_socket, POLLOUT, m_timeouts.connect, error)) {
        close();
        return error;
    }
    int socketError = 0;
    socklen_t length = sizeof socketError;
    if (getsockopt(m_socket, SOL_SOCKET, SO_ERROR, &socketError, &length) < 0)
        socketError = errno;
    if (socketError != 0) {
        close();
        return WinsockErrorFromErrno(socketError);
    }
    return 0;
}

TimeProtocolSocket::Received TimeProtocolSocket::receive()
{
    Received received;
    if (m_socket < 0) {
        received.error = Winsock::NotConnected;
        return received;
    }
    if (!wait(m_socket, POLLIN, m_timeouts.receive, received.error))
        return received;
    char buffer[4];
    ssize_t count;
    do {
        count = ::recv(m_socket, buffer, sizeof buffer, 0);
    } while (count < 0 && errno == EINTR);
    if (count < 0)
        received.error = WinsockErrorFromErrno(errno);
    else
        received.bytes = QByteArray(buffer, qsizetype(count));
    return received;
}
