#include "FakeTimeSource.h"
#include "platform/SingleInstance.h"
#include "shell/MainForm.h"
#include "shell/SmallDisplay.h"

#include <QDir>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// Runs real copies of the program on a display name of the test's own, so that no copy
// running on the desktop is involved.
class SingleInstanceTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void secondStartEndsAtOnceAndLeavesOneCopy();
    void restoreRequestReachesTheRunningWindow();
    void staleSocketDoesNotBlockTheNextStart();

private:
    QProcess *startCopy();
    bool waitUntilListening();
    QString socketPath() const;

    QTemporaryDir m_home;
    QString m_display;
    QList<QProcess *> m_copies;
};

void SingleInstanceTest::initTestCase()
{
    QVERIFY(m_home.isValid());
    m_display = QStringLiteral(":meridane-test-%1").arg(QCoreApplication::applicationPid());
    // The socket name follows the display, for this process and for the copies it starts.
    qputenv("DISPLAY", m_display.toUtf8());
    qunsetenv("WAYLAND_DISPLAY");
    QVERIFY2(QFile::exists(qEnvironmentVariable("MERIDANE_BINARY")),
             "MERIDANE_BINARY must name the built program");
}

void SingleInstanceTest::cleanup()
{
    for (QProcess *copy : m_copies) {
        copy->kill();
        copy->waitForFinished(5000);
        delete copy;
    }
    m_copies.clear();
    QLocalServer::removeServer(SingleInstance::socketName(QStringLiteral("Meridane")));
}

QProcess *SingleInstanceTest::startCopy()
{
    auto *copy = new QProcess;
    m_copies << copy;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.path());
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    copy->setProcessEnvironment(env);
    copy->setWorkingDirectory(m_home.path());
    copy->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    copy->start(qEnvironmentVariable("MERIDANE_BINARY"), {});
    copy->waitForStarted(5000);
    return copy;
}

bool SingleInstanceTest::waitUntilListening()
{
    const QString name = SingleInstance::socketName(QStringLiteral("Meridane"));
    for (int attempt = 0; attempt < 100; ++attempt) {
        QLocalSocket probe;
        probe.connectToServer(name);
        if (probe.waitForConnected(100))
            return true;
        QTest::qWait(50);
    }
    return false;
}

QString SingleInstanceTest::socketPath() const
{
    return QDir::temp().filePath(SingleInstance::socketName(QStringLiteral("Meridane")));
}

void SingleInstanceTest::secondStartEndsAtOnceAndLeavesOneCopy()
{
    QProcess *first = startCopy();
    QVERIFY(waitUntilListening());

    QProcess *second = startCopy();
    QVERIFY(second->waitForFinished(10000));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);

    QCOMPARE(first->state(), QProcess::Running);
    QVERIFY(!first->waitForFinished(500)); // still running after the second has gone
}

void SingleInstanceTest::restoreRequestReachesTheRunningWindow()
{
    SingleInstance instance(QStringLiteral("Meridane"));
    QCOMPARE(instance.claim(), SingleInstance::Role::First);

    FakeTimeSource clock;
    Services services;
    services.clock = &clock;
    TMainForm form(services);
    TForm3 smallDisplay;
    form.setSmallDisplay(&smallDisplay);
    connect(&instance, &SingleInstance::restoreRequested, &form, &TMainForm::Restore1Click);
    form.showMinimized();
    smallDisplay.show();

    QSignalSpy restored(&instance, &SingleInstance::restoreRequested);
    QProcess *second = startCopy();
    QVERIFY(restored.wait(10000));
    QVERIFY(second->waitForFinished(10000));
    QCOMPARE(second->exitCode(), 0);

    QVERIFY(form.isVisible());
    QVERIFY(!form.isMinimized());
    QVERIFY(!smallDisplay.isVisible());
}

void SingleInstanceTest::staleSocketDoesNotBlockTheNextStart()
{
    // A socket file nobody listens on, as a crashed copy leaves it.
    const QByteArray path = QFile::encodeName(socketPath());
    QFile::remove(socketPath());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(fd >= 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
    QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ::close(fd);
    QVERIFY(QFile::exists(socketPath()));

    QProcess *first = startCopy();
    QVERIFY(!first->waitForFinished(1500)); // it does not mistake the file for a running copy
    QVERIFY(waitUntilListening());

    QProcess *second = startCopy();
    QVERIFY(second->waitForFinished(10000));
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(first->state(), QProcess::Running);
}

QTEST_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
