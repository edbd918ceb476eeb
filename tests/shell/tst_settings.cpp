#include "platform/ProfileText.h"
#include "shell/Settings.h"
#include "shell/SettingsEncoding.h"

#include <QLocale>
#include <QTest>

namespace {
const char *const missing = "<missing>";

std::optional<QString> stored(const QString &text)
{
    if (text == QLatin1String(missing))
        return std::nullopt;
    return text;
}

Settings readText(const QByteArray &text)
{
    const ProfileText file(text);
    return ReadSettings([&file](const char *section, const char *key) {
        return file.value(QLatin1String(section), QLatin1String(key));
    });
}

QByteArray writeText(const Settings &settings, const QByteArray &existing = {})
{
    ProfileText file(existing);
    for (const SettingEntry &entry : SettingEntries(settings))
        file.setValue(QLatin1String(entry.section), QLatin1String(entry.key), entry.value);
    return file.toByteArray();
}
} // namespace

class SettingsTest : public QObject
{
    Q_OBJECT
private slots:
    void integer_data();
    void integer();
    void boolean_data();
    void boolean();
    void floatingRead_data();
    void floatingRead();
    void floatingWrite_data();
    void floatingWrite();
    void floatingIgnoresUserLocale();
    void textIsCut();
    void numberOfHits_data();
    void numberOfHits();
    void everyKeyRoundTrips();
};

void SettingsTest::integer_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // 42 is the default

    QTest::newRow("decimal") << "12" << 12;
    QTest::newRow("negative") << "-7" << -7;
    QTest::newRow("plus sign") << "+3" << 3;
    QTest::newRow("0x") << "0xFF" << 255;
    QTest::newRow("0X, mixed case") << "0XfF" << 255;
    QTest::newRow("dollar") << "$FF" << 255;
    QTest::newRow("all 32 bits in hex") << "0xFFFFFFFF" << -1;
    QTest::newRow("leading zeros in hex") << "0x0000000FF" << 255;
    QTest::newRow("largest") << "2147483647" << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << int(-2147483648LL);
    QTest::newRow("too large") << "2147483648" << 42;
    QTest::newRow("too large in hex") << "0x100000000" << 42;
    QTest::newRow("0x alone") << "0x" << 42;
    QTest::newRow("dollar alone") << "$" << 42;
    QTest::newRow("bad hex digit") << "0x1G" << 42;
    QTest::newRow("sign before hex") << "-$FF" << 42;
    QTest::newRow("word") << "blue" << 42;
    QTest::newRow("trailing letters") << "12abc" << 42;
    QTest::newRow("fraction") << "1.5" << 42;
    QTest::newRow("minus alone") << "-" << 42;
    QTest::newRow("empty") << "" << 42;
    QTest::newRow("missing") << missing << 42;
}

void SettingsTest::integer()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(ReadSettingInteger(stored(text), 42), expected);
}

void SettingsTest::boolean_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fallback");
    QTest::addColumn<bool>("expected");

    QTest::newRow("1") << "1" << false << true;
    QTest::newRow("0") << "0" << true << false;
    QTest::newRow("any non-zero") << "2" << false << true;
    QTest::newRow("negative") << "-1" << false << true;
    QTest::newRow("hex zero") << "$0" << true << false;
    QTest::newRow("word, default true") << "yes" << true << true;
    QTest::newRow("word, default false") << "true" << false << false;
    QTest::newRow("empty") << "" << true << true;
    QTest::newRow("missing") << missing << true << true;
}

void SettingsTest::boolean()
{
    QFETCH(QString, text);
    QFETCH(bool, fallback);
    QFETCH(bool, expected);
    QCOMPARE(ReadSettingBoolean(stored(text), fallback), expected);
}

void SettingsTest::floatingRead_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("expected"); // -9 is the default

    QTest::newRow("as written") << "0.100000001490116" << 0.1f;
    QTest::newRow("negative") << "-2.5" << -2.5f;
    QTest::newRow("exponent") << "1e3" << 1000.0f;
    QTest::newRow("whole") << "3" << 3.0f;
    QTest::newRow("empty") << "" << -9.0f;
    QTest::newRow("missing") << missing << -9.0f;
    QTest::newRow("word") << "abc" << -9.0f;
    QTest::newRow("decimal comma") << "0,5" << -9.0f;
    QTest::newRow("group separator") << "1,000" << -9.0f;
    QTest::newRow("not a number") << "nan" << -9.0f;
    QTest::newRow("infinite") << "inf" << -9.0f;
    QTest::newRow("beyond 32 bits") << "1e40" << -9.0f;
}

void SettingsTest::floatingRead()
{
    QFETCH(QString, text);
    QFETCH(float, expected);
    QCOMPARE(ReadSettingFloating(stored(text), -9.0f), expected);
}

void SettingsTest::floatingWrite_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("0.1 widened") << 0.1f << "0.100000001490116";
    QTest::newRow("zero") << 0.0f << "0";
    QTest::newRow("negative half") << -2.5f << "-2.5";
    QTest::newRow("whole") << 3.0f << "3";
    QTest::newRow("fifteen digits") << 123456.789f << "123456.7890625";
    QTest::newRow("large") << 1e20f << "1.00000002004088e+20";
    QTest::newRow("small") << 1e-5f << "9.99999974737875e-06";
}

void SettingsTest::floatingWrite()
{
    QFETCH(float, value);
    QFETCH(QString, expected);
    QCOMPARE(WriteSettingFloating(value), expected);
    QCOMPARE(ReadSettingFloating(expected, -9.0f), value); // and back, exactly
}

void SettingsTest::floatingIgnoresUserLocale()
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString written = WriteSettingFloating(0.5f);
    const float read = ReadSettingFloating(QStringLiteral("0.25"), -9.0f);
    QLocale::setDefault(previous);
    QCOMPARE(written, QStringLiteral("0.5"));
    QCOMPARE(read, 0.25f);
}

void SettingsTest::textIsCut()
{
    const QString limit(SettingTextLimit, u'a');
    QCOMPARE(ReadSettingText(limit, QStringLiteral("Arial")), limit);
    QCOMPARE(ReadSettingText(limit + u'b', QStringLiteral("Arial")), limit);
    QCOMPARE(ReadSettingText(QString(), QStringLiteral("Arial")), QString());
    QCOMPARE(ReadSettingText(std::nullopt, QStringLiteral("Arial")), QStringLiteral("Arial"));
    // A character that does not fit whole is left out whole.
    const QString clef = QString::fromUtf8("\xF0\x9D\x84\x9E");
    const QString straddling = QString(SettingTextLimit - 1, u'a') + clef;
    QCOMPARE(ReadSettingText(straddling, QString()), QString(SettingTextLimit - 1, u'a'));
}

void SettingsTest::numberOfHits_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("expected");

    QTest::newRow("under defaul") << QByteArray("[defaul]\nNumberOfHits=7\n") << 7;
    QTest::newRow("under default is not read")
        << QByteArray("[default]\nNumberOfHits=7\n") << 1;
    QTest::newRow("both: defaul counts")
        << QByteArray("[default]\nNumberOfHits=7\n[defaul]\nNumberOfHits=3\n") << 3;
    QTest::newRow("zero reads as one") << QByteArray("[defaul]\nNumberOfHits=0\n") << 1;
    QTest::newRow("negative reads as one") << QByteArray("[defaul]\nNumberOfHits=-1\n") << 1;
    QTest::newRow("word") << QByteArray("[defaul]\nNumberOfHits=many\n") << 1;
}

void SettingsTest::numberOfHits()
{
    QFETCH(QByteArray, file);
    QFETCH(int, expected);
    QCOMPARE(readText(file).NumberOfHits, expected);
}

void SettingsTest::everyKeyRoundTrips()
{
    Settings changed;
    changed.City = {5, 4, -1, 2, 1, 0};
    changed.Militarytime = true;
    changed.Hints = false;
    changed.SetPCClock = true;
    changed.AvgTimeErr = -0.1f;
    changed.NumberOfHits = 12;
    changed.NTPHost = 7;
    changed.TimeColor = 0x0000FF;
    changed.CityTimeColor = {1, 2, 3, 4, 5, 0x00FFFFFF};
    changed.CityFont = QStringLiteral("Courier New");
    changed.CityFontSize = 14;
    changed.Y2KCountDownColor = 0x00FF00;
    changed.Y2KMonthCountDownColor = 0x123456;
    changed.AutoSynch = true;
    changed.SynchPeriod = 2;

    const QByteArray text = writeText(changed);
    QCOMPARE(readText(text), changed);
    // The fixture changes every key, so a key that is not written or not read shows above.
    for (const SettingKey &key : SettingKeys()) {
        Settings ours = changed, defaults;
        const bool differs = std::visit(
            [&](auto *value) {
                return *value != *std::get<decltype(value)>(key.field(defaults));
            },
            key.field(ours));
        QVERIFY2(differs, key.name);
    }
    QCOMPARE(text.count('\n'), 25 + 3);
    // Writing again over its own text changes nothing.
    QCOMPARE(writeText(changed, text), text);
}

QTEST_GUILESS_MAIN(SettingsTest)
#include "tst_settings.moc"
