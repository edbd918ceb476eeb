#include "TimeProtocolServer.h"
#include "platform/TimeProtocolSocket.h"

#include <QTest>
#include <thread>

using namespace std::chrono_literals;
using Mode = TimeProtocolServer::Mode;

namespace
{
TimeProtocolTimeouts shortTimeouts()
{
    return {2000ms, 300ms, 300ms};
}
} // namespace

// The client's socket against servers on 127.0.0.1: what each step returns, and that a
// silent server or an unanswered connection ends in a time-out instead of a hang.
class TimeProtocolSocketTest : public QObject
{
    Q_OBJECT
private slots:
    void receivesWhatTheServerSends_data();
    void receivesWhatTheServerSends();
    void refusedConnection();
    void silentServerTimesOutTheReceive();
    void unansweredConnectTimesOut();
    void namesThatFindNoHost_data();
    void namesThatFindNoHost();
    void cancelWakesABlockedReceive();
};

void TimeProtocolSocketTest::receivesWhatTheServerSends_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("answer") << int(Mode::Answer) << QByteArray::fromHex("BC17C200");
    QTest::newRow("zeros") << int(Mode::Zeros) << QByteArray::fromHex("00000000");
    QTest::newRow("three bytes") << int(Mode::ThreeBytes) << QByteArray::fromHex("BC17C2");
    QTest::newRow("closes at once") << int(Mode::CloseAtOnce) << QByteArray();
}

void TimeProtocolSocketTest::receivesWhatTheServerSends()
{
    QFETCH(int, mode);
    QFETCH(QByteArray, bytes);
    TimeProtocolServer server(Mode(mode), 3155673600u);
    TimeProtocolSocket socket(server.port(), shortTimeouts());
    QCOMPARE(socket.resolve("127.0.0.1"), 0);
    QCOMPARE(socket.connectToServer(), 0);
    const TimeProtocolSocket::Received received = socket.receive();
    QCOMPARE(received.error, 0);
    QCOMPARE(received.bytes, bytes);
    QCOMPARE(server.connections(), 1);
}

void TimeProtocolSocketTest::refusedConnection()
{
    RefusingPort refusing;
    TimeProtocolSocket socket(refusing.port(), shortTimeouts());
    QCOMPARE(socket.resolve("localhost"), 0);
    QCOMPARE(socket.connectToServer(), 10061);
    // The failed socket is closed: nothing is left to receive from.
    QCOMPARE(socket.receive().error, 10057);
}

void TimeProtocolSocketTest::silentServerTimesOutTheReceive()
{
    TimeProtocolServer server(Mode::NeverAnswer);
    TimeProtocolSocket socket(server.port(), shortTimeouts());
    QCOMPARE(socket.resolve("127.0.0.1"), 0);
    QCOMPARE(socket.connectToServer(), 0);
    const TimeProtocolSocket::Received received = socket.receive();
    QCOMPARE(received.error, 10060);
    QVERIFY(received.bytes.isEmpty());
}

void TimeProtocolSocketTest::unansweredConnectTimesOut()
{
    TimeProtocolServer server(Mode::NeverAccept);
    TimeProtocolSocket socket(server.port(), shortTimeouts());
    QCOMPARE(socket.resolve("127.0.0.1"), 0);
    QCOMPARE(socket.connectToServer(), 10060);
}

void TimeProtocolSocketTest::namesThatFindNoHost_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("reserved as nonexistent") << QByteArray("nonexistent.invalid");
    QTest::newRow("embedded NUL") << QByteArray("127.0.0.1\0.invalid", 19);
}

void TimeProtocolSocketTest::namesThatFindNoHost()
{
    QFETCH(QByteArray, name);
    TimeProtocolSocket socket(37, shortTimeouts());
    QCOMPARE(socket.resolve(name), 11001);
}

void TimeProtocolSocketTest::cancelWakesABlockedReceive()
{
    TimeProtocolServer server(Mode::NeverAnswer);
    CancelSignal cancel;
    TimeProtocolSocket socket(server.port(), {10s, 10s, 60s}, &cancel);
    QCOMPARE(socket.resolve("127.0.0.1"), 0);
    QCOMPARE(socket.connectToServer(), 0);
    std::thread canceller([&cancel] {
        std::this_thread::sleep_for(100ms);
        cancel.raise();
    });
    const TimeProtocolSocket::Received received = socket.receive();
    canceller.join();
    QCOMPARE(received.error, 10004);
    // Once raised, every later step returns at once too.
    QCOMPARE(socket.resolve("nonexistent.invalid"), 10004);
}

QTEST_APPLESS_MAIN(TimeProtocolSocketTest)
#include "tst_timeprotocolsocket.moc"
