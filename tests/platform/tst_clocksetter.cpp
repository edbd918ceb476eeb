#include "platform/ClockSetter.h"
#include "platform/ClockSetterTimedated.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace
{
const QString python = QStringLiteral("/usr/bin/python3");
const QString timedated = QStringLiteral("org.freedesktop.timedate1");
const QString timedatedPath = QStringLiteral("/org/freedesktop/timedate1");

// This process's capability sets, read and written whole.
struct Capabilities {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};

    bool read() { return syscall(SYS_capget, &header, data) == 0; }
    bool write() { return syscall(SYS_capset, &header, data) == 0; }
    bool effective(int cap) const { return data[CAP_TO_INDEX(cap)].effective & CAP_TO_MASK(cap); }
    void setEffective(int cap, bool on)
    {
        if (on)
            data[CAP_TO_INDEX(cap)].effective |= CAP_TO_MASK(cap);
        else
            data[CAP_TO_INDEX(cap)].effective &= ~CAP_TO_MASK(cap);
    }
};

// The calls of one method that the mock has recorded: each call's arguments.
QList<QVariantList> recordedCalls(const QDBusConnection &bus, const QString &method)
{
    QDBusMessage query = QDBusMessage::createMethodCall(timedated, timedatedPath,
                                                        QStringLiteral("org.freedesktop.DBus.Mock"),
                                                        QStringLiteral("GetMethodCalls"));
    query << method;
    const QDBusMessage reply = bus.call(query);
    QList<QVariantList> calls;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return calls;
    const QDBusArgument array = reply.arguments().first().value<QDBusArgument>();
    array.beginArray();
    while (!array.atEnd()) {
        quint64 timestamp = 0;
        QVariantList arguments;
        array.beginStructure();
        array >> timestamp;
        array.beginArray();
        while (!array.atEnd()) {
            QDBusVariant argument;
            array >> argument;
            arguments << argument.variant();
        }
        array.endArray();
        array.endStructure();
        calls << arguments;
    }
    array.endArray();
    return calls;
}
} // namespace

// Setting the clock: who may set it directly, and the request to the time service, checked
// against a mock of that service on a private bus. The real clock is never touched.
class ClockSetterTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void timeServiceIsAskedForTheInstantInteractively();
    void noBusSetsNothingAndSaysNothing();
    void rightIsTheEffectiveCapabilityNotTheUser();

private:
    QProcess m_busDaemon;
    QProcess m_mock;
    QString m_address;
};

void ClockSetterTest::initTestCase()
{
    if (!QFile::exists(QStringLiteral("/usr/bin/dbus-daemon")))
        QSKIP("dbus-daemon is not installed (package dbus)");
    if (QProcess::execute(python, {QStringLiteral("-c"), QStringLiteral("import dbusmock")}) != 0)
        QSKIP("python3-dbusmock is not installed");

    m_busDaemon.start(QStringLiteral("/usr/bin/dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"),
                       QStringLiteral("--print-address=1")});
    QVERIFY(m_busDaemon.waitForStarted());
    QTRY_VERIFY(m_busDaemon.canReadLine());
    m_address = QString::fromUtf8(m_busDaemon.readLine()).trimmed();
    QVERIFY(!m_address.isEmpty());

    // The mock stands in for the system's time service, on our private bus.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_address);
    m_mock.setProcessEnvironment(environment);
    m_mock.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_mock.start(python,
                 {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--system"),
                  QStringLiteral("--template"), QStringLiteral("timedated")});
    QVERIFY(m_mock.waitForStarted());

    QDBusConnection bus = QDBusConnection::connectToBus(m_address, QStringLiteral("private"));
    QVERIFY(bus.isConnected());
    QTRY_VERIFY_WITH_TIMEOUT(bus.interface()->isServiceRegistered(timedated), 10000);
}

void ClockSetterTest::cleanupTestCase()
{
    QDBusConnection::disconnectFromBus(QStringLiteral("private"));
    for (QProcess *process : {&m_mock, &m_busDaemon}) {
        if (process->state() != QProcess::NotRunning) {
            process->terminate();
            if (!process->waitForFinished(5000))
                process->kill();
            process->waitForFinished();
        }
    }
}

void ClockSetterTest::timeServiceIsAskedForTheInstantInteractively()
{
    QDBusConnection bus(QStringLiteral("private"));
    TimedatedClockSetter setter(bus);
    setter.setClock(946684800); // 2000-01-01 00:00:00 UTC

    QList<QVariantList> calls;
    QTRY_VERIFY((calls = recordedCalls(bus, QStringLiteral("SetTime"))).size() == 1);
    const QVariantList arguments = calls.first();
    QCOMPARE(arguments.size(), 3);
    QCOMPARE(arguments.at(0).toLongLong(), 946684800000000LL); // whole seconds, 0 ms
    QCOMPARE(arguments.at(1).toBool(), false);                 // absolute, not relative
    QCOMPARE(arguments.at(2).toBool(), true);                  // may ask the user
}

void ClockSetterTest::noBusSetsNothingAndSaysNothing()
{
    QDBusConnection bus(QStringLiteral("private"));
    const qsizetype before = recordedCalls(bus, QStringLiteral("SetTime")).size();
    TimedatedClockSetter setter(QDBusConnection(QStringLiteral("no such connection")));
    setter.setClock(946684800);
    QTest::qWait(100);
    QCOMPARE(recordedCalls(bus, QStringLiteral("SetTime")).size(), before);
}

void ClockSetterTest::rightIsTheEffectiveCapabilityNotTheUser()
{
    Capabilities caps;
    QVERIFY(caps.read());
    QCOMPARE(ProcessMaySetClock(), caps.effective(CAP_SYS_TIME));
    if (!caps.effective(CAP_SYS_TIME))
        QSKIP("this process cannot set the clock; nothing to take away");

    // Without the capability in effect, even root asks the time service.
    Capabilities lowered = caps;
    lowered.setEffective(CAP_SYS_TIME, false);
    QVERIFY(lowered.write());
    const bool withoutRight = ProcessMaySetClock();
    QVERIFY(caps.write());
    QCOMPARE(withoutRight, false);
    QCOMPARE(ProcessMaySetClock(), true);
}

QTEST_GUILESS_MAIN(ClockSetterTest)
#include "tst_clocksetter.moc"
