#include "FakeTimeSource.h"
#include "ZoneFixtures.h"
#include "platform/ZoneDatabase.h"
#include "shell/CFormat.h"
#include "timezones/CityTime.h"
#include "timezones/TimeZoneEntry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

Q_DECLARE_METATYPE(SystemTime)

// The zone source made from the system's tz database.
class ZoneDatabaseTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyCanonicalZoneOnce();
    void recordsAgreeWithTheDatabase();
    void knownZones_data();
    void knownZones();
    void zoneListFallsBackToTheTables();

private:
    QString m_directory = QStringLiteral("/usr/share/zoneinfo");
};

namespace {
// A day in early 2025: the records describe the year 2025.
FakeTimeSource clockIn(int year)
{
    FakeTimeSource clock;
    clock.setLocal(QDate(year, 3, 1), QTime(12, 0));
    return clock;
}
} // namespace

void ZoneDatabaseTest::initTestCase()
{
    QVERIFY2(QFile::exists(m_directory + QStringLiteral("/tzdata.zi")),
             "the tz database (Debian package tzdata) is needed");
}

void ZoneDatabaseTest::everyCanonicalZoneOnce()
{
    const FakeTimeSource clock = clockIn(2025);
    const QStringList names = TzDatabaseZoneSource(clock, m_directory).keyNames();

    // zone1970.tab names canonical zones only; every one of them is listed.
    QFile table(m_directory + QStringLiteral("/zone1970.tab"));
    QVERIFY(table.open(QIODevice::ReadOnly));
    int tabled = 0;
    for (const QByteArray &line : table.readAll().split('\n')) {
        const QList<QByteArray> columns = line.split('\t');
        if (line.startsWith('#') || columns.size() < 3)
            continue;
        ++tabled;
        QVERIFY2(names.contains(QString::fromUtf8(columns[2])), columns[2].constData());
    }
    QVERIFY(tabled > 300);
    for (const char *zone : {"Etc/UTC", "Australia/Lord_Howe", "Asia/Kolkata", "America/Sao_Paulo"})
        QVERIFY2(names.contains(QLatin1String(zone)), zone);
    // Links (other names of a zone) and the placeholder zone are not zones of their own.
    for (const char *alias : {"US/Eastern", "Asia/Calcutta", "Etc/Zulu", "GB", "UTC", "Factory"})
        QVERIFY2(!names.contains(QLatin1String(alias)), alias);
    QCOMPARE(QSet<QString>(names.cbegin(), names.cend()).size(), names.size());
}

// At a fixed mid-January and mid-July instant, every zone's record gives the offset from
// UTC that the database gives, and its clock shows the zone's local time.
void ZoneDatabaseTest::recordsAgreeWithTheDatabase()
{
    const FakeTimeSource clock = clockIn(2025);
    const TzDatabaseZoneSource source(clock, m_directory);
    const QList<QDateTime> instants = {QDateTime(QDate(2025, 1, 15), QTime(12, 0, 7), Qt::UTC),
                                       QDateTime(QDate(2025, 7, 15), QTime(12, 0, 7), Qt::UTC)};
    QStringList disagreements;
    for (const QString &name : source.keyNames()) {
        TTimeZoneEntry entry;
        entry.Tzi = ReadTzi(source.read(name).tzi);
        entry.SetTransitionYear(2025);
        const QTimeZone zone(name.toUtf8());
        for (const QDateTime &instant : instants) {
            const QDateTime local = instant.toTimeZone(zone);
            // The PC standing in the zone itself, so its clock decides daylight saving.
            const WallTime pcLocal = WallTime::of(local.date(), local.time());
            const bool daylight = IsDaylightTime(entry, pcLocal, true);
            const int minutes = -entry.Tzi.Bias - (daylight ? entry.Tzi.DaylightBias : 0);
            const QString text = CityTimeText(&entry, instant.time(), pcLocal, true, true);
            const QString expected = cformat("%2d:%2.2d:%2.2d", local.time().hour(),
                                             local.time().minute(), local.time().second());
            if (minutes * 60 != zone.offsetFromUtc(instant) || text != expected)
                disagreements << QStringLiteral("%1 at %2: %3 minutes, shows %4, database %5")
                                     .arg(name, instant.toString(Qt::ISODate))
                                     .arg(minutes)
                                     .arg(text, local.toString(Qt::ISODateWithMs));
        }
    }
    QVERIFY2(disagreements.isEmpty(), qPrintable(disagreements.join(QLatin1Char('\n'))));
}

void ZoneDatabaseTest::knownZones_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("display");
    QTest::addColumn<int>("bias");
    QTest::addColumn<int>("daylightBias");
    QTest::addColumn<SystemTime>("daylightDate"); // month, weekday, week and hour matter
    QTest::addColumn<SystemTime>("standardDate");

    auto rule = [](int month, int week, int dayOfWeek, int hour) {
        SystemTime r;
        r.wMonth = quint16(month);
        r.wDay = quint16(week);
        r.wDayOfWeek = quint16(dayOfWeek);
        r.wHour = quint16(hour);
        return r;
    };
    const SystemTime none;
    QTest::newRow("New York") << 2025 << "America/New_York" << "(UTC-05:00) America/New York" << 300
                              << -60 << rule(3, 2, 0, 2) << rule(11, 1, 0, 2);
    QTest::newRow("London") << 2025 << "Europe/London" << "(UTC+00:00) Europe/London" << 0 << -60
                            << rule(3, 5, 0, 1) << rule(10, 5, 0, 2);
    QTest::newRow("Sydney") << 2025 << "Australia/Sydney" << "(UTC+10:00) Australia/Sydney" << -600
                            << -60 << rule(10, 1, 0, 2) << rule(4, 1, 0, 3);
    QTest::newRow("Kolkata") << 2025 << "Asia/Kolkata" << "(UTC+05:30) Asia/Kolkata" << -330 << 0
                             << none << none;
    QTest::newRow("Lord Howe: half an hour") << 2025 << "Australia/Lord_Howe"
                                             << "(UTC+10:30) Australia/Lord Howe" << -630 << -30
                                             << rule(10, 1, 0, 2) << rule(4, 1, 0, 2);
    QTest::newRow("Sao Paulo") << 2025 << "America/Sao_Paulo" << "(UTC-03:00) America/Sao Paulo"
                               << 180 << 0 << none << none;
    QTest::newRow("Sao Paulo in its last year of daylight saving")
        << 2019 << "America/Sao_Paulo" << "(UTC-03:00) America/Sao Paulo" << 180 << 0 << none << none;
    QTest::newRow("Sao Paulo when it still had it")
        << 2018 << "America/Sao_Paulo" << "(UTC-03:00) America/Sao Paulo" << 180 << -60
        << rule(11, 1, 0, 0) << rule(2, 3, 0, 0);
    // The database describes Irish winter time as a negative saving: standard time is the lower offset.
    QTest::newRow("Dublin") << 2025 << "Europe/Dublin" << "(UTC+00:00) Europe/Dublin" << 0 << -60
                            << rule(3, 5, 0, 1) << rule(10, 5, 0, 2);
    // Casablanca goes back an hour for Ramadan: the daylight hour is the rest of the year.
    QTest::newRow("Casablanca") << 2025 << "Africa/Casablanca" << "(UTC+00:00) Africa/Casablanca"
                                << 0 << -60 << rule(4, 1, 0, 2) << rule(2, 5, 0, 3);
    // Not on a Sunday: the weekday is recorded as it is. Daylight saving ends at 24:00 on
    // the last Thursday, which the daylight clock reads as the Friday's midnight.
    QTest::newRow("Cairo") << 2025 << "Africa/Cairo" << "(UTC+02:00) Africa/Cairo" << -120 << -60
                           << rule(4, 5, 5, 0) << rule(10, 5, 5, 0);
}

void ZoneDatabaseTest::knownZones()
{
    QFETCH(int, year);
    QFETCH(QString, zone);
    QFETCH(QString, display);
    QFETCH(int, bias);
    QFETCH(int, daylightBias);
    QFETCH(SystemTime, daylightDate);
    QFETCH(SystemTime, standardDate);

    const FakeTimeSource clock = clockIn(year);
    const ZoneRecord record = TzDatabaseZoneSource(clock, m_directory).read(zone);
    QCOMPARE(record.keyName, zone);
    QCOMPARE(record.display, display);
    QCOMPARE(record.tzi.size(), TziSize);
    const TziRecord tzi = ReadTzi(record.tzi);
    QCOMPARE(tzi.Bias, bias);
    QCOMPARE(tzi.DaylightBias, daylightBias);
    auto rule = [](const SystemTime &r) {
        return QStringLiteral("month %1 week %2 weekday %3 hour %4")
            .arg(r.wMonth).arg(r.wDay).arg(r.wDayOfWeek).arg(r.wHour);
    };
    QCOMPARE(rule(tzi.DaylightDate), rule(daylightDate));
    QCOMPARE(rule(tzi.StandardDate), rule(standardDate));
    QCOMPARE(tzi.DaylightDate.wYear, 0);
}

void ZoneDatabaseTest::zoneListFallsBackToTheTables()
{
    QTemporaryDir dir;
    const FakeTimeSource clock = clockIn(2025);
    const TzDatabaseZoneSource source(clock, dir.path());
    QVERIFY(source.keyNames().isEmpty());

    QFile table(dir.filePath(QStringLiteral("zone1970.tab")));
    QVERIFY(table.open(QIODevice::WriteOnly));
    table.write("# comment\tline\tIgnored/Zone\n"
                "US\t+404251-0740023\tAmerica/New_York\tEastern (most areas)\n"
                "IN\t+2232+08822\tAsia/Kolkata\n");
    table.close();
    QCOMPARE(source.keyNames(), (QStringList{"America/New_York", "Asia/Kolkata"}));
}

QTEST_APPLESS_MAIN(ZoneDatabaseTest)
#include "tst_zonedatabase.moc"
