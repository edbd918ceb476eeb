#include "ZoneFixtures.h"
#include "timezones/CityTime.h"
#include "timezones/TimeZoneEntry.h"

#include <QTest>
#include <limits>

Q_DECLARE_METATYPE(TziRecord)
Q_DECLARE_METATYPE(WallTime)

// The daylight-saving test and the text of a city clock.
class CityTimeTest : public QObject
{
    Q_OBJECT
private slots:
    void cityClock_data();
    void cityClock();
    void daylightBoundaries_data();
    void daylightBoundaries();
    void noZoneShowsDashes();
};

namespace {
TTimeZoneEntry entryOf(const TziRecord &rules, int year)
{
    TTimeZoneEntry entry;
    entry.Tzi = rules;
    entry.SetTransitionYear(year);
    return entry;
}

WallTime at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int ms = 0)
{
    return WallTime::of(QDate(year, month, day), QTime(hour, minute, second, ms));
}

// Daylight from the first Sunday of April to the last of October (an hour, 5 h west).
const TziRecord eastern = ZoneRules(300, 4, 1, 10, 5);
// Daylight from the last Sunday of October over New Year to the last of March (10 h east).
const TziRecord sydney = ZoneRules(-600, 10, 5, 3, 5);
} // namespace

void CityTimeTest::cityClock_data()
{
    QTest::addColumn<TziRecord>("rules");
    QTest::addColumn<bool>("displayDaylight");
    QTest::addColumn<WallTime>("pcLocal");
    QTest::addColumn<QTime>("utc");
    QTest::addColumn<QString>("text24");
    QTest::addColumn<QString>("text12");

    const WallTime anyDay = at(1999, 7, 1, 12);
    QTest::newRow("daylight in July")
        << eastern << true << at(1999, 7, 1, 12, 30, 15) << QTime(16, 30, 15) << "12:30:15" << "12:30:15pm";
    QTest::newRow("standard in January")
        << eastern << true << at(1999, 1, 15, 11, 30, 15) << QTime(16, 30, 15) << "11:30:15" << "11:30:15am";
    QTest::newRow("daylight not displayed")
        << eastern << false << at(1999, 7, 1, 12, 30, 15) << QTime(16, 30, 15) << "11:30:15" << "11:30:15am";
    QTest::newRow("east of UTC, into the next day")
        << ZoneRules(-60, 3, 5, 10, 5) << true << at(1999, 7, 15, 1, 45, 30) << QTime(23, 45, 30)
        << " 1:45:30" << " 1:45:30am";
    QTest::newRow("half-hour zone")
        << ZoneRules(-330) << true << anyDay << QTime(20, 45, 30) << " 2:15:30" << " 2:15:30am";
    QTest::newRow("west of UTC, the day before")
        << ZoneRules(600) << true << anyDay << QTime(3, 15, 9) << "17:15:09" << " 5:15:09pm";
    QTest::newRow("half-hour west, daylight")
        << ZoneRules(210, 4, 1, 10, 5) << true << at(1999, 7, 13, 23, 40) << QTime(2, 10)
        << "23:40:00" << "11:40:00pm";
    QTest::newRow("half-hour west, standard, the day before")
        << ZoneRules(210, 4, 1, 10, 5) << true << at(1999, 1, 13, 23, 40) << QTime(3, 10)
        << "23:40:00" << "11:40:00pm";
    QTest::newRow("daylight across New Year, January")
        << sydney << true << at(1999, 1, 15, 13) << QTime(2, 0) << "13:00:00" << " 1:00:00pm";
    QTest::newRow("daylight across New Year, July is standard")
        << sydney << true << at(1999, 7, 15, 13) << QTime(2, 0) << "12:00:00" << "12:00:00pm";
    QTest::newRow("13 hours east")
        << ZoneRules(-780) << true << anyDay << QTime(23, 30, 5) << "12:30:05" << "12:30:05pm";
    QTest::newRow("12 hours west at UTC midnight")
        << ZoneRules(720) << true << anyDay << QTime(0, 0, 0) << "12:00:00" << "12:00:00pm";
    QTest::newRow("daylight hour past midnight")
        << eastern << true << at(1999, 7, 1, 0, 30, 10) << QTime(4, 30, 10) << " 0:30:10" << "12:30:10am";
    QTest::newRow("half-hour daylight past midnight")
        << ZoneRules(-630, 10, 1, 4, 1, -30) << true << at(1999, 1, 15, 0, 45) << QTime(13, 45)
        << " 0:45:00" << "12:45:00am";
    QTest::newRow("half-hour daylight zone in its standard time")
        << ZoneRules(-630, 10, 1, 4, 1, -30) << true << at(1999, 7, 15, 0, 15) << QTime(13, 45)
        << " 0:15:00" << "12:15:00am";
    QTest::newRow("damaged record: the most negative bias")
        << ZoneRules(std::numeric_limits<qint32>::min()) << true << anyDay << QTime(0, 0)
        << " 2:08:00" << " 2:08:00am";
}

void CityTimeTest::cityClock()
{
    QFETCH(TziRecord, rules);
    QFETCH(bool, displayDaylight);
    QFETCH(WallTime, pcLocal);
    QFETCH(QTime, utc);
    QFETCH(QString, text24);
    QFETCH(QString, text12);

    const TTimeZoneEntry zone = entryOf(rules, 1999);
    QCOMPARE(CityTimeText(&zone, utc, pcLocal, true, displayDaylight), text24);
    QCOMPARE(CityTimeText(&zone, utc, pcLocal, false, displayDaylight), text12);
}

void CityTimeTest::daylightBoundaries_data()
{
    QTest::addColumn<TziRecord>("rules");
    QTest::addColumn<WallTime>("pcLocal");
    QTest::addColumn<bool>("daylight");

    // By the PC's clock, at midnight starting each rule's Sunday; both ends strict.
    QTest::newRow("day before the daylight Sunday") << eastern << at(1999, 4, 3, 23, 59, 59) << false;
    QTest::newRow("daylight Sunday 00:00:00.000") << eastern << at(1999, 4, 4) << false;
    QTest::newRow("daylight Sunday 00:00:00.001") << eastern << at(1999, 4, 4, 0, 0, 0, 1) << true;
    QTest::newRow("day before the standard Sunday") << eastern << at(1999, 10, 30, 23, 59, 59) << true;
    QTest::newRow("standard Sunday 00:00") << eastern << at(1999, 10, 31) << false;
    QTest::newRow("standard Sunday evening") << eastern << at(1999, 10, 31, 23, 59, 59) << false;

    QTest::newRow("across New Year: 1 January") << sydney << at(1999, 1, 1) << true;
    QTest::newRow("across New Year: before the standard Sunday")
        << sydney << at(1999, 3, 27, 23, 59, 59, 999) << true;
    QTest::newRow("across New Year: the standard Sunday") << sydney << at(1999, 3, 28) << false;
    QTest::newRow("across New Year: winter") << sydney << at(1999, 7, 1) << false;
    QTest::newRow("across New Year: daylight Sunday 00:00") << sydney << at(1999, 10, 31) << false;
    QTest::newRow("across New Year: daylight Sunday 00:00:00.001")
        << sydney << at(1999, 10, 31, 0, 0, 0, 1) << true;
    QTest::newRow("across New Year: New Year's Eve") << sydney << at(1999, 12, 31, 23, 59, 59) << true;

    QTest::newRow("no rules") << ZoneRules(0) << at(1999, 7, 1) << false;
    QTest::newRow("no return to standard time") << ZoneRules(0, 4, 1) << at(1999, 7, 1) << false;
    QTest::newRow("no start, before the standard Sunday")
        << ZoneRules(0, 0, 0, 10, 5) << at(1999, 7, 1) << true;
    QTest::newRow("no start, after the standard Sunday")
        << ZoneRules(0, 0, 0, 10, 5) << at(1999, 11, 1) << false;
    QTest::newRow("start and end on one day") << ZoneRules(0, 4, 1, 4, 1) << at(1999, 4, 4, 12) << false;
}

void CityTimeTest::daylightBoundaries()
{
    QFETCH(TziRecord, rules);
    QFETCH(WallTime, pcLocal);
    QFETCH(bool, daylight);

    const TTimeZoneEntry zone = entryOf(rules, 1999);
    QCOMPARE(IsDaylightTime(zone, pcLocal, true), daylight);
    QVERIFY(!IsDaylightTime(zone, pcLocal, false));
}

void CityTimeTest::noZoneShowsDashes()
{
    QCOMPARE(CityTimeText(nullptr, QTime(12, 0), at(1999, 7, 1), true, true), QStringLiteral("--:--:--"));
    QCOMPARE(CityTimeText(nullptr, QTime(12, 0), at(1999, 7, 1), false, true), QStringLiteral("--:--:--"));
}

QTEST_APPLESS_MAIN(CityTimeTest)
#include "tst_citytime.moc"
