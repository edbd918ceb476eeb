#pragma once

#include "nettime/TimeProtocol.h"
#include "platform/TimeProtocolSocket.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <thread>

class ClockSetter;
class TimeSource;

// What one exchange works on, handed over when it starts: the list as it stood and the
// position of its selection (-1 for none).
struct SynchRequest {
    QStringList hosts;
    int selected = -1;
    quint16 port = 37;
    TimeProtocolTimeouts timeouts;
};

// Everything an exchange changes in the window, in the order it happens.
class SynchEvents
{
public:
    virtual ~SynchEvents() = default;
    virtual void status(const QString &text) = 0;
    virtual void trayAnimation(bool on) = 0;
    virtual void selectHost(int index) = 0;
    // After the clock has been set (when allowed) and before anything else is shown.
    virtual void succeeded(const QString &hostName, const TimeReading &reading) = 0;
    virtual void ended() = 0;
};

// The readings and rights an exchange uses while it runs.
struct SynchContext {
    const TimeSource &clock;
    ClockSetter *clockSetter = nullptr;            // none: the clock is never set
    const std::atomic<bool> *setPCClock = nullptr; // read when the reply is in
    const CancelSignal *cancel = nullptr;
};

// One exchange, blocking: tries the selected server and each later one until a server
// answers, a server closes without a time, or the list ends. Stops early, reporting
// nothing more, when the exchange is cancelled.
void SynchThread(const SynchRequest &request, const SynchContext &context, SynchEvents &events);

// Runs exchanges on a thread of their own, one at a time, and hands each of their window
// changes to the thread this object lives on as a signal, in the exchange's order.
class SynchWorker : public QObject
{
    Q_OBJECT
public:
    SynchWorker(const TimeSource &clock, ClockSetter *clockSetter, quint16 port,
                TimeProtocolTimeouts timeouts = {}, QObject *parent = nullptr);
    // Cancels a running exchange and waits for its thread, which ends at once.
    ~SynchWorker() override;

    // Starts an exchange and returns at once; does nothing and returns false while one runs.
    bool start(const QStringList &hosts, int selected, bool setPCClock);
    bool isRunning() const { return m_running; }

    // Follows the window's "Set PC Clock" box while an exchange runs.
    void setSetPCClock(bool on) { m_setPCClock.store(on); }

signals:
    void status(const QString &text);
    void trayAnimation(bool on);
    void selectHost(int index);
    void succeeded(const QString &hostName, const TimeReading &reading);
    void ended();

private:
    class Relay;

    const TimeSource &m_clock;
    ClockSetter *m_clockSetter;
    quint16 m_port;
    TimeProtocolTimeouts m_timeouts;
    std::atomic<bool> m_setPCClock{false};
    CancelSignal m_cancel;
    bool m_running = false;
    std::thread m_thread;
};
