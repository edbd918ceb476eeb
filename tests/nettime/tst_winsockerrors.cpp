#include "nettime/WinsockErrors.h"

#include <QTest>

// The text of each Windows Sockets error number the status bar can show.
class WinsockErrorsTest : public QObject
{
    Q_OBJECT
private slots:
    void text_data();
    void text();
};

void WinsockErrorsTest::text_data()
{
    QTest::addColumn<qint32>("code");
    QTest::addColumn<QString>("expected");

    QTest::newRow("refused") << 10061 << "Winsock code #10061 conn refused by host";
    QTest::newRow("host not found") << 11001 << "Winsock code #11001 host not found";
    QTest::newRow("net down") << 10050 << "Winsock code #10050 Net down!!!";
    QTest::newRow("timed out") << 10060 << "Winsock code #10060 conn timed out";
    QTest::newRow("first entry") << 10004 << "Winsock code #10004 blocking call canceled";
    QTest::newRow("last entry") << 11004 << "Winsock code #11004 no data of req'd type";
    QTest::newRow("start of the run") << 10035 << "Winsock code #10035 op would block";
    QTest::newRow("end of the run") << 10071 << "Winsock code #10071 item is not local to host";
    QTest::newRow("longest") << 10047
                             << "Winsock code #10047 addr fam not supported by protocol fam";
    QTest::newRow("typo kept") << 10049 << "Winsock code #10049 cant' assign requested addr";
    QTest::newRow("before the run") << 10034 << "UnDoc'd Winsock code #10034";
    QTest::newRow("after the run") << 10072 << "UnDoc'd Winsock code #10072";
    QTest::newRow("zero") << 0 << "UnDoc'd Winsock code #0";
    QTest::newRow("negative") << -10061 << "UnDoc'd Winsock code #-10061";
    QTest::newRow("base") << 10000 << "UnDoc'd Winsock code #10000";
    QTest::newRow("after startup errors") << 10094 << "UnDoc'd Winsock code #10094";
    QTest::newRow("after resolver errors") << 11005 << "UnDoc'd Winsock code #11005";
    QTest::newRow("a system number passed on") << 5 << "UnDoc'd Winsock code #5";
}

void WinsockErrorsTest::text()
{
    QFETCH(qint32, code);
    QFETCH(QString, expected);
    QCOMPARE(WinsockErrorText(code), expected);
}

QTEST_APPLESS_MAIN(WinsockErrorsTest)
#include "tst_winsockerrors.moc"
