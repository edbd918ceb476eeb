#include "FakeTimeSource.h"
#include "MessageCollector.h"
#include "ZoneFixtures.h"
#include "platform/ZoneDatabase.h"
#include "shell/CFormat.h"
#include "shell/MainForm.h"
#include "shell/SmallDisplay.h"
#include "timezones/InternationalPage.h"
#include "timezones/ZoneLists.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <memory>

// The International Time page inside the main window: the six lists, the six clocks and
// their copy in the small display, driven by a fake clock and hand-made zones.
class InternationalPageTest : public QObject
{
    Q_OBJECT
private slots:
    void listsShareOneSortedOrder();
    void sixClocksAndTheSmallDisplay();
    void clockTextsFitTheirClocks();
    void missingSelectionBecomesTheFirstZone_data();
    void missingSelectionBecomesTheFirstZone();
    void incompleteZonesAreListed();
    void overlongTziStopsTheLoading();
    void emptyCatalogueShowsDashes_data();
    void emptyCatalogueShowsDashes();
    void clocksFollowTheNewYear();
    void systemDatabaseClocks_data();
    void systemDatabaseClocks();
};

namespace {
// Zones as a registry would describe them, read in this (unsorted) order.
QList<ZoneRecord> handMadeZones()
{
    return {
        ZoneOf("Eastern", "(GMT-05:00) Eastern Time (US & Canada)", ZoneRules(300, 4, 1, 10, 5)),
        ZoneOf("Newfoundland", "(GMT-03:30) Newfoundland", ZoneRules(210, 4, 1, 10, 5)),
        ZoneOf("India", "(GMT+05:30) India", ZoneRules(-330)),
        ZoneOf("Hawaiian", "(GMT-10:00) Hawaii", ZoneRules(600)),
        ZoneOf("AUS Eastern", "(GMT+10:00) Canberra, Melbourne, Sydney", ZoneRules(-600, 10, 5, 3, 5)),
        ZoneOf("Tonga", "(GMT+13:00) Nuku'alofa", ZoneRules(-780)),
        ZoneOf("Dateline", "(GMT-12:00) Eniwetok, Kwajalein", ZoneRules(720)),
        ZoneOf("W. Europe", "(GMT+01:00) Amsterdam, Berlin", ZoneRules(-60, 3, 5, 10, 5)),
    };
}

const QStringList sortedTexts = {"Amsterdam, Berlin", "Canberra, Melbourne, Sydney",
                                 "Eastern Time (US & Canada)", "Eniwetok, Kwajalein",
                                 "Hawaii", "India", "Newfoundland", "Nuku'alofa"};

// The main window as the program builds it, on a fake clock, with the given zone database.
struct Window {
    Window(ZoneSource *zones, QDate date, QTime time, int offsetSeconds)
    {
        clock.setLocal(date, time, offsetSeconds);
        Services services;
        services.clock = &clock;
        services.zones = zones;
        services.settingsFile = settingsDir.filePath(QStringLiteral("Meridane.ini"));
        form = std::make_unique<TMainForm>(services);
        form->setSmallDisplay(&smallDisplay);
        form->show();
    }
    TInternationalPage &page() { return *form->International; }
    QComboBox *list(int row) { return page().City[size_t(row)]; }
    QString clockText(int row) { return page().CityTime[size_t(row)]->text(); }
    void select(int row, const QString &text)
    {
        const int index = list(row)->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        list(row)->setCurrentIndex(index);
    }
    QStringList items(int row)
    {
        QStringList texts;
        for (int i = 0; i < list(row)->count(); ++i)
            texts << list(row)->itemText(i);
        return texts;
    }

    MessageCollector messages;
    FakeTimeSource clock;
    QTemporaryDir settingsDir;
    TForm3 smallDisplay;
    std::unique_ptr<TMainForm> form;
};

bool fileErrorShown(const MessageCollector &messages)
{
    for (const UserMessage &m : messages.messages)
        if (m.text == QLatin1String("Could not open Meridane.ini file") &&
            m.caption == QLatin1String("File Error"))
            return true;
    return false;
}
} // namespace

void InternationalPageTest::listsShareOneSortedOrder()
{
    FixtureZoneSource zones(handMadeZones());
    Window w(&zones, QDate(1999, 1, 15), QTime(13, 0), 11 * 3600);
    QVERIFY(w.form->Timer1.isActive());
    QVERIFY(!fileErrorShown(w.messages));
    for (int row = 0; row < TInternationalPage::Cities; ++row)
        QCOMPARE(w.items(row), sortedTexts);

    // Each list keeps a selection of its own.
    w.list(0)->setCurrentIndex(3);
    w.list(1)->setCurrentIndex(5);
    QCOMPARE(w.list(0)->currentText(), sortedTexts[3]);
    QCOMPARE(w.list(1)->currentText(), sortedTexts[5]);
}

void InternationalPageTest::sixClocksAndTheSmallDisplay()
{
    FixtureZoneSource zones(handMadeZones());
    // The PC in Sydney on 15 January 1999 at 13:00:05, daylight time: UTC is 02:00:05.
    Window w(&zones, QDate(1999, 1, 15), QTime(13, 0, 5), 11 * 3600);
    const QStringList chosen = {"Canberra, Melbourne, Sydney", "Eastern Time (US & Canada)",
                                "India", "Hawaii", "Nuku'alofa", "Eniwetok, Kwajalein"};
    for (int row = 0; row < 6; ++row)
        w.select(row, chosen[row]);

    w.form->Timer1Timer();
    const QStringList twelveHour = {" 1:00:05pm", " 9:00:05pm", " 7:30:05am",
                                    " 4:00:05pm", " 3:00:05pm", " 2:00:05pm"};
    for (int row = 0; row < 6; ++row) {
        QCOMPARE(w.clockText(row), twelveHour[row]);
        QCOMPARE(w.smallDisplay.CT[size_t(row)]->text(), twelveHour[row]);
        QCOMPARE(w.smallDisplay.city[size_t(row)]->title(), chosen[row]);
    }

    // Both check boxes take effect at the next tick, not before.
    w.form->Display24Hour->setChecked(true);
    w.page().DisplayDayLightSavings->setChecked(false);
    QCOMPARE(w.clockText(0), QStringLiteral(" 1:00:05pm"));
    w.clock.advance(1000);
    w.form->Timer1Timer();
    const QStringList twentyFourHour = {"12:00:06", "21:00:06", " 7:30:06",
                                        "16:00:06", "15:00:06", "14:00:06"};
    for (int row = 0; row < 6; ++row) {
        QCOMPARE(w.clockText(row), twentyFourHour[row]);
        QCOMPARE(w.smallDisplay.CT[size_t(row)]->text(), twentyFourHour[row]);
    }

    // Another zone chosen shows at the next tick, in the clock and in the small display.
    w.select(2, QStringLiteral("Newfoundland"));
    w.form->Timer1Timer();
    QCOMPARE(w.clockText(2), QStringLiteral("22:30:06"));
    QCOMPARE(w.smallDisplay.city[2]->title(), QStringLiteral("Newfoundland"));
}

void InternationalPageTest::clockTextsFitTheirClocks()
{
    FixtureZoneSource zones(handMadeZones());
    Window w(&zones, QDate(1999, 1, 15), QTime(23, 59, 59), 0);
    for (int row = 0; row < 6; ++row) {
        QLabel *clock = w.page().CityTime[size_t(row)];
        for (const char *text : {"12:59:59am", "12:59:59pm", "23:59:59"}) {
            clock->setText(QLatin1String(text));
            QVERIFY2(clock->sizeHint().width() <= clock->width(), text);
        }
        QCOMPARE(clock->size(), QSize(123, 29));
    }
}

void InternationalPageTest::missingSelectionBecomesTheFirstZone_data()
{
    QTest::addColumn<int>("position");
    QTest::newRow("no selection") << -1;
    QTest::newRow("one past the end") << 8;
    QTest::newRow("far past the end") << 1000;
}

void InternationalPageTest::missingSelectionBecomesTheFirstZone()
{
    QFETCH(int, position);
    FixtureZoneSource zones(handMadeZones());
    Window w(&zones, QDate(1999, 1, 15), QTime(13, 0, 5), 11 * 3600);
    w.select(2, QStringLiteral("India"));
    ApplyCitySelection(w.list(2), position);
    QCOMPARE(w.list(2)->currentIndex(), -1);

    w.form->Timer1Timer();
    QCOMPARE(w.list(2)->currentIndex(), 0);
    QCOMPARE(w.list(2)->currentText(), QStringLiteral("Amsterdam, Berlin"));
    QCOMPARE(w.clockText(2), QStringLiteral(" 3:00:05am"));
    QCOMPARE(w.smallDisplay.city[2]->title(), QStringLiteral("Amsterdam, Berlin"));
}

void InternationalPageTest::incompleteZonesAreListed()
{
    QTemporaryDir dir;
    ZoneDirectorySource::Write(dir.path(), {
        ZoneOf("Long", "(GMT+02:00) Long value", ZoneRules(-120)),
        {"No rules", "(GMT+03:00) No rules", {}},
        {"No display", {}, TziBytes(ZoneRules(-180))},
        {"Short", "(GMT+04:00) Short value", TziBytes(ZoneRules(-240)).left(43)},
    });
    // The longest value accepted: 60 bytes, its meaning in the first 44.
    QFile longValue(dir.filePath(QStringLiteral("Long/TZI")));
    QVERIFY(longValue.open(QIODevice::Append));
    QCOMPARE(longValue.write(QByteArray(16, '\x55')), 16);
    longValue.close();

    ZoneDirectorySource zones(dir.path());
    Window w(&zones, QDate(1999, 1, 15), QTime(2, 0, 5), 0);
    QVERIFY(!fileErrorShown(w.messages));
    QVERIFY(w.form->Timer1.isActive());
    QCOMPARE(w.items(0), (QStringList{"", "Long value", "No rules", "Short value"}));

    w.form->Display24Hour->setChecked(true);
    for (int row = 0; row < 4; ++row)
        w.list(row)->setCurrentIndex(row);
    w.form->Timer1Timer();
    // Without a whole rule record a zone keeps UTC, never a half-read record.
    QCOMPARE(w.clockText(0), QStringLiteral(" 5:00:05"));
    QCOMPARE(w.clockText(1), QStringLiteral(" 4:00:05"));
    QCOMPARE(w.clockText(2), QStringLiteral(" 2:00:05"));
    QCOMPARE(w.clockText(3), QStringLiteral(" 2:00:05"));
}

void InternationalPageTest::overlongTziStopsTheLoading()
{
    QTemporaryDir dir;
    ZoneDirectorySource::Write(dir.path(), {
        ZoneOf("A", "(GMT) Alpha", ZoneRules(0)),
        {"B", "(GMT) Bravo", TziBytes(ZoneRules(0)) + QByteArray(17, '\0')}, // 61 bytes
        ZoneOf("C", "(GMT) Charlie", ZoneRules(0)),
    });
    ZoneDirectorySource zones(dir.path());
    Window w(&zones, QDate(1999, 1, 15), QTime(2, 0, 5), 0);

    QVERIFY(fileErrorShown(w.messages));
    QVERIFY(!w.form->Timer1.isActive());
    // The zones read before the failure stay listed; the rest is not read.
    for (int row = 0; row < TInternationalPage::Cities; ++row)
        QCOMPARE(w.items(row), QStringList{"Alpha"});
}

void InternationalPageTest::emptyCatalogueShowsDashes_data()
{
    QTest::addColumn<bool>("withSource");
    QTest::newRow("database without zones") << true;
    QTest::newRow("no database") << false;
}

void InternationalPageTest::emptyCatalogueShowsDashes()
{
    QFETCH(bool, withSource);
    EmptyZoneSource empty;
    Window w(withSource ? &empty : nullptr, QDate(1999, 1, 15), QTime(2, 0, 5), 0);
    QVERIFY(w.form->Timer1.isActive());
    QVERIFY(!fileErrorShown(w.messages));

    for (int tick = 0; tick < 2; ++tick) {
        w.form->Timer1Timer();
        for (int row = 0; row < 6; ++row) {
            QCOMPARE(w.list(row)->count(), 0);
            QCOMPARE(w.clockText(row), QStringLiteral("--:--:--"));
            QCOMPARE(w.smallDisplay.CT[size_t(row)]->text(), QStringLiteral("--:--:--"));
            QCOMPARE(w.smallDisplay.city[size_t(row)]->title(), QString());
        }
    }
}

void InternationalPageTest::clocksFollowTheNewYear()
{
    FixtureZoneSource zones(handMadeZones());
    // Loaded on New Year's Eve 1999, the PC on UTC.
    Window w(&zones, QDate(1999, 12, 31), QTime(23, 59, 59), 0);
    w.select(0, QStringLiteral("Eastern Time (US & Canada)"));
    w.form->Timer1Timer();
    QCOMPARE(w.clockText(0), QStringLiteral(" 6:59:59pm"));

    // Left running into 2000: on 2 April 2000 daylight saving has begun by the year 2000
    // rule; the 1999 dates would still say standard time.
    w.clock.setLocal(QDate(2000, 4, 2), QTime(12, 0, 0), 0);
    w.form->Timer1Timer();
    QCOMPARE(w.clockText(0), QStringLiteral(" 8:00:00am"));
    w.clock.setLocal(QDate(2000, 4, 1), QTime(12, 0, 0), 0);
    w.form->Timer1Timer();
    QCOMPARE(w.clockText(0), QStringLiteral(" 7:00:00am"));
}

void InternationalPageTest::systemDatabaseClocks_data()
{
    QTest::addColumn<QDateTime>("utc");
    QTest::newRow("mid-January") << QDateTime(QDate(2025, 1, 15), QTime(9, 41, 27), Qt::UTC);
    QTest::newRow("mid-July") << QDateTime(QDate(2025, 7, 15), QTime(21, 41, 27), Qt::UTC);
}

// The six clocks on the system's database show what the database gives for the instant.
void InternationalPageTest::systemDatabaseClocks()
{
    QFETCH(QDateTime, utc);
    FakeTimeSource loading;
    loading.setLocal(utc.date(), utc.time());
    TzDatabaseZoneSource zones(loading, TzDatabaseZoneSource::SystemDirectory());
    Window w(&zones, utc.date(), utc.time(), 0);
    w.form->Display24Hour->setChecked(true);

    const char *ids[] = {"America/New_York", "Europe/London", "Australia/Sydney",
                         "Asia/Kolkata",     "Australia/Lord_Howe", "America/Sao_Paulo"};
    for (int row = 0; row < 6; ++row)
        w.select(row, QString::fromLatin1(ids[row]).replace(QLatin1Char('_'), QLatin1Char(' ')));
    w.form->Timer1Timer();
    for (int row = 0; row < 6; ++row) {
        const QTime local = utc.toTimeZone(QTimeZone(ids[row])).time();
        QCOMPARE(w.clockText(row), cformat("%2d:%2.2d:%2.2d", local.hour(), local.minute(), local.second()));
    }
}

QTEST_MAIN(InternationalPageTest)
#include "tst_internationalpage.moc"
