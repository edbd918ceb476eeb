#include "nettime/SynchTexts.h"
#include "nettime/TimeProtocol.h"
#include "shell/CFormat.h"

#include <QTest>
#include <cmath>
#include <ctime>
#include <limits>

namespace
{
constexpr qint64 era = qint64(1) << 32;
constexpr qint64 y2k = 946684800; // 2000-01-01 00:00:00 UTC

void setZone(const char *tz)
{
    qputenv("TZ", tz);
    tzset();
}
} // namespace

// The arithmetic and the texts of one exchange, without a network.
class TimeProtocolTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { setZone("UTC0"); }
    void cleanupTestCase() { qunsetenv("TZ"); }

    void decodesOnlyFourNonZeroBytes_data();
    void decodesOnlyFourNonZeroBytes();
    void latencyIsHalfTheRoundTripAcrossTheWrap_data();
    void latencyIsHalfTheRoundTripAcrossTheWrap();
    void wholeSecondsOfLatencyCorrectTheTime_data();
    void wholeSecondsOfLatencyCorrectTheTime();
    void errorIsPositiveWhenThePcIsBehind_data();
    void errorIsPositiveWhenThePcIsBehind();
    void countIsReadInTheEraNearestThePcClock_data();
    void countIsReadInTheEraNearestThePcClock();
    void driftAddsThePreviousFigureUnweighted();
    void driftStartsAfreshFromStatisticsThatCannotBeDivided_data();
    void driftStartsAfreshFromStatisticsThatCannotBeDivided();
    void nextServerGoesDownTheListAndNeverWraps_data();
    void nextServerGoesDownTheListAndNeverWraps();
    void resultTextsOfTheMillenniumReply();
    void resultTextsFollowTheLocalZone();
    void resultTextsAfter2036();
    void namesAndNumbersAreArgumentsNotFormats();
};

void TimeProtocolTest::decodesOnlyFourNonZeroBytes_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("counts");
    QTest::addColumn<quint32>("value");

    QTest::newRow("the millennium") << QByteArray::fromHex("BC17C200") << true << 3155673600u;
    QTest::newRow("most significant first") << QByteArray::fromHex("00000001") << true << 1u;
    QTest::newRow("the largest count") << QByteArray::fromHex("FFFFFFFF") << true << 0xFFFFFFFFu;
    QTest::newRow("four zeros") << QByteArray::fromHex("00000000") << false << 0u;
    QTest::newRow("three bytes") << QByteArray::fromHex("BC17C2") << false << 0u;
    QTest::newRow("nothing") << QByteArray() << false << 0u;
    QTest::newRow("five bytes") << QByteArray::fromHex("BC17C20001") << false << 0u;
}

void TimeProtocolTest::decodesOnlyFourNonZeroBytes()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, counts);
    QFETCH(quint32, value);
    const std::optional<quint32> decoded = DecodeTimeReply(reply);
    QCOMPARE(decoded.has_value(), counts);
    if (counts)
        QCOMPARE(*decoded, value);
}

void TimeProtocolTest::latencyIsHalfTheRoundTripAcrossTheWrap_data()
{
    QTest::addColumn<quint32>("before");
    QTest::addColumn<quint32>("after");
    QTest::addColumn<quint32>("latency");

    QTest::newRow("2500 ms") << 1000u << 3500u << 1250u;
    QTest::newRow("1999 ms, rounded down") << 0u << 1999u << 999u;
    QTest::newRow("instant") << 77u << 77u << 0u;
    QTest::newRow("across the wrap") << 0xFFFFFC18u << 1500u << 1250u; // 1000 before, 1500 after
}

void TimeProtocolTest::latencyIsHalfTheRoundTripAcrossTheWrap()
{
    QFETCH(quint32, before);
    QFETCH(quint32, after);
    QFETCH(quint32, latency);
    QCOMPARE(HalfRoundTrip(before, after), latency);
}

void TimeProtocolTest::wholeSecondsOfLatencyCorrectTheTime_data()
{
    QTest::addColumn<quint32>("latency");
    QTest::addColumn<qint64>("correctTime");

    QTest::newRow("none") << 0u << y2k;
    QTest::newRow("999 ms adds nothing") << 999u << y2k;
    QTest::newRow("1000 ms adds a second") << 1000u << y2k + 1;
    QTest::newRow("1250 ms adds a second") << 1250u << y2k + 1;
    QTest::newRow("2999 ms adds two") << 2999u << y2k + 2;
}

void TimeProtocolTest::wholeSecondsOfLatencyCorrectTheTime()
{
    QFETCH(quint32, latency);
    QFETCH(qint64, correctTime);
    const TimeReading reading = ReadServerTime(3155673600u, latency, y2k);
    QCOMPARE(reading.correctTime, correctTime);
    QCOMPARE(reading.serverSince1900, qint64(3155673600u)); // the moon's instant is uncorrected
    QCOMPARE(reading.latencyMs, latency);
}

void TimeProtocolTest::errorIsPositiveWhenThePcIsBehind_data()
{
    QTest::addColumn<qint64>("pc");
    QTest::addColumn<quint32>("latency");
    QTest::addColumn<qint32>("error");

    QTest::newRow("3 s slow") << y2k - 3 << 0u << 3;
    QTest::newRow("3 s fast") << y2k + 3 << 0u << -3;
    QTest::newRow("right") << y2k << 0u << 0;
    QTest::newRow("right, reply a second late") << y2k + 1 << 1000u << 0;
}

void TimeProtocolTest::errorIsPositiveWhenThePcIsBehind()
{
    QFETCH(qint64, pc);
    QFETCH(quint32, latency);
    QFETCH(qint32, error);
    QCOMPARE(ReadServerTime(3155673600u, latency, pc).error, error);
}

void TimeProtocolTest::countIsReadInTheEraNearestThePcClock_data()
{
    QTest::addColumn<quint32>("count");
    QTest::addColumn<qint64>("pcSince1970");
    QTest::addColumn<qint64>("since1900");

    const qint64 wrap1970 = era - SecondsFrom1900To1970; // 2036-02-07 06:28:16 UTC
    QTest::newRow("2000") << 3155673600u << y2k << qint64(3155673600u);
    QTest::newRow("last second of the first era") << 0xFFFFFFFFu << wrap1970 - 1 << era - 1;
    QTest::newRow("just after the wrap") << 5u << wrap1970 + 3 << era + 5;
    QTest::newRow("reply before the wrap, PC just after")
        << 0xFFFFFFF0u << wrap1970 + 10 << era - 16;
    QTest::newRow("reply after the wrap, PC just before") << 10u << wrap1970 - 10 << era + 10;
    QTest::newRow("2040") << quint32(2208988800LL + 2212185600LL - era) << qint64(2212185600)
                          << 2208988800LL + 2212185600LL;
    QTest::newRow("PC reset to 1970, server in 2024")
        << quint32(3913056000u) << qint64(0) << qint64(3913056000u);
}

void TimeProtocolTest::countIsReadInTheEraNearestThePcClock()
{
    QFETCH(quint32, count);
    QFETCH(qint64, pcSince1970);
    QFETCH(qint64, since1900);
    QCOMPARE(ServerSecondsSince1900(count, pcSince1970), since1900);
    QCOMPARE(ReadServerTime(count, 0, pcSince1970).correctTime, since1900 - SecondsFrom1900To1970);
}

void TimeProtocolTest::driftAddsThePreviousFigureUnweighted()
{
    DriftStatistics drift; // fresh settings: 0 over 1
    AddDriftSample(drift, 6);
    QCOMPARE(drift.NumberOfHits, 2);
    QCOMPARE(cformat("%2.3f Sec", double(drift.AvgTimeErr)), QStringLiteral("3.000 Sec"));
    AddDriftSample(drift, 3);
    QCOMPARE(drift.NumberOfHits, 3);
    QCOMPARE(cformat("%2.3f Sec", double(drift.AvgTimeErr)), QStringLiteral("2.000 Sec"));
    AddDriftSample(drift, -4);
    QCOMPARE(drift.NumberOfHits, 4);
    QCOMPARE(cformat("%2.3f Sec", double(drift.AvgTimeErr)), QStringLiteral("-0.500 Sec"));
}

void TimeProtocolTest::driftStartsAfreshFromStatisticsThatCannotBeDivided_data()
{
    QTest::addColumn<float>("figure");
    QTest::addColumn<qint32>("hits");
    QTest::addColumn<float>("newFigure");
    QTest::addColumn<qint32>("newHits");

    // A stored count of -1 would divide by zero; from there on the figure would be lost.
    QTest::newRow("count -1") << 5.0f << -1 << 3.0f << 2;
    QTest::newRow("count below -1") << 5.0f << -7 << 3.0f << 2;
    QTest::newRow("count at its limit") << 5.0f << std::numeric_limits<qint32>::max() << 3.0f << 2;
    QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << 4 << 3.0f << 2;
    QTest::newRow("infinite") << std::numeric_limits<float>::infinity() << 4 << 3.0f << 2;
    // A count of 0 divides by 1 and is kept as it is.
    QTest::newRow("count 0") << 4.0f << 0 << 10.0f << 1;
}

void TimeProtocolTest::driftStartsAfreshFromStatisticsThatCannotBeDivided()
{
    QFETCH(float, figure);
    QFETCH(qint32, hits);
    QFETCH(float, newFigure);
    QFETCH(qint32, newHits);
    DriftStatistics drift{figure, hits};
    AddDriftSample(drift, 6);
    QCOMPARE(drift.AvgTimeErr, newFigure);
    QCOMPARE(drift.NumberOfHits, newHits);
}

void TimeProtocolTest::nextServerGoesDownTheListAndNeverWraps_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("tryNext");
    QTest::addColumn<int>("select");

    QTest::newRow("tenth of thirty") << 9 << 30 << true << 10;
    QTest::newRow("last of thirty gives up on the first") << 29 << 30 << false << 0;
    QTest::newRow("no selection starts at the first") << -1 << 30 << true << 0;
    QTest::newRow("only entry") << 0 << 1 << false << 0;
    QTest::newRow("empty list") << -1 << 0 << false << -1;
}

void TimeProtocolTest::nextServerGoesDownTheListAndNeverWraps()
{
    QFETCH(int, selected);
    QFETCH(int, count);
    QFETCH(bool, tryNext);
    QFETCH(int, select);
    const NextServerStep step = NextServer(selected, count);
    QCOMPARE(step.tryNext, tryNext);
    QCOMPARE(step.select, select);
}

void TimeProtocolTest::resultTextsOfTheMillenniumReply()
{
    const TimeReading reading = ReadServerTime(3155673600u, 1250, y2k - 4);
    const SynchResultTexts texts =
        MakeSynchResultTexts(QStringLiteral("time.example"), reading, 1.5f);
    QCOMPARE(texts.NetTime, QStringLiteral("00:00:01 UTC"));
    QCOMPARE(texts.NetDate, QStringLiteral("Saturday January 01 2000"));
    QCOMPARE(texts.Latency, QStringLiteral("1250 mSec"));
    QCOMPARE(texts.TimeDiff, QStringLiteral("5 Sec"));
    QCOMPARE(texts.AvgErr, QStringLiteral("1.500 Sec"));
    QCOMPARE(texts.status, QStringLiteral("Time from time.example: 00:00:01  Sat Jan 01 2000 UTC"));
}

void TimeProtocolTest::resultTextsFollowTheLocalZone()
{
    setZone("EST5EDT,M3.2.0,M11.1.0");
    const TimeReading winter = ReadServerTime(3155673600u, 0, y2k);
    const SynchResultTexts texts = MakeSynchResultTexts(QStringLiteral("h"), winter, 0.0f);
    QCOMPARE(texts.NetTime, QStringLiteral("19:00:00 EST"));
    QCOMPARE(texts.NetDate, QStringLiteral("Friday December 31 1999"));
    QCOMPARE(texts.status, QStringLiteral("Time from h: 19:00:00  Fri Dec 31 1999 EST"));

    const qint64 summer = 962409600; // 2000-07-01 00:00:00 UTC
    QCOMPARE(LocalTimeText("%H:%M:%S %Z", summer), QStringLiteral("20:00:00 EDT"));
}

void TimeProtocolTest::resultTextsAfter2036()
{
    // 2040-02-07 00:00:00 UTC: the count has wrapped, the texts must not go back to 1904.
    const qint64 instant = 2212185600;
    const quint32 count = quint32(instant + SecondsFrom1900To1970 - era);
    const TimeReading reading = ReadServerTime(count, 0, instant - 2);
    QCOMPARE(reading.error, 2);
    const SynchResultTexts texts = MakeSynchResultTexts(QStringLiteral("h"), reading, 0.0f);
    QCOMPARE(texts.NetDate, QStringLiteral("Tuesday February 07 2040"));
    QCOMPARE(texts.NetTime, QStringLiteral("00:00:00 UTC"));
}

void TimeProtocolTest::namesAndNumbersAreArgumentsNotFormats()
{
    // Whatever the host file holds is shown as it is, whole, however long.
    const QString hostile = QStringLiteral("%s%n%d%%") + QString(300, QLatin1Char('x'));
    QCOMPARE(ResolveFailedText(hostile, 11001),
             QStringLiteral("Unable to resolve host name ") + hostile +
                 QStringLiteral(" Winsock code #11001 host not found"));
    QCOMPARE(NoTimeText(hostile),
             QStringLiteral("Time from ") + hostile + QStringLiteral(" didn't come in.."));
    QCOMPARE(SocketFailedText(10061),
             QStringLiteral("Socket call failed Winsock code #10061 conn refused by host"));
    QCOMPARE(SocketFailedText(-3), QStringLiteral("Socket call failed UnDoc'd Winsock code #-3"));
    QCOMPARE(RecvFailedText(10060), QStringLiteral("Recv 10060; service probably not running"));
    const QString latin1 = QString::fromLatin1("caf\xe9.example");
    QCOMPARE(NoTimeText(latin1),
             QStringLiteral("Time from ") + latin1 + QStringLiteral(" didn't come in.."));
}

QTEST_APPLESS_MAIN(TimeProtocolTest)
#include "tst_timeprotocol.moc"
