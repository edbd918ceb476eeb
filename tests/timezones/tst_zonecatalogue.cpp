#include "ZoneFixtures.h"
#include "timezones/ZoneCatalogue.h"

#include <QTest>

// What the zone lists show of a zone, their order, and the catalogue following the year.
class ZoneCatalogueTest : public QObject
{
    Q_OBJECT
private slots:
    void itemText_data();
    void itemText();
    void oneOrderIgnoringCaseAndLocale();
    void datesFollowTheYearOfThePcClock();
};

void ZoneCatalogueTest::itemText_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("text");

    QTest::newRow("offset and space") << "(GMT-05:00) Eastern Time (US & Canada)"
                                      << "Eastern Time (US & Canada)";
    QTest::newRow("database form") << "(UTC+05:30) Asia/Kolkata" << "Asia/Kolkata";
    QTest::newRow("no space: its first letter goes") << "(UTC)Tokyo" << "okyo";
    QTest::newRow("no parenthesis: first character goes") << "Nowhere" << "owhere";
    QTest::newRow(") last") << "Lost)" << "";
    QTest::newRow(") second to last") << "Lost) " << "";
    QTest::newRow("only the first ) counts") << "a) b) c" << "b) c";
    QTest::newRow("empty") << "" << "";
}

void ZoneCatalogueTest::itemText()
{
    QFETCH(QString, display);
    QFETCH(QString, text);
    QCOMPARE(ZoneItemText(display), text);
}

void ZoneCatalogueTest::oneOrderIgnoringCaseAndLocale()
{
    QList<ZoneItem> items = {{"europe/Paris", 0}, {"America/New York", 1}, {"Europe/Berlin", 2},
                             {"Same", 3},         {"america/Lima", 4},     {"Same", 5},
                             {"SAME", 6},         {"Zulu", 7},             {"Ärmelkanal", 8}};
    // The result must not depend on the user's language settings.
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German));
    SortZoneItems(items);
    QLocale::setDefault(previous);

    QStringList texts;
    QList<int> entries;
    for (const ZoneItem &item : items) {
        texts << item.text;
        entries << item.entry;
    }
    QCOMPARE(texts, (QStringList{"america/Lima", "America/New York", "Europe/Berlin",
                                 "europe/Paris", "SAME", "Same", "Same", "Zulu", "Ärmelkanal"}));
    // Equal texts stay separate items, in reading order.
    QCOMPARE(entries.mid(4, 3), (QList<int>{6, 3, 5}));
}

void ZoneCatalogueTest::datesFollowTheYearOfThePcClock()
{
    TZoneCatalogue catalogue;
    catalogue.Reset(1999);
    const int eastern = catalogue.Add(ZoneRules(300, 4, 1, 10, 5));
    const int sydney = catalogue.Add(ZoneRules(-600, 10, 5, 3, 5));
    const TTimeZoneEntry &zone = *catalogue.find(eastern);
    QCOMPARE(zone.DaylightStart, WallTime::of(QDate(1999, 4, 4)));
    QCOMPARE(zone.StandardStart, WallTime::of(QDate(1999, 10, 31)));

    catalogue.FollowYear(WallTime::of(QDate(1999, 12, 31), QTime(23, 59, 59, 999)));
    QCOMPARE(zone.DaylightStart, WallTime::of(QDate(1999, 4, 4)));

    // Left running over New Year: the year 2000 rules from the first tick of 2000 on.
    catalogue.FollowYear(WallTime::of(QDate(2000, 1, 1)));
    QCOMPARE(catalogue.year(), 2000);
    QCOMPARE(zone.DaylightStart, WallTime::of(QDate(2000, 4, 2)));
    QCOMPARE(zone.StandardStart, WallTime::of(QDate(2000, 10, 29)));
    const TTimeZoneEntry &south = *catalogue.find(sydney);
    QCOMPARE(south.DaylightStart, WallTime::of(QDate(2000, 10, 29)));
    QCOMPARE(south.StandardStart, WallTime::of(QDate(2000, 3, 26)));
    QVERIFY(south.DaylightAcrossNewYear);
    // 2 April 2000 is daylight time only by the 2000 rule (the 1999 rule gave 4 April).
    QVERIFY(IsDaylightTime(zone, WallTime::of(QDate(2000, 4, 2), QTime(12, 0)), true));

    // The PC clock set back a year brings the old dates back.
    catalogue.FollowYear(WallTime::of(QDate(1999, 6, 1)));
    QCOMPARE(zone.DaylightStart, WallTime::of(QDate(1999, 4, 4)));

    QCOMPARE(catalogue.find(-1), nullptr);
    QCOMPARE(catalogue.find(catalogue.size()), nullptr);
}

QTEST_APPLESS_MAIN(ZoneCatalogueTest)
#include "tst_zonecatalogue.moc"
