#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <atomic>
#include <chrono>
#include <netinet/in.h>

// How long each blocking step of an exchange may take before it counts as timed out.
struct TimeProtocolTimeouts {
    std::chrono::milliseconds resolve{10000};
    std::chrono::milliseconds connect{10000};
    std::chrono::milliseconds receive{10000};
};

// Wakes a blocked socket step from another thread, so that closing the window never waits
// for a slow server. Once raised it stays raised.
class CancelSignal
{
public:
    CancelSignal();
    ~CancelSignal();
    CancelSignal(const CancelSignal &) = delete;
    CancelSignal &operator=(const CancelSignal &) = delete;

    void raise();
    bool isRaised() const { return m_raised.load(); }
    int fd() const { return m_fd; } // readable once raised

private:
    std::atomic<bool> m_raised{false};
    int m_fd = -1;
};

// The client side of one Time Protocol conversation over TCP: the host's first IPv4
// address, a connection to the port, and one receive of at most four bytes. It never sends.
// Each step returns 0 or a Windows Sockets error number; a timed-out step gives 10060
// ("conn timed out"), a cancelled one 10004 ("blocking call canceled").
class TimeProtocolSocket
{
public:
    explicit TimeProtocolSocket(quint16 port, TimeProtocolTimeouts timeouts = {},
                                const CancelSignal *cancel = nullptr);
    ~TimeProtocolSocket();
    TimeProtocolSocket(const TimeProtocolSocket &) = delete;
    TimeProtocolSocket &operator=(const TimeProtocolSocket &) = delete;

    // The name as it stands, however long; the empty name finds no host.
    qint32 resolve(const QByteArray &hostName);
    // A new socket connected to the resolved address; closed again when this fails.
    qint32 connectToServer();

    struct Received {
        qint32 error = 0;
        QByteArray bytes; // empty when the server closed without sending
    };
    Received receive();

    void close();

private:
    bool wait(int fd, short events, std::chrono::milliseconds timeout, qint32 &error) const;

    quint16 m_port;
    TimeProtocolTimeouts m_timeouts;
    const CancelSignal *m_cancel;
    in_addr m_address{};
    int m_socket = -1;
};
