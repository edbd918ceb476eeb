#include "TimeProtocolServer.h"

#include <algorithm>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{
sockaddr_in loopback(quint16 port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

quint16 boundPort(int fd)
{
    sockaddr_in address{};
    socklen_t length = sizeof address;
    getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length);
    return ntohs(address.sin_port);
}

int boundSocket()
{
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_in address = loopback(0);
    if (fd < 0 || bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0)
        throw std::runtime_error("cannot bind a socket on 127.0.0.1");
    return fd;
}

void sendAll(int fd, const char *data, size_t size)
{
    while (size > 0) {
        const ssize_t sent = send(fd, data, size, MSG_NOSIGNAL);
        if (sent <= 0)
            return;
        data += sent;
        size -= size_t(sent);
    }
}
} // namespace

TimeProtocolServer::TimeProtocolServer(Mode mode, quint32 value)
    : TimeProtocolServer(QList<Mode>{mode}, value)
{
}

TimeProtocolServer::TimeProtocolServer(const QList<Mode> &script, quint32 value)
    : m_script(script.isEmpty() ? QList<Mode>{Mode::Answer} : script), m_value(value)
{
    m_listener = boundSocket();
    m_port = boundPort(m_listener);
    if (m_script.first() == Mode::NeverAccept) {
        // A queue of length zero holds one connection; fill it, and never accept, so the
        // system drops every later connection attempt unanswered.
        listen(m_listener, 0);
        for (int i = 0; i < 2; ++i) {
            const int filler = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
            const sockaddr_in address = loopback(m_port);
            connect(filler, reinterpret_cast<const sockaddr *>(&address), sizeof address);
            m_fillers.push_back(filler);
        }
        usleep(50000); // let the handshakes of the fillers complete
        return;
    }
    listen(m_listener, 64);
    m_wake = eventfd(0, EFD_CLOEXEC);
    m_thread = std::thread([this] { serve(); });
}

TimeProtocolServer::~TimeProtocolServer()
{
    if (m_thread.joinable()) {
        const quint64 one = 1;
        [[maybe_unused]] const ssize_t written = write(m_wake, &one, sizeof one);
        m_thread.join();
    }
    releaseHeld();
    for (int filler : m_fillers)
        close(filler);
    if (m_wake >= 0)
        close(m_wake);
    close(m_listener);
}

void TimeProtocolServer::releaseHeld()
{
    std::lock_guard lock(m_heldMutex);
    for (int fd : m_held)
        close(fd);
    m_held.clear();
}

void TimeProtocolServer::serve()
{
    for (;;) {
        pollfd fds[2] = {{m_listener, POLLIN, 0}, {m_wake, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0)
            continue;
        if (fds[1].revents != 0)
            return;
        const int connection = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0)
            continue;
        const Mode mode = modeFor(m_connections.fetch_add(1));
        const quint32 value = m_value.load();
        const char bytes[4] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
        const char zeros[4] = {0, 0, 0, 0};
        switch (mode) {
        case Mode::Answer:
            sendAll(connection, bytes, 4);
            break;
        case Mode::Zeros:
            sendAll(connection, zeros, 4);
            break;
        case Mode::ThreeBytes:
            sendAll(connection, bytes, 3);
            break;
        case Mode::CloseAtOnce:
        case Mode::NeverAccept:
            break;
        case Mode::NeverAnswer: {
            std::lock_guard lock(m_heldMutex);
            m_held.push_back(connection);
            continue;
        }
        }
        close(connection);
    }
}

TimeProtocolServer::Mode TimeProtocolServer::modeFor(int connection) const
{
    return m_script.at(std::min(connection, int(m_script.size()) - 1));
}

RefusingPort::RefusingPort() : m_fd(boundSocket()), m_port(boundPort(m_fd)) {}

RefusingPort::~RefusingPort()
{
    close(m_fd);
}
