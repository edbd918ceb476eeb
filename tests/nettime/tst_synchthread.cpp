#include "FakeClockSetter.h"
#include "FakeTimeSource.h"
#include "TimeProtocolServer.h"
#include "nettime/SynchWorker.h"

#include <QTest>
#include <mutex>

using namespace std::chrono_literals;
using Mode = TimeProtocolServer::Mode;

namespace
{
constexpr quint32 millennium = 3155673600u; // BC 17 C2 00: 2000-01-01 00:00:00 UTC
constexpr qint64 y2k = 946684800;

// Every change an exchange makes to the window, as one line each, in order.
class Recorder final : public SynchEvents
{
public:
    void status(const QString &text) override { log << QStringLiteral("status ") + text; }
    void trayAnimation(bool on) override { log << (on ? "tray on" : "tray off"); }
    void selectHost(int index) override { log << QStringLiteral("select %1").arg(index); }
    void succeeded(const QString &hostName, const TimeReading &r) override
    {
        reading = r;
        log << QStringLiteral("succeeded %1").arg(hostName);
    }
    void ended() override { log << QStringLiteral("ended"); }

    QStringList statuses() const
    {
        QStringList result;
        for (const QString &line : log)
            if (line.startsWith(QLatin1String("status ")))
                result << line.mid(7);
        return result;
    }
    QList<int> selections() const
    {
        QList<int> result;
        for (const QString &line : log)
            if (line.startsWith(QLatin1String("select ")))
                result << line.mid(7).toInt();
        return result;
    }

    QStringList log;
    TimeReading reading;
};

// A PC clock whose millisecond counter reads the given values one after the other, as
// around a receive that took as long as the test says.
class SteppingTicks final : public TimeSource
{
public:
    SteppingTicks(const FakeTimeSource &clock, QList<quint32> ticks)
        : m_clock(clock), m_ticks(std::move(ticks))
    {
    }
    ClockReading now() const override { return m_clock.now(); }
    quint32 tickCount() const override
    {
        std::lock_guard lock(m_mutex);
        return m_ticks.size() > 1 ? m_ticks.takeFirst() : m_ticks.first();
    }

private:
    const FakeTimeSource &m_clock;
    mutable std::mutex m_mutex;
    mutable QList<quint32> m_ticks;
};

struct Exchange {
    Exchange() { pc.utc = QDateTime::fromSecsSinceEpoch(y2k, Qt::UTC); }

    Recorder run(const QStringList &hosts, int selected, quint16 port,
                 const TimeSource *clock = nullptr)
    {
        SynchRequest request{hosts, selected, port, {2000ms, 300ms, 300ms}};
        const SynchContext context{clock ? *clock : pc, &setter, &setPCClock, nullptr};
        Recorder recorder;
        SynchThread(request, context, recorder);
        return recorder;
    }

    FakeTimeSource pc;
    FakeClockSetter setter;
    std::atomic<bool> setPCClock{true};
};

const QString refused =
    QStringLiteral("Socket call failed Winsock code #10061 conn refused by host");
const QString notFoundEmpty =
    QStringLiteral("Unable to resolve host name  Winsock code #11001 host not found");
} // namespace

// One exchange from start to end, run on the test's own thread against servers on
// 127.0.0.1, with every change it makes recorded in order.
class SynchThreadTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qputenv("TZ", "UTC0");
        tzset();
    }

    void successSetsTheClockThenReports();
    void clockIsLeftAloneWhenNotAllowed();
    void serverWithoutATimeEndsTheExchange_data();
    void serverWithoutATimeEndsTheExchange();
    void failedServersPassToTheNext_data();
    void failedServersPassToTheNext();
    void tenthOfThirtyTriesToTheEndAndLeavesTheFirstSelected();
    void noSelectionStartsWithTheEmptyName();
    void emptyListMakesOneAttempt();
    void latencyCorrectsTheTime_data();
    void latencyCorrectsTheTime();
    void longNamesAreTriedWhole();
};

void SynchThreadTest::successSetsTheClockThenReports()
{
    TimeProtocolServer server(Mode::Answer, millennium);
    Exchange exchange;
    exchange.pc.utc = QDateTime::fromSecsSinceEpoch(y2k - 3, Qt::UTC); // 3 s slow
    const Recorder r = exchange.run({QStringLiteral("127.0.0.1")}, 0, server.port());

    QCOMPARE(r.log, QStringList({"status Resolving host address", "tray on", "status Reading",
                                 "succeeded 127.0.0.1", "ended"}));
    QCOMPARE(r.reading.correctTime, y2k);
    QCOMPARE(r.reading.serverSince1900, qint64(millennium));
    QCOMPARE(r.reading.error, 3);
    QCOMPARE(exchange.setter.instants(), QList<qint64>{y2k});
}

void SynchThreadTest::clockIsLeftAloneWhenNotAllowed()
{
    TimeProtocolServer server(Mode::Answer, millennium);
    Exchange exchange;
    exchange.setPCClock = false;
    const Recorder r = exchange.run({QStringLiteral("127.0.0.1")}, 0, server.port());
    QVERIFY(r.log.contains(QStringLiteral("succeeded 127.0.0.1")));
    QVERIFY(exchange.setter.instants().isEmpty());
}

void SynchThreadTest::serverWithoutATimeEndsTheExchange_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("four zero bytes") << int(Mode::Zeros);
    QTest::newRow("closes at once") << int(Mode::CloseAtOnce);
    QTest::newRow("three bytes") << int(Mode::ThreeBytes);
}

void SynchThreadTest::serverWithoutATimeEndsTheExchange()
{
    QFETCH(int, mode);
    TimeProtocolServer server(Mode(mode), millennium);
    Exchange exchange;
    // The second entry would answer, but a server that answered at all ends the exchange.
    const Recorder r =
        exchange.run({QStringLiteral("127.0.0.1"), QStringLiteral("127.0.0.1")}, 0, server.port());
    QCOMPARE(r.log, QStringList({"status Resolving host address", "tray on", "status Reading",
                                 "status Time from 127.0.0.1 didn't come in..", "ended"}));
    QCOMPARE(server.connections(), 1);
    QVERIFY(exchange.setter.instants().isEmpty());
}

void SynchThreadTest::failedServersPassToTheNext_data()
{
    QTest::addColumn<QString>("firstHost");
    QTest::addColumn<int>("firstMode");
    QTest::addColumn<QStringList>("firstTry");

    QTest::newRow("name not resolved")
        << "nonexistent.invalid" << int(Mode::Answer)
        << QStringList{"status Unable to resolve host name nonexistent.invalid Winsock code "
                       "#11001 host not found"};
    QTest::newRow("silent server: receive times out")
        << "127.0.0.1" << int(Mode::NeverAnswer)
        << QStringList{"status Reading", "status Recv 10060; service probably not running"};
}

void SynchThreadTest::failedServersPassToTheNext()
{
    QFETCH(QString, firstHost);
    QFETCH(int, firstMode);
    QFETCH(QStringList, firstTry);
    TimeProtocolServer server({Mode(firstMode), Mode::Answer}, millennium);
    Exchange exchange;
    const Recorder r = exchange.run({firstHost, QStringLiteral("localhost")}, 0, server.port());

    const QStringList expected =
        QStringList{"status Resolving host address", "tray on"} + firstTry +
        QStringList{"select 1", "status Reading", "succeeded localhost", "ended"};
    QCOMPARE(r.log, expected);
}

void SynchThreadTest::tenthOfThirtyTriesToTheEndAndLeavesTheFirstSelected()
{
    RefusingPort refusing;
    Exchange exchange;
    const Recorder r =
        exchange.run(QStringList(30, QStringLiteral("127.0.0.1")), 9, refusing.port());

    QStringList expected{QStringLiteral("Resolving host address")};
    for (int i = 9; i < 30; ++i)
        expected << refused;
    QCOMPARE(r.statuses(), expected);
    QList<int> moves;
    for (int i = 10; i < 30; ++i)
        moves << i;
    moves << 0;
    QCOMPARE(r.selections(), moves);
    QCOMPARE(r.log.last(), QStringLiteral("ended"));
}

void SynchThreadTest::noSelectionStartsWithTheEmptyName()
{
    TimeProtocolServer server(Mode::Answer, millennium);
    Exchange exchange;
    const Recorder r = exchange.run({QStringLiteral("127.0.0.1")}, -1, server.port());
    QCOMPARE(r.log,
             QStringList({"status Resolving host address", "tray on", "status " + notFoundEmpty,
                          "select 0", "status Reading", "succeeded 127.0.0.1", "ended"}));
}

void SynchThreadTest::emptyListMakesOneAttempt()
{
    Exchange exchange;
    const Recorder r = exchange.run({}, -1, 37);
    QCOMPARE(r.log, QStringList({"status Resolving host address", "tray on",
                                 "status " + notFoundEmpty, "select -1", "ended"}));
}

void SynchThreadTest::latencyCorrectsTheTime_data()
{
    QTest::addColumn<quint32>("before");
    QTest::addColumn<quint32>("after");
    QTest::addColumn<quint32>("latency");
    QTest::addColumn<qint64>("correctTime");

    QTest::newRow("2500 ms adds a second") << 500u << 3000u << 1250u << y2k + 1;
    QTest::newRow("1999 ms adds nothing") << 500u << 2499u << 999u << y2k;
    QTest::newRow("across the counter's wrap") << 0xFFFFFC18u << 1500u << 1250u << y2k + 1;
}

void SynchThreadTest::latencyCorrectsTheTime()
{
    QFETCH(quint32, before);
    QFETCH(quint32, after);
    QFETCH(quint32, latency);
    QFETCH(qint64, correctTime);
    TimeProtocolServer server(Mode::Answer, millennium);
    Exchange exchange;
    const SteppingTicks ticks(exchange.pc, {before, after});
    const Recorder r = exchange.run({QStringLiteral("127.0.0.1")}, 0, server.port(), &ticks);
    QCOMPARE(r.reading.latencyMs, latency);
    QCOMPARE(r.reading.correctTime, correctTime);
    QCOMPARE(exchange.setter.instants(), QList<qint64>{correctTime});
}

void SynchThreadTest::longNamesAreTriedWhole()
{
    // Far past the 119 characters a name was once cut to; the whole name is looked up
    // and shown.
    const QString name = QString(200, QLatin1Char('a')) + QStringLiteral(".invalid");
    Exchange exchange;
    const Recorder r = exchange.run({name}, 0, 37);
    QCOMPARE(r.statuses().size(), 2);
    QVERIFY2(r.statuses().at(1).startsWith(QStringLiteral("Unable to resolve host name ") + name +
                                           QLatin1Char(' ')),
             qPrintable(r.statuses().at(1)));
}

QTEST_GUILESS_MAIN(SynchThreadTest)
#include "tst_synchthread.moc"
