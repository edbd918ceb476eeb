#include "FakeTimeSource.h"
#include "MessageCollector.h"
#include "ScratchDirectory.h"
#include "nettime/AutoSynch.h"
#include "nettime/BuiltInServers.h"
#include "nettime/NetworkTimePage.h"
#include "shell/MainForm.h"
#include "shell/RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTest>

namespace {
// The main window with a counter where the automatic synchronisation would start an
// exchange: it notes the local time of every tick that runs it.
class CountingMainForm : public TMainForm
{
public:
    CountingMainForm(const Services &services, const FakeTimeSource &clock)
        : TMainForm(services), m_fake(clock)
    {
    }
    QList<QTime> synchs;

protected:
    void RunAutoSynch() override { synchs.append(m_fake.local.time()); }

private:
    const FakeTimeSource &m_fake;
};

struct Window {
    Window()
    {
        dir.copyProgramData();
        services.clock = &clock;
    }
    void create() { form = std::make_unique<CountingMainForm>(services, clock); }
    // One tick per second over [from, to] on the day of the fake clock.
    void tickThrough(QTime from, QTime to, QDate date = QDate(2024, 3, 5))
    {
        clock.setLocal(date, from);
        for (QTime t = from;; t = t.addSecs(1)) {
            form->Timer1Timer();
            clock.advance(1000);
            if (t == to)
                break;
        }
    }
    void choose(bool setPCClock, bool synchEvery, int period)
    {
        form->Internet->SetPCClock->setChecked(setPCClock);
        form->Internet->Synch_Every->setChecked(synchEvery);
        form->Internet->SynchPeriod->setItemIndex(period);
    }

    ScratchDirectory dir;
    FakeTimeSource clock;
    Services services;
    std::unique_ptr<CountingMainForm> form;
};

QStringList itemsOf(const QComboBox *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}
} // namespace

// The server list at start-up and the synchronisations the tick starts by itself.
class AutoSynchTest : public QObject
{
    Q_OBJECT
private slots:
    void startUpReadsTheServerList();
    void unreadableListKeepsBuiltInOneAndSkipsStartupSynch();
    void triggersFireOnTheirSecondOnly_data();
    void triggersFireOnTheirSecondOnly();
    void startupTriggerNeverFiresAfterTheFirstTick();
    void autoSynchBoxEnablesThePeriods();
};

void AutoSynchTest::startUpReadsTheServerList()
{
    Window w;
    w.dir.write(QStringLiteral("mdhosts.txt"), "z.example\n\nz.example\r\na.example");
    MessageCollector messages;
    w.create();
    QCOMPARE(messages.texts(), QStringList{});
    QCOMPARE(itemsOf(w.form->Internet->HostList),
             (QStringList{"z.example", "", "z.example", "a.example"}));
    QCOMPARE(w.form->Internet->HostList->currentIndex(), 0);
    QCOMPARE(w.form->Internet->SynchPeriod->itemIndex(), int(AtStartup));
    QVERIFY(w.form->FirstTick);
}

void AutoSynchTest::unreadableListKeepsBuiltInOneAndSkipsStartupSynch()
{
    Window w;
    QVERIFY(QFile::remove(w.dir.filePath(QStringLiteral("mdhosts.txt"))));
    MessageCollector messages;
    w.create();
    QCOMPARE(messages.texts(), QStringList{"Cannot open file mdhosts.txt"});
    QCOMPARE(messages.messages.first().kind, UserMessage::Kind::Error);
    QCOMPARE(itemsOf(w.form->Internet->HostList), BuiltInServers());
    QVERIFY(!w.form->FirstTick);

    w.choose(true, true, AtStartup);
    w.tickThrough(QTime(9, 0, 0), QTime(9, 0, 5));
    QCOMPARE(w.form->synchs, QList<QTime>{});
}

void AutoSynchTest::triggersFireOnTheirSecondOnly_data()
{
    QTest::addColumn<bool>("setPCClock");
    QTest::addColumn<bool>("synchEvery");
    QTest::addColumn<int>("period");
    QTest::addColumn<QList<QTime>>("expected");

    const QList<QTime> none;
    QTest::newRow("at startup: the first tick") << true << true << int(AtStartup)
                                                << QList<QTime>{QTime(9, 59, 58)};
    QTest::newRow("hourly: hh:00:01")
        << true << true << int(Hourly)
        << QList<QTime>{QTime(10, 0, 1), QTime(11, 0, 1), QTime(0, 0, 1)};
    QTest::newRow("daily: 23:59:59") << true << true << int(Daily)
                                     << QList<QTime>{QTime(23, 59, 59)};
    QTest::newRow("no period selected") << true << true << -1 << none;
    QTest::newRow("at startup without Auto-Synch") << true << false << int(AtStartup) << none;
    QTest::newRow("hourly without Auto-Synch") << true << false << int(Hourly) << none;
    QTest::newRow("daily without Auto-Synch") << true << false << int(Daily) << none;
    QTest::newRow("at startup without SetPCClock") << false << true << int(AtStartup) << none;
    QTest::newRow("hourly without SetPCClock") << false << true << int(Hourly) << none;
    QTest::newRow("daily without SetPCClock") << false << true << int(Daily) << none;
}

void AutoSynchTest::triggersFireOnTheirSecondOnly()
{
    QFETCH(bool, setPCClock);
    QFETCH(bool, synchEvery);
    QFETCH(int, period);
    QFETCH(QList<QTime>, expected);

    Window w;
    w.create();
    w.choose(setPCClock, synchEvery, period);
    // Every second across two hour changes, then across midnight.
    w.tickThrough(QTime(9, 59, 58), QTime(11, 0, 2));
    w.tickThrough(QTime(23, 59, 57), QTime(0, 0, 2));
    QCOMPARE(w.form->synchs, expected);
}

void AutoSynchTest::startupTriggerNeverFiresAfterTheFirstTick()
{
    Window w;
    w.create();
    w.tickThrough(QTime(8, 0, 0), QTime(8, 0, 0));
    QVERIFY(!w.form->FirstTick);
    w.choose(true, true, AtStartup);
    w.tickThrough(QTime(8, 0, 1), QTime(8, 0, 5));
    QCOMPARE(w.form->synchs, QList<QTime>{});
}

void AutoSynchTest::autoSynchBoxEnablesThePeriods()
{
    Window w;
    w.create();
    TNetworkTimePage &page = *w.form->Internet;
    QVERIFY(!page.Synch_Every->isChecked());
    QVERIFY(page.SynchPeriod->isEnabled());
    page.Synch_Every->setChecked(true);
    QVERIFY(page.SynchPeriod->isEnabled());
    page.Synch_Every->setChecked(false);
    QVERIFY(!page.SynchPeriod->isEnabled());
    page.Synch_Every->click();
    QVERIFY(page.SynchPeriod->isEnabled());
}

QTEST_MAIN(AutoSynchTest)
#include "tst_autosynch.moc"
