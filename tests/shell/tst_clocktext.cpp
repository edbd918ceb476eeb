#include "shell/CFormat.h"
#include "shell/ClockText.h"

#include <QTest>

class ClockTextTest : public QObject
{
    Q_OBJECT
private slots:
    void displayHour_data();
    void displayHour();
    void localClockTexts_data();
    void localClockTexts();
    void cformatGrowsPastItsBuffer();
};

void ClockTextTest::displayHour_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<bool>("display24Hour");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("suffix");

    QTest::newRow("midnight 12h") << 0 << false << 12 << "am";
    QTest::newRow("1 am") << 1 << false << 1 << "am";
    QTest::newRow("11 am") << 11 << false << 11 << "am";
    QTest::newRow("noon 12h") << 12 << false << 12 << "pm";
    QTest::newRow("13 12h") << 13 << false << 1 << "pm";
    QTest::newRow("23 12h") << 23 << false << 11 << "pm";
    QTest::newRow("24 12h is midnight") << 24 << false << 12 << "am";
    QTest::newRow("midnight 24h") << 0 << true << 0 << "";
    QTest::newRow("13 24h") << 13 << true << 13 << "";
    QTest::newRow("24 24h is 0") << 24 << true << 0 << "";
}

void ClockTextTest::displayHour()
{
    QFETCH(int, hour);
    QFETCH(bool, display24Hour);
    QFETCH(int, shown);
    QFETCH(QString, suffix);

    const ShownHour result = DisplayHour(hour, display24Hour);
    QCOMPARE(result.hour, shown);
    QCOMPARE(QString::fromLatin1(result.suffix), suffix);
}

void ClockTextTest::localClockTexts_data()
{
    QTest::addColumn<QTime>("local");
    QTest::addColumn<QTime>("utc");
    QTest::addColumn<bool>("display24Hour");
    QTest::addColumn<QString>("clock");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortTitle");
    QTest::addColumn<QString>("utcText");

    QTest::newRow("midnight 12h")
        << QTime(0, 0, 0) << QTime(5, 0, 0) << false << "12:00:00am" << 42
        << "Meridane - Local Time is 12:00:00" << "Meridane - 12:00:00" << "05:00:00";
    QTest::newRow("noon 12h")
        << QTime(12, 0, 0) << QTime(17, 0, 0) << false << "12:00:00pm" << 42
        << "Meridane - Local Time is 12:00:00" << "Meridane - 12:00:00" << "17:00:00";
    QTest::newRow("13:05:09 12h")
        << QTime(13, 5, 9) << QTime(3, 7, 0) << false << " 1:05:09pm" << 42
        << "Meridane - Local Time is  1:05:09" << "Meridane -  1:05:09" << "03:07:00";
    QTest::newRow("00:05:09 12h")
        << QTime(0, 5, 9) << QTime(0, 5, 9) << false << "12:05:09am" << 42
        << "Meridane - Local Time is 12:05:09" << "Meridane - 12:05:09" << "00:05:09";
    QTest::newRow("midnight 24h")
        << QTime(0, 0, 0) << QTime(23, 0, 0) << true << " 0:00:00" << 48
        << "Meridane - Local Time is  0:00:00" << "Meridane -  0:00:00" << "23:00:00";
    QTest::newRow("noon 24h")
        << QTime(12, 0, 0) << QTime(12, 0, 0) << true << "12:00:00" << 48
        << "Meridane - Local Time is 12:00:00" << "Meridane - 12:00:00" << "12:00:00";
    QTest::newRow("13:05:09 24h")
        << QTime(13, 5, 9) << QTime(9, 9, 9) << true << "13:05:09" << 48
        << "Meridane - Local Time is 13:05:09" << "Meridane - 13:05:09" << "09:09:09";
    QTest::newRow("00:05:09 24h")
        << QTime(0, 5, 9) << QTime(0, 0, 0) << true << " 0:05:09" << 48
        << "Meridane - Local Time is  0:05:09" << "Meridane -  0:05:09" << "00:00:00";
}

void ClockTextTest::localClockTexts()
{
    QFETCH(QTime, local);
    QFETCH(QTime, utc);
    QFETCH(bool, display24Hour);

    const LocalClockTexts texts = MakeLocalClockTexts(local, utc, display24Hour);
    QTEST(texts.clock, "clock");
    QTEST(texts.clockPointSize, "pointSize");
    QTEST(texts.caption, "caption");
    QTEST(texts.shortTitle, "shortTitle");
    QTEST(texts.utc, "utcText");
}

void ClockTextTest::cformatGrowsPastItsBuffer()
{
    const QString longName(300, u'x');
    const QString text = cformat("Cannot open file %s", longName.toUtf8().constData());
    QCOMPARE(text, QStringLiteral("Cannot open file ") + longName);
    QCOMPARE(cformat("%2.3f Sec", -2.0), QStringLiteral("-2.000 Sec"));
}

QTEST_APPLESS_MAIN(ClockTextTest)
#include "tst_clocktext.moc"
