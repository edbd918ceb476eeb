#include "FileSizeLimit.h"
#include "platform/ProfileFile.h"
#include "platform/ProfileText.h"
#include "shell/Failure.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
const char *const absent = "<absent>";

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(absent);
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// What SaveSettings does: read what is there, change one value, replace the file.
void saveOneValue(const QString &path)
{
    ProfileText text = ReadProfileForUpdate(path);
    text.setValue(QStringLiteral("default"), QStringLiteral("Militarytime"), QStringLiteral("1"));
    WriteProfile(path, text);
}
} // namespace

class ProfileTest : public QObject
{
    Q_OBJECT
private slots:
    void lookup_data();
    void lookup();
    void lineEndingsAndMarks_data();
    void lineEndingsAndMarks();
    void updateKeepsEverythingElse();
    void valueStaysOnOneLine();
    void missingOrUnreadableFileReadsEmpty();
    void writeCreatesFolderAndFile();
    void failedWriteKeepsWhatWasThere_data();
    void failedWriteKeepsWhatWasThere();
    void defaultLocation();
};

void ProfileTest::lookup_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("exact") << "Cities" << "City1" << "3";
    QTest::newRow("section and key in other cases") << "CITIES" << "city1" << "3";
    QTest::newRow("spaces around key and value") << "cities" << "City2" << "4";
    QTest::newRow("quotes taken off") << "default" << "CityFont" << "Courier New";
    QTest::newRow("equals sign inside value") << "default" << "Odd" << "a=b";
    QTest::newRow("empty value is a value") << "default" << "Empty" << "";
    QTest::newRow("first of two keys") << "default" << "Hints" << "0";
    QTest::newRow("first of two sections") << "Cities" << "City3" << "5";
    QTest::newRow("key of the second copy of a section") << "Cities" << "City6" << absent;
    QTest::newRow("key in another section") << "defaul" << "City1" << absent;
    QTest::newRow("section is not a prefix match") << "defaul" << "Hints" << absent;
    QTest::newRow("missing section") << "Nowhere" << "City1" << absent;
    QTest::newRow("missing key") << "Cities" << "City4" << absent;
    QTest::newRow("key before any section") << "" << "Loose" << absent;
    QTest::newRow("line without equals sign") << "Cities" << "not a key line" << absent;
    QTest::newRow("Latin-1 value") << "default" << "Legacy" << QString::fromUtf8("Caf\xc3\xa9");
    QTest::newRow("UTF-8 value") << "default" << "Modern" << QString::fromUtf8("Caf\xc3\xa9");
}

void ProfileTest::lookup()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    const ProfileText text(QByteArray("Loose=1\n"
                                      "; the user's own note\n"
                                      "[Cities]\n"
                                      "City1=3\n"
                                      "  City2  =   4  \n"
                                      "City3=5\n"
                                      "not a key line\n"
                                      "[default]\n"
                                      "CityFont=\"Courier New\"\n"
                                      "Odd=a=b\n"
                                      "Empty=\n"
                                      "Hints=0\n"
                                      "HINTS=1\n"
                                      "Legacy=Caf\xe9\n"
                                      "Modern=Caf\xc3\xa9\n"
                                      "[defaul]\n"
                                      "NumberOfHits=4\n"
                                      "[cities]\n"
                                      "City3=9\n"
                                      "City6=2\n"));
    const std::optional<QString> value = text.value(section, key);
    QCOMPARE(value.value_or(QString::fromLatin1(absent)), expected);
}

void ProfileTest::lineEndingsAndMarks_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("CRLF stays CRLF") << QByteArray("[Cities]\r\nCity1=3\r\n; note\r\n")
                                     << QByteArray("[Cities]\r\nCity1=7\r\n; note\r\n");
    QTest::newRow("UTF-8 mark before the first section")
        << QByteArray("\xEF\xBB\xBF[Cities]\nCity1=3\n")
        << QByteArray("\xEF\xBB\xBF[Cities]\nCity1=7\n");
    QTest::newRow("no newline at the end")
        << QByteArray("[Cities]\nCity1=3") << QByteArray("[Cities]\nCity1=7\n");
}

void ProfileTest::lineEndingsAndMarks()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);

    ProfileText text(before);
    QCOMPARE(text.value(QStringLiteral("Cities"), QStringLiteral("City1")), QStringLiteral("3"));
    text.setValue(QStringLiteral("Cities"), QStringLiteral("City1"), QStringLiteral("7"));
    QCOMPARE(text.toByteArray(), after);
}

void ProfileTest::updateKeepsEverythingElse()
{
    ProfileText text(QByteArray("; Meridane settings, kept by hand\n"
                                "\n"
                                "[CITIES]\n"
                                "city1=3\n"
                                "; why City2 is Tokyo\n"
                                "City2=4\n"
                                "garbage without an equals sign\n"
                                "\n"
                                "; the next section\n"
                                "[Other]\n"
                                "Colour=red\n"
                                "[default]\n"
                                "UserKey=keep me\n"));
    text.setValue(QStringLiteral("Cities"), QStringLiteral("City1"), QStringLiteral("0"));
    text.setValue(QStringLiteral("Cities"), QStringLiteral("City3"), QStringLiteral("2"));
    text.setValue(QStringLiteral("default"), QStringLiteral("Hints"), QStringLiteral("1"));
    text.setValue(QStringLiteral("defaul"), QStringLiteral("NumberOfHits"), QStringLiteral("1"));
    text.setValue(QStringLiteral("Empty"), QStringLiteral("A"), QStringLiteral("1"));
    text.setValue(QStringLiteral("Empty"), QStringLiteral("B"), QStringLiteral("2"));

    QCOMPARE(text.toByteArray(), QByteArray("; Meridane settings, kept by hand\n"
                                            "\n"
                                            "[CITIES]\n"
                                            "city1=0\n" // the user's spelling stays
                                            "; why City2 is Tokyo\n"
                                            "City2=4\n"
                                            "City3=2\n"
                                            "garbage without an equals sign\n"
                                            "\n"
                                            "; the next section\n"
                                            "[Other]\n"
                                            "Colour=red\n"
                                            "[default]\n"
                                            "UserKey=keep me\n"
                                            "Hints=1\n"
                                            "[defaul]\n"
                                            "NumberOfHits=1\n"
                                            "[Empty]\n"
                                            "A=1\n"
                                            "B=2\n"));
}

void ProfileTest::valueStaysOnOneLine()
{
    ProfileText text(QByteArray("[Cities]\nCity1=3\n[default]\n"));
    text.setValue(QStringLiteral("default"), QStringLiteral("CityFont"),
                  QStringLiteral("Arial\n[Cities]\r\nCity1=9"));
    QCOMPARE(text.value(QStringLiteral("Cities"), QStringLiteral("City1")), QStringLiteral("3"));
    QCOMPARE(text.value(QStringLiteral("default"), QStringLiteral("CityFont")),
             QStringLiteral("Arial [Cities]  City1=9"));
    QCOMPARE(text.toByteArray().count('\n'), 4);
}

void ProfileTest::missingOrUnreadableFileReadsEmpty()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("Meridane.ini"));
    QVERIFY(!ReadProfile(missing).value(QStringLiteral("Cities"), QStringLiteral("City1")));
    QCOMPARE(ReadProfileForUpdate(missing).toByteArray(), QByteArray());

    // A folder where the file should be cannot be read; loading shrugs, saving refuses.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Meridane.ini")));
    QVERIFY(!ReadProfile(missing).value(QStringLiteral("Cities"), QStringLiteral("City1")));
    QVERIFY_THROWS_EXCEPTION(Failure, ReadProfileForUpdate(missing));
}

void ProfileTest::writeCreatesFolderAndFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config/Meridane/Meridane.ini"));
    saveOneValue(path);
    QCOMPARE(readAll(path), QByteArray("[default]\nMilitarytime=1\n"));
    // Nothing but the file itself is left beside it.
    QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{QStringLiteral("Meridane.ini")});
}

void ProfileTest::failedWriteKeepsWhatWasThere_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("disk full while writing") << "full";
    QTest::newRow("folder is a regular file") << "parent";
    QTest::newRow("file is a folder") << "folder";
}

void ProfileTest::failedWriteKeepsWhatWasThere()
{
    QFETCH(QString, obstacle);
    QTemporaryDir dir;
    const QByteArray old = "; mine\n[default]\nMilitarytime=0\nUserKey=precious\n";
    QString path = dir.filePath(QStringLiteral("Meridane.ini"));
    QString kept = path;
    if (obstacle == QLatin1String("full")) {
        writeAll(path, old);
    } else if (obstacle == QLatin1String("parent")) {
        kept = dir.filePath(QStringLiteral("Meridane"));
        writeAll(kept, old);
        path = kept + QStringLiteral("/Meridane.ini");
    } else {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Meridane.ini")));
        writeAll(path + QStringLiteral("/inside"), old);
        kept = path + QStringLiteral("/inside");
    }
    const QStringList entries = QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);

    QString message;
    try {
        FileSizeLimit limit(obstacle == QLatin1String("full") ? 16 : RLIM_INFINITY);
        saveOneValue(path);
    } catch (const Failure &failure) {
        message = failure.message();
    }
    QCOMPARE(message, QStringLiteral("Unable to write to ") + path);
    QCOMPARE(readAll(kept), old);
    // No half-written file is left lying beside the old one.
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), entries);
}

void ProfileTest::defaultLocation()
{
    QTemporaryDir dir;
    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    const QString path = DefaultSettingsFile();
    if (previous.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", previous);
    QCOMPARE(path, dir.path() + QStringLiteral("/Meridane/Meridane.ini"));
}

QTEST_GUILESS_MAIN(ProfileTest)
#include "tst_profile.moc"
