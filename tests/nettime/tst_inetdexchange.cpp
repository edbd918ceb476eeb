#include "FakeClockSetter.h"
#include "MessageCollector.h"
#include "ScratchDirectory.h"
#include "nettime/NetworkTimePage.h"
#include "nettime/SynchTexts.h"
#include "platform/TimeSource.h"
#include "shell/MainForm.h"

#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{
const QString inetd = QStringLiteral("/usr/sbin/inetd");
const QString rdate = QStringLiteral("/usr/sbin/rdate");
const QString capsh = QStringLiteral("/usr/sbin/capsh");

sockaddr_in timePort()
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(37);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// Empty when 127.0.0.1 port 37 is free for a server of ours; otherwise why not.
QString whyPort37CannotBeBound()
{
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return QString::fromLocal8Bit(strerror(errno));
    const int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    const sockaddr_in address = timePort();
    const bool bound = bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    const QString reason = bound ? QString() : QString::fromLocal8Bit(strerror(errno));
    close(fd);
    return reason;
}

bool port37Answers()
{
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_in address = timePort();
    const bool connected =
        fd >= 0 && connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    if (fd >= 0)
        close(fd);
    return connected;
}

// The instant `rdate -p` prints, such as "Fri Dec 11 12:32:38 UTC 2026", read in UTC.
QDateTime parseRdate(const QString &output)
{
    static const QRegularExpression line(
        QStringLiteral(R"((\w{3}) (\w{3}) +(\d{1,2}) (\d\d):(\d\d):(\d\d) (?:\S+ )?(\d{4}))"));
    const QRegularExpressionMatch m = line.match(output);
    if (!m.hasMatch())
        return {};
    static const QStringList months{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QDate date(m.captured(7).toInt(), int(months.indexOf(m.captured(2))) + 1,
                     m.captured(3).toInt());
    const QTime time(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
    return QDateTime(date, time, Qt::UTC);
}
} // namespace

// "Synch Now" against a real Time Protocol service: the internal "time" service of inetd,
// started by this test on 127.0.0.1 port 37, checked against rdate. The clock is set only
// through the fake setter, and rdate only ever prints.
class InetdExchangeTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void synchNowShowsWhatRdateShows();

private:
    QTemporaryDir m_config;
    QProcess m_inetd;
};

void InetdExchangeTest::initTestCase()
{
    qputenv("TZ", "UTC0");
    tzset();
    if (!QFile::exists(inetd))
        QSKIP("inetd is not installed (package openbsd-inetd)");
    if (!QFile::exists(rdate))
        QSKIP("rdate is not installed (package rdate)");
    const QString reason = whyPort37CannotBeBound();
    if (!reason.isEmpty())
        QSKIP(qPrintable(QStringLiteral("127.0.0.1 port 37 cannot be bound here: ") + reason));

    QVERIFY(m_config.isValid());
    const QString conf = m_config.filePath(QStringLiteral("inetd.conf"));
    QFile file(conf);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("127.0.0.1:time stream tcp nowait root internal\n");
    file.close();

    // -d: debug output, -i: stay in the foreground, so that the PID is the server's.
    m_inetd.setProcessChannelMode(QProcess::MergedChannels);
    m_inetd.start(inetd, {QStringLiteral("-d"), QStringLiteral("-i"), conf});
    QVERIFY2(m_inetd.waitForStarted(), qPrintable(m_inetd.errorString()));
    for (int i = 0; i < 100 && !port37Answers(); ++i) {
        if (m_inetd.state() == QProcess::NotRunning)
            break;
        QTest::qWait(50);
    }
    if (!port37Answers()) {
        const QString output = QString::fromLocal8Bit(m_inetd.readAll());
        cleanupTestCase();
        QSKIP(qPrintable(QStringLiteral("inetd did not serve 127.0.0.1 port 37: ") + output));
    }
}

void InetdExchangeTest::cleanupTestCase()
{
    if (m_inetd.state() != QProcess::NotRunning) {
        m_inetd.terminate(); // SIGTERM to this inetd's PID, no other
        if (!m_inetd.waitForFinished(5000)) {
            m_inetd.kill();
            m_inetd.waitForFinished();
        }
    }
}

void InetdExchangeTest::synchNowShowsWhatRdateShows()
{
    ScratchDirectory dir;
    dir.copyProgramData();
    MessageCollector messages;
    SystemTimeSource clock; // read only; the clock is set through the fake below
    FakeClockSetter setter;
    Services services;
    services.clock = &clock;
    services.clockSetter = &setter;
    services.settingsFile = dir.filePath(QStringLiteral("Meridane.ini"));
    QCOMPARE(services.timePort, quint16(37));
    TMainForm form(services);
    form.Internet->HostList->clear();
    form.Internet->HostList->addItem(QStringLiteral("127.0.0.1"));
    form.Internet->HostList->setCurrentIndex(0);
    form.Internet->SetPCClock->setChecked(true);

    form.Internet->Button1->click();
    QTRY_VERIFY_WITH_TIMEOUT(!form.SynchRunning(), 30000);

    // rdate asks the same service; its answer may be a second later than ours.
    QProcess query;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TZ"), QStringLiteral("UTC0"));
    query.setProcessEnvironment(environment);
    if (QFile::exists(capsh)) // even a wrong flag could not set the clock this way
        query.start(capsh, {QStringLiteral("--drop=cap_sys_time"), QStringLiteral("--"),
                            QStringLiteral("-c"),
                            QStringLiteral("exec ") + rdate + QStringLiteral(" -p 127.0.0.1")});
    else
        query.start(rdate, {QStringLiteral("-p"), QStringLiteral("127.0.0.1")});
    QVERIFY(query.waitForFinished(30000));
    const QString printed = QString::fromLocal8Bit(query.readAllStandardOutput());
    QCOMPARE(query.exitCode(), 0);
    const QDateTime rdateTime = parseRdate(printed);
    QVERIFY2(rdateTime.isValid(), qPrintable(printed));

    QCOMPARE(setter.instants().size(), 1);
    const qint64 t = setter.instants().first();
    const qint64 apart = rdateTime.toSecsSinceEpoch() - t;
    QVERIFY2(apart >= 0 && apart <= 1,
             qPrintable(QStringLiteral("rdate %1, ours %2")
                            .arg(rdateTime.toString(Qt::ISODate))
                            .arg(QDateTime::fromSecsSinceEpoch(t, Qt::UTC).toString(Qt::ISODate))));

    const TNetworkTimePage *page = form.Internet;
    QCOMPARE(page->NetTime->text(), LocalTimeText("%H:%M:%S %Z", t));
    QCOMPARE(page->NetDate->text(), LocalTimeText("%A %B %d %Y", t));
    QCOMPARE(form.SB->currentMessage(), QStringLiteral("Time from 127.0.0.1: ") +
                                            LocalTimeText("%H:%M:%S  %a %b %d %Y %Z", t));
    QVERIFY2(
        QRegularExpression(QStringLiteral("^\\d+ mSec$")).match(page->Latency->text()).hasMatch(),
        qPrintable(page->Latency->text()));
    // The server is this machine's own clock: the error is under a second either way.
    QVERIFY2(
        QRegularExpression(QStringLiteral("^-?[01] Sec$")).match(page->TimeDiff->text()).hasMatch(),
        qPrintable(page->TimeDiff->text()));
    QVERIFY2(QRegularExpression(QStringLiteral("^-?0\\.(000|500) Sec$"))
                 .match(page->AvgErr->text())
                 .hasMatch(),
             qPrintable(page->AvgErr->text()));
    QCOMPARE(form.Drift.NumberOfHits, 2);
}

QTEST_MAIN(InetdExchangeTest)
#include "tst_inetdexchange.moc"
