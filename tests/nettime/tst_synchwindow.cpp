#include "FakeClockSetter.h"
#include "FakeTimeSource.h"
#include "MessageCollector.h"
#include "ScratchDirectory.h"
#include "TimeProtocolServer.h"
#include "nettime/NetworkTimePage.h"
#include "shell/MainForm.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

using Mode = TimeProtocolServer::Mode;

namespace
{
constexpr quint32 millennium = 3155673600u; // 2000-01-01 00:00:00 UTC
const QString refused =
    QStringLiteral("Socket call failed Winsock code #10061 conn refused by host");

// The main window, built offscreen against a fake PC clock, a fake clock setter and a
// Time Protocol server of the test's own.
struct Window {
    explicit Window(quint16 port, const QStringList &hosts = {QStringLiteral("127.0.0.1")})
    {
        dir.copyProgramData();
        services.clock = &clock;
        services.clockSetter = &setter;
        services.timePort = port;
        services.settingsFile = dir.filePath(QStringLiteral("Meridane.ini"));
        form = std::make_unique<TMainForm>(services);
        page = form->Internet;
        page->HostList->clear();
        page->HostList->addItems(hosts);
        page->HostList->setCurrentIndex(0);
        page->SetPCClock->setChecked(true);
        form->PageControl1->setCurrentWidget(form->LocalTime);
    }
    // The PC clock `slow` seconds behind the server's 2000-01-01 00:00:00 UTC.
    void pcSlowBy(int slow)
    {
        const QDateTime pc = QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC).addSecs(-slow);
        clock.setLocal(pc.date(), pc.time());
    }
    void synchAndWait()
    {
        page->Button1->click();
        QTRY_VERIFY_WITH_TIMEOUT(!form->SynchRunning(), 10000);
    }
    QString status() const { return form->SB->currentMessage(); }

    ScratchDirectory dir;
    MessageCollector messages;
    FakeTimeSource clock;
    FakeClockSetter setter;
    Services services;
    std::unique_ptr<TMainForm> form;
    TNetworkTimePage *page = nullptr;
};
} // namespace

// "Synch Now" through the main window: what it shows while the exchange runs and after.
class SynchWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qputenv("TZ", "UTC0");
        tzset();
    }

    void successShowsResultsAndDriftAndSetsTheClock();
    void serverWithoutATimeChangesNoResult();
    void oneExchangeAtATime();
    void failingServersLeaveTheFirstSelected();
    void closingTheWindowDoesNotWaitForTheServer();
};

void SynchWindowTest::successShowsResultsAndDriftAndSetsTheClock()
{
    TimeProtocolServer server(Mode::Answer, millennium);
    Window w(server.port());
    w.pcSlowBy(6);
    w.form->CurrentLocalDateTime = WallTime::empty();

    w.page->Button1->click();
    // The click returns at once with the exchange under way.
    QVERIFY(!w.page->Animate1->isHidden());
    QVERIFY(w.page->Animate1->isPlaying());
    QCOMPARE(w.page->Animate1->repetitionsLeft(), 80);
    QCOMPARE(w.form->PageControl1->currentWidget(), w.page);
    QVERIFY(w.form->SynchRunning());
    QTRY_VERIFY_WITH_TIMEOUT(!w.form->SynchRunning(), 10000);

    QCOMPARE(w.page->NetTime->text(), QStringLiteral("00:00:00 UTC"));
    QCOMPARE(w.page->NetDate->text(), QStringLiteral("Saturday January 01 2000"));
    QCOMPARE(w.page->Latency->text(), QStringLiteral("0 mSec"));
    QCOMPARE(w.page->TimeDiff->text(), QStringLiteral("6 Sec"));
    QCOMPARE(w.page->AvgErr->text(), QStringLiteral("3.000 Sec"));
    QCOMPARE(w.status(), QStringLiteral("Time from 127.0.0.1: 00:00:00  Sat Jan 01 2000 UTC"));
    QCOMPARE(w.setter.instants(), QList<qint64>{946684800});
    QCOMPARE(w.form->Drift.NumberOfHits, 2);
    // The end of the exchange: animation still and hidden, the local time sampled again.
    QVERIFY(w.page->Animate1->isHidden());
    QVERIFY(!w.page->Animate1->isPlaying());
    QCOMPARE(w.page->Animate1->currentFrame(), 1);
    QCOMPARE(w.form->CurrentLocalDateTime, WallTime::of(w.clock.local));

    // The second figure adds the first unweighted; without "Set PC Clock" the clock stays.
    w.page->SetPCClock->setChecked(false);
    w.pcSlowBy(3);
    w.synchAndWait();
    QCOMPARE(w.page->TimeDiff->text(), QStringLiteral("3 Sec"));
    QCOMPARE(w.page->AvgErr->text(), QStringLiteral("2.000 Sec"));
    QCOMPARE(w.form->Drift.NumberOfHits, 3);
    QCOMPARE(w.setter.instants(), QList<qint64>{946684800});

    // The tool bar's button runs the same command.
    w.pcSlowBy(-3);
    w.form->Synch->click();
    QTRY_VERIFY_WITH_TIMEOUT(!w.form->SynchRunning(), 10000);
    QCOMPARE(w.page->TimeDiff->text(), QStringLiteral("-3 Sec"));
    QCOMPARE(server.connections(), 3);
}

void SynchWindowTest::serverWithoutATimeChangesNoResult()
{
    TimeProtocolServer server({Mode::Answer, Mode::Zeros}, millennium);
    Window w(server.port(), {QStringLiteral("127.0.0.1"), QStringLiteral("localhost")});
    w.pcSlowBy(6);
    w.synchAndWait();
    const QStringList before{w.page->NetTime->text(), w.page->NetDate->text(),
                             w.page->Latency->text(), w.page->TimeDiff->text(),
                             w.page->AvgErr->text()};

    w.pcSlowBy(20);
    w.synchAndWait();
    QCOMPARE(w.status(), QStringLiteral("Time from 127.0.0.1 didn't come in.."));
    const QStringList after{w.page->NetTime->text(), w.page->NetDate->text(),
                            w.page->Latency->text(), w.page->TimeDiff->text(),
                            w.page->AvgErr->text()};
    QCOMPARE(after, before);
    QCOMPARE(w.form->Drift.NumberOfHits, 2);
    QCOMPARE(w.setter.instants().size(), 1);
    QCOMPARE(w.page->HostList->currentIndex(), 0); // no further server was tried
    QCOMPARE(server.connections(), 2);
    QVERIFY(w.page->Animate1->isHidden());
}

void SynchWindowTest::oneExchangeAtATime()
{
    TimeProtocolServer server({Mode::NeverAnswer, Mode::Answer}, millennium);
    Window w(server.port());
    w.page->Button1->click();
    QTRY_COMPARE(server.connections(), 1);
    QTRY_COMPARE(w.status(), QStringLiteral("Reading"));

    // Neither a click nor the tool bar starts a second exchange while this one waits.
    w.page->Button1->click();
    w.form->Synch->click();
    QTest::qWait(200);
    QCOMPARE(server.connections(), 1);
    QVERIFY(w.form->SynchRunning());
    QVERIFY(!w.page->Animate1->isHidden());

    // The server closes without a time: the one exchange ends, and the next click is free.
    server.releaseHeld();
    QTRY_VERIFY_WITH_TIMEOUT(!w.form->SynchRunning(), 10000);
    QCOMPARE(w.status(), QStringLiteral("Time from 127.0.0.1 didn't come in.."));
    QCOMPARE(server.connections(), 1);
    w.synchAndWait();
    QCOMPARE(server.connections(), 2);
    QCOMPARE(w.page->NetDate->text(), QStringLiteral("Saturday January 01 2000"));
}

void SynchWindowTest::failingServersLeaveTheFirstSelected()
{
    RefusingPort refusing;
    Window w(refusing.port(), QStringList(30, QStringLiteral("127.0.0.1")));
    w.page->HostList->setCurrentIndex(9);
    w.synchAndWait();
    QCOMPARE(w.page->HostList->currentIndex(), 0);
    QCOMPARE(w.status(), refused);
    QCOMPARE(w.page->NetTime->text(), QStringLiteral(" ")); // as the window was built
    QVERIFY(w.setter.instants().isEmpty());
    QVERIFY(w.page->Animate1->isHidden());
}

void SynchWindowTest::closingTheWindowDoesNotWaitForTheServer()
{
    TimeProtocolServer server(Mode::NeverAnswer);
    Window w(server.port());
    w.page->Button1->click();
    QTRY_COMPARE(w.status(), QStringLiteral("Reading"));

    // The receive would wait ten seconds for this server; closing cancels it instead. The
    // bound is far from both, so only a close that waits for the time-out fails here.
    QElapsedTimer closing;
    closing.start();
    w.form.reset();
    QVERIFY2(closing.elapsed() < 5000, "the window waited for the server's time-out");
}

QTEST_MAIN(SynchWindowTest)
#include "tst_synchwindow.moc"
