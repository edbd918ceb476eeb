#include "nettime/SynchWorker.h"

#include "nettime/SynchTexts.h"
#include "platform/ClockSetter.h"
#include "platform/TimeSource.h"
#include "shell/ListSelection.h"

#include <QMetaObject>
#include <system_error>

void SynchThread(const SynchRequest &request, const SynchContext &context, SynchEvents &events)
{
    const auto cancelled = [&context] { return context.cancel && context.cancel->isRaised(); };
    TimeProtocolSocket socket(request.port, request.timeouts, context.cancel);
    const int count = int(request.hosts.size());
    int selected = PositionInList(request.selected, count);

    events.status(QStringLiteral("Resolving host address"));
    events.trayAnimation(true);

    // A failed server: the next one, or the end of the exchange.
    const auto nextServer = [&] {
        const NextServerStep step = NextServer(selected, count);
        selected = step.select;
        events.selectHost(selected);
        return step.tryNext;
    };

    for (;;) {
        const QString hostName = selected >= 0 ? request.hosts.at(selected) : QString();

        const qint32 resolveError = socket.resolve(hostName.toLatin1());
        if (cancelled())
            return;
        if (resolveError != 0) {
            events.status(ResolveFailedText(hostName, resolveError));
            if (nextServer())
                continue;
            break;
        }
        const qint32 connectError = socket.connectToServer();
        if (cancelled())
            return;
        if (connectError != 0) {
            events.status(SocketFailedText(connectError));
            if (nextServer())
                continue;
            break;
        }

        events.status(QStringLiteral("Reading"));
        const quint32 ticksBefore = context.clock.tickCount();
        const TimeProtocolSocket::Received received = socket.receive();
        if (cancelled())
            return;
        if (received.error != 0) {
            socket.close();
            events.status(RecvFailedText(received.error));
            if (nextServer())
                continue;
            break;
        }
        const quint32 latency = HalfRoundTrip(ticksBefore, context.clock.tickCount());
        socket.close();

        const std::optional<quint32> count1900 = DecodeTimeReply(received.bytes);
        if (!count1900) {
            events.status(NoTimeText(hostName));
            break; // a server that answered without a time ends the exchange
        }
        const qint64 pcNow = context.clock.utcNow().toSecsSinceEpoch();
        const TimeReading reading = ReadServerTime(*count1900, latency, pcNow);
        if (context.clockSetter && context.setPCClock && context.setPCClock->load())
            context.clockSetter->setClock(reading.correctTime);
        events.succeeded(hostName, reading);
        break;
    }
    events.ended();
}

// Hands each event of the worker thread to the worker object's own thread, in order.
class SynchWorker::Relay final : public SynchEvents
{
public:
    explicit Relay(SynchWorker *worker) : m_worker(worker) {}

    void status(const QString &text) override
    {
        post([text](SynchWorker *w) { emit w->status(text); });
    }
    void trayAnimation(bool on) override
    {
        post([on](SynchWorker *w) { emit w->trayAnimation(on); });
    }
    void selectHost(int index) override
    {
        post([index](SynchWorker *w) { emit w->selectHost(index); });
    }
    void succeeded(const QString &hostName, const TimeReading &reading) override
    {
        post([hostName, reading](SynchWorker *w) { emit w->succeeded(hostName, reading); });
    }
    void ended() override
    {
        post([](SynchWorker *w) {
            // The thread has nothing left to do but return.
            if (w->m_thread.joinable())
                w->m_thread.join();
            w->m_running = false;
            emit w->ended();
        });
    }

private:
    template <typename Step> void post(Step step)
    {
        SynchWorker *worker = m_worker;
        QMetaObject::invokeMethod(
            worker, [worker, step] { step(worker); }, Qt::QueuedConnection);
    }

    SynchWorker *m_worker;
};

SynchWorker::SynchWorker(const TimeSource &clock, ClockSetter *clockSetter, quint16 port,
                         TimeProtocolTimeouts timeouts, QObject *parent)
    : QObject(parent), m_clock(clock), m_clockSetter(clockSetter), m_port(port),
      m_timeouts(timeouts)
{
}

SynchWorker::~SynchWorker()
{
    m_cancel.raise();
    if (m_thread.joinable())
        m_thread.join();
}

bool SynchWorker::start(const QStringList &hosts, int selected, bool setPCClock)
{
    if (m_running)
        return false;
    if (m_thread.joinable())
        m_thread.join();
    m_running = true;
    m_setPCClock.store(setPCClock);
    SynchRequest request{hosts, selected, m_port, m_timeouts};
    try {
        m_thread = std::thread([this, request = std::move(request)] {
            Relay relay(this);
            const SynchContext context{m_clock, m_clockSetter, &m_setPCClock, &m_cancel};
            SynchThread(request, context, relay);
        });
    } catch (const std::system_error &) {
        m_running = false; // no thread to be had: nothing started
        return false;
    }
    return true;
}
