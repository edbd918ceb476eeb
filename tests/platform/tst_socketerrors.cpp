#include "nettime/WinsockErrors.h"
#include "platform/SocketErrors.h"

#include <QTest>
#include <cerrno>
#include <netdb.h>

// The system's error numbers reach the status bar as the Windows Sockets texts.
class SocketErrorsTest : public QObject
{
    Q_OBJECT
private slots:
    void socketErrors_data();
    void socketErrors();
    void resolverErrors_data();
    void resolverErrors();
};

void SocketErrorsTest::socketErrors_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("text");

    QTest::newRow("refused") << ECONNREFUSED << "Winsock code #10061 conn refused by host";
    QTest::newRow("timed out") << ETIMEDOUT << "Winsock code #10060 conn timed out";
    QTest::newRow("network unreachable") << ENETUNREACH << "Winsock code #10051 Net unreachable";
    QTest::newRow("host unreachable") << EHOSTUNREACH << "Winsock code #10065 no route to host";
    QTest::newRow("network down") << ENETDOWN << "Winsock code #10050 Net down!!!";
    QTest::newRow("reset") << ECONNRESET << "Winsock code #10054 conn reset by host";
    QTest::newRow("out of descriptors") << EMFILE << "Winsock code #10024 handles exhausted";
    QTest::newRow("system out of descriptors") << ENFILE << "Winsock code #10024 handles exhausted";
    QTest::newRow("no permission") << EACCES << "Winsock code #10013 invalid access attempt";
    QTest::newRow("no address") << EADDRNOTAVAIL
                                << "Winsock code #10049 cant' assign requested addr";
    // No counterpart: the system's own number, which can never read as another error.
    QTest::newRow("input/output") << EIO << QStringLiteral("UnDoc'd Winsock code #%1").arg(EIO);
}

void SocketErrorsTest::socketErrors()
{
    QFETCH(int, error);
    QFETCH(QString, text);
    QCOMPARE(WinsockErrorText(WinsockErrorFromErrno(error)), text);
}

void SocketErrorsTest::resolverErrors_data()
{
    QTest::addColumn<int>("eai");
    QTest::addColumn<int>("savedErrno");
    QTest::addColumn<qint32>("code");

    QTest::newRow("unknown name") << EAI_NONAME << 0 << 11001;
    QTest::newRow("no answer yet") << EAI_AGAIN << 0 << 11002;
    QTest::newRow("failed") << EAI_FAIL << 0 << 11003;
    QTest::newRow("no address") << EAI_NODATA << 0 << 11004;
    QTest::newRow("no IPv4 address") << EAI_ADDRFAMILY << 0 << 11004;
    QTest::newRow("out of memory") << EAI_MEMORY << 0 << 10055;
    QTest::newRow("system error") << EAI_SYSTEM << ECONNREFUSED << 10061;
}

void SocketErrorsTest::resolverErrors()
{
    QFETCH(int, eai);
    QFETCH(int, savedErrno);
    QFETCH(qint32, code);
    QCOMPARE(WinsockErrorFromResolver(eai, savedErrno), code);
}

QTEST_APPLESS_MAIN(SocketErrorsTest)
#include "tst_socketerrors.moc"
