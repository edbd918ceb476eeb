#include "shell/Failure.h"
#include "timezones/TransitionDate.h"
#include "timezones/TziRecord.h"

#include <QTest>

Q_DECLARE_METATYPE(SystemTime)
Q_DECLARE_METATYPE(TziRecord)

// The transition dates of the yearly rules, and the "TZI" record they come in.
class ZoneRulesTest : public QObject
{
    Q_OBJECT
private slots:
    void transitionDate_data();
    void transitionDate();
    void tziIsReadLittleEndianFieldByField();
    void tziLength_data();
    void tziLength();
};

namespace {
SystemTime rule(int month, int week, int dayOfWeek = 0)
{
    SystemTime r;
    r.wMonth = quint16(month);
    r.wDay = quint16(week);
    r.wDayOfWeek = quint16(dayOfWeek);
    r.wHour = 2;
    return r;
}
} // namespace

void ZoneRulesTest::transitionDate_data()
{
    QTest::addColumn<SystemTime>("rule");
    QTest::addColumn<int>("year");
    QTest::addColumn<QDate>("expected"); // a null date stands for the empty date

    QTest::newRow("1999 4/1") << rule(4, 1) << 1999 << QDate(1999, 4, 4);
    QTest::newRow("1999 10/5") << rule(10, 5) << 1999 << QDate(1999, 10, 31);
    QTest::newRow("1999 3/5") << rule(3, 5) << 1999 << QDate(1999, 3, 28);
    QTest::newRow("1999 10/1") << rule(10, 1) << 1999 << QDate(1999, 10, 3);
    QTest::newRow("1999 3/3") << rule(3, 3) << 1999 << QDate(1999, 3, 21);
    QTest::newRow("1999 2/5") << rule(2, 5) << 1999 << QDate(1999, 2, 28);
    QTest::newRow("1999 8/5") << rule(8, 5) << 1999 << QDate(1999, 8, 29);
    QTest::newRow("2000 4/1") << rule(4, 1) << 2000 << QDate(2000, 4, 2);
    QTest::newRow("2000 10/5") << rule(10, 5) << 2000 << QDate(2000, 10, 29);

    QTest::newRow("1st of the month is a Sunday") << rule(8, 1) << 1999 << QDate(1999, 8, 1);
    QTest::newRow("4th week") << rule(8, 4) << 1999 << QDate(1999, 8, 22);
    QTest::newRow("last day is a Sunday, leap year") << rule(2, 5) << 2004 << QDate(2004, 2, 29);
    QTest::newRow("weekday of the rule is not consulted") << rule(4, 1, 5) << 1999 << QDate(1999, 4, 4);
    QTest::newRow("week above 5 counts as last") << rule(10, 9) << 1999 << QDate(1999, 10, 31);

    QTest::newRow("no month") << rule(0, 1) << 1999 << QDate();
    QTest::newRow("no week") << rule(4, 0) << 1999 << QDate();
    QTest::newRow("month 13") << rule(13, 1) << 1999 << QDate();
    QTest::newRow("month 65535") << rule(65535, 5) << 1999 << QDate();
}

void ZoneRulesTest::transitionDate()
{
    QFETCH(SystemTime, rule);
    QFETCH(int, year);
    QFETCH(QDate, expected);

    const WallTime date = TransitionDate(rule, year);
    if (expected.isNull()) {
        QVERIFY(date.isEmpty());
    } else {
        QCOMPARE(date.date(), expected);
        QCOMPARE(date, WallTime::of(expected)); // at midnight
    }
}

// Bias 300, StandardBias 0, DaylightBias -60, StandardDate October week 5 at 02:00 and
// DaylightDate April week 1 at 02:00, as a 44-byte value.
static const QByteArray eastern = QByteArray::fromHex(
    "2c010000" "00000000" "c4ffffff"
    "0000" "0a00" "0000" "0500" "0200" "0000" "0000" "0000"
    "0000" "0400" "0000" "0100" "0200" "0000" "0000" "0000");

void ZoneRulesTest::tziIsReadLittleEndianFieldByField()
{
    const TziRecord record = ReadTzi(eastern);
    QCOMPARE(record.Bias, 300);
    QCOMPARE(record.StandardBias, 0);
    QCOMPARE(record.DaylightBias, -60);
    QCOMPARE(record.StandardDate, rule(10, 5));
    QCOMPARE(record.DaylightDate, rule(4, 1));
    QCOMPARE(TziBytes(record), eastern);

    // Every field of both dates lands where it belongs.
    const QByteArray distinct = QByteArray::fromHex(
        "f6ffffff" "01020304" "00800000"
        "0100" "0200" "0300" "0400" "0500" "0600" "0700" "08ff"
        "1100" "1200" "1300" "1400" "1500" "1600" "1700" "1800");
    const TziRecord all = ReadTzi(distinct);
    QCOMPARE(all.Bias, -10);
    QCOMPARE(all.StandardBias, 0x04030201);
    QCOMPARE(all.DaylightBias, 0x8000);
    QCOMPARE(all.StandardDate, (SystemTime{1, 2, 3, 4, 5, 6, 7, 0xff08}));
    QCOMPARE(all.DaylightDate, (SystemTime{0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18}));
    QCOMPARE(TziBytes(all), distinct);
}

void ZoneRulesTest::tziLength_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<TziRecord>("expected");

    const TziRecord zero;
    QTest::newRow("44 bytes") << eastern << true << ReadTzi(eastern);
    QTest::newRow("60 bytes, the rest ignored")
        << eastern + QByteArray(16, '\x7f') << true << ReadTzi(eastern);
    QTest::newRow("61 bytes") << eastern + QByteArray(17, '\0') << false << zero;
    QTest::newRow("4 KiB") << QByteArray(4096, '\1') << false << zero;
    QTest::newRow("43 bytes: never half a record") << eastern.left(43) << true << zero;
    QTest::newRow("absent") << QByteArray() << true << zero;
}

void ZoneRulesTest::tziLength()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, accepted);
    QFETCH(TziRecord, expected);

    if (accepted)
        QCOMPARE(ReadTzi(value), expected);
    else
        QVERIFY_THROWS_EXCEPTION(Failure, ReadTzi(value));
}

QTEST_APPLESS_MAIN(ZoneRulesTest)
#include "tst_zonerules.moc"
