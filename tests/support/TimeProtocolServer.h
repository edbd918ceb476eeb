#pragma once

#include <QList>
#include <QtGlobal>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

// A Time Protocol server on 127.0.0.1, on a port of its own, that answers each connection
// the way the test asks. It serves on a thread of its own, so a test may block in a client.
class TimeProtocolServer
{
public:
    enum class Mode {
        Answer,      // sends the four bytes of value(), then closes
        Zeros,       // sends four zero bytes
        ThreeBytes,  // sends only the first three bytes of value()
        CloseAtOnce, // closes without sending
        NeverAnswer, // keeps the connection open and sends nothing until released
        NeverAccept, // a full accept queue: new connections are never completed
    };

    explicit TimeProtocolServer(Mode mode = Mode::Answer, quint32 value = 0);
    // Answers the n-th connection as the n-th mode says; the last mode goes on for the rest.
    TimeProtocolServer(const QList<Mode> &script, quint32 value);
    ~TimeProtocolServer();
    TimeProtocolServer(const TimeProtocolServer &) = delete;
    TimeProtocolServer &operator=(const TimeProtocolServer &) = delete;

    quint16 port() const { return m_port; }
    void setValue(quint32 value) { m_value.store(value); }
    quint32 value() const { return m_value.load(); }
    int connections() const { return m_connections.load(); } // accepted so far
    // Closes the connections NeverAnswer holds, which the client sees as a close.
    void releaseHeld();

private:
    void serve();

    Mode modeFor(int connection) const;

    QList<Mode> m_script;
    std::atomic<quint32> m_value;
    std::atomic<int> m_connections{0};
    int m_listener = -1;
    int m_wake = -1;
    quint16 m_port = 0;
    std::vector<int> m_fillers; // the connections that fill a NeverAccept queue
    std::mutex m_heldMutex;
    std::vector<int> m_held;
    std::thread m_thread;
};

// A port on 127.0.0.1 that refuses every connection: bound, so nobody else takes it,
// but not listening. Free again when this goes.
class RefusingPort
{
public:
    RefusingPort();
    ~RefusingPort();
    RefusingPort(const RefusingPort &) = delete;
    RefusingPort &operator=(const RefusingPort &) = delete;

    quint16 port() const { return m_port; }

private:
    int m_fd = -1;
    quint16 m_port = 0;
};
