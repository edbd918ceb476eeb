// One Time Protocol exchange on loopback, and an exchange that fails over through thirty
// servers that refuse, each run end to end by the worker routine on this thread.
#include "FakeClockSetter.h"
#include "FakeTimeSource.h"
#include "TimeProtocolServer.h"
#include "nettime/SynchWorker.h"

#include <benchmark/benchmark.h>

namespace
{
// Counts what an exchange would show, and shows nothing.
class CountingEvents final : public SynchEvents
{
public:
    void status(const QString &) override { ++changes; }
    void trayAnimation(bool) override { ++changes; }
    void selectHost(int) override { ++changes; }
    void succeeded(const QString &, const TimeReading &) override { ++successes; }
    void ended() override { ++changes; }
    long changes = 0;
    long successes = 0;
};
} // namespace

static void BM_ExchangeOnLoopback(benchmark::State &state)
{
    TimeProtocolServer server(TimeProtocolServer::Mode::Answer, 3155673600u);
    FakeTimeSource clock;
    FakeClockSetter setter;
    std::atomic<bool> setPCClock{true};
    const SynchContext context{clock, &setter, &setPCClock, nullptr};
    const SynchRequest request{{QStringLiteral("127.0.0.1")}, 0, server.port(), {}};
    CountingEvents events;
    for (auto _ : state)
        SynchThread(request, context, events);
    if (events.successes != state.iterations())
        state.SkipWithError("an exchange did not succeed");
}
BENCHMARK(BM_ExchangeOnLoopback)->Unit(benchmark::kMicrosecond);

static void BM_FailOverThirtyRefusals(benchmark::State &state)
{
    RefusingPort refusing;
    FakeTimeSource clock;
    std::atomic<bool> setPCClock{false};
    const SynchContext context{clock, nullptr, &setPCClock, nullptr};
    const SynchRequest request{
        QStringList(30, QStringLiteral("127.0.0.1")), 0, refusing.port(), {}};
    CountingEvents events;
    for (auto _ : state)
        SynchThread(request, context, events);
    if (events.successes != 0)
        state.SkipWithError("a refusing server answered");
}
BENCHMARK(BM_FailOverThirtyRefusals)->Unit(benchmark::kMicrosecond);
