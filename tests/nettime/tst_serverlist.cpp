#include "FileSizeLimit.h"
#include "ScratchDirectory.h"
#include "nettime/BuiltInServers.h"
#include "nettime/ServerListFile.h"
#include "nettime/ServerListText.h"
#include "shell/Failure.h"

#include <QTest>

// The server list file: its line rules, and reading and writing it by its bare name.
class ServerListTest : public QObject
{
    Q_OBJECT
private slots:
    void lineRules_data();
    void lineRules();
    void writingEndsEveryEntryWithCrLf_data();
    void writingEndsEveryEntryWithCrLf();
    void everyByteComesBackUnchanged();
    void shippedFileHoldsTheBuiltInList();

    void readsByBareNameFromWorkingDirectory();
    void unreadableFileFails_data();
    void unreadableFileFails();
    void writeReplacesTheWholeFile();
    void uncreatableFileFails();
    void failedWriteLeavesOldFile_data();
    void failedWriteLeavesOldFile();
};

void ServerListTest::lineRules_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("entries");

    auto row = [](const char *name, QByteArray text, QStringList entries) {
        QTest::newRow(name) << text << entries;
    };
    row("empty file", "", {});
    row("CR LF ends", "a\r\nb\r\n", {"a", "b"});
    row("LF ends read the same", "a\nb\n", {"a", "b"});
    row("CR ends read the same", "a\rb\r", {"a", "b"});
    row("mixed ends", "a\r\nb\nc\rd", {"a", "b", "c", "d"});
    row("last line without end", "a\r\nb", {"a", "b"});
    row("single name without end", "a", {"a"});
    row("end at the very end adds nothing", "a\r\n", {"a"});
    row("lone line end is one empty entry", "\r\n", {""});
    row("blank line in the middle", "a\r\n\r\nb\r\n", {"a", "", "b"});
    row("LF then CR is two ends", "a\n\rb", {"a", "", "b"});
    row("CR CR LF is two ends", "a\r\r\nb", {"a", "", "b"});
    row("no trimming", "  a b \t\r\n\t\r\n", {"  a b \t", "\t"});
    row("duplicates and order kept", "z\r\na\r\nz\r\n", {"z", "a", "z"});
    row("NUL ends the text", QByteArray("a\r\nb\0c\r\nd\r\n", 11), {"a", "b"});
    row("NUL first", QByteArray("\0a\r\n", 4), {});
    row("NUL inside a line end", QByteArray("a\r\0\nb", 5), {"a"});
    row("8-bit names", "h\xe9te.example\r\n\xff\r\n", {QString::fromLatin1("h\xe9te.example"),
                                                        QString::fromLatin1("\xff")});
}

void ServerListTest::lineRules()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, entries);
    QCOMPARE(ParseServerList(text), entries);
}

void ServerListTest::writingEndsEveryEntryWithCrLf_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("no entries") << QStringList{} << QByteArray();
    QTest::newRow("last entry too") << QStringList{"a", "b"} << QByteArray("a\r\nb\r\n");
    QTest::newRow("empty and blank entries kept")
        << QStringList{"", " ", "a"} << QByteArray("\r\n \r\na\r\n");
    QTest::newRow("duplicates kept") << QStringList{"a", "a"} << QByteArray("a\r\na\r\n");
    // The file is 8-bit text: what it cannot hold is marked, never dropped silently.
    QTest::newRow("beyond Latin-1")
        << QStringList{QStringLiteral("t\u00e9\u4e2d")} << QByteArray("t\xe9?\r\n");
}

void ServerListTest::writingEndsEveryEntryWithCrLf()
{
    QFETCH(QStringList, entries);
    QFETCH(QByteArray, text);
    QCOMPARE(FormatServerList(entries), text);
}

void ServerListTest::everyByteComesBackUnchanged()
{
    // A file written on any code page survives being read and written back.
    QByteArray file;
    for (int byte = 1; byte < 256; ++byte) {
        if (byte != '\r' && byte != '\n')
            file += char(byte);
    }
    file += "\r\n";
    file += file;
    QCOMPARE(ParseServerList(file).size(), 2);
    QCOMPARE(FormatServerList(ParseServerList(file)), file);
}

void ServerListTest::shippedFileHoldsTheBuiltInList()
{
    const QStringList names = BuiltInServers();
    QCOMPARE(names.size(), 30);
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 30);
    for (const QString &name : names) {
        QVERIFY2(!name.isEmpty() && name.size() <= 119 && name.trimmed() == name, qPrintable(name));
    }

    QFile shipped(qEnvironmentVariable("MERIDANE_SOURCE_DIR") + QStringLiteral("/data/mdhosts.txt"));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    QCOMPARE(shipped.readAll(), FormatServerList(names));
}

void ServerListTest::readsByBareNameFromWorkingDirectory()
{
    ScratchDirectory dir;
    dir.write(QStringLiteral("mdhosts.txt"), "one\ntwo\r\n\r\nthree");
    QCOMPARE(ReadServerListFile(), (QStringList{"one", "two", "", "three"}));
}

void ServerListTest::unreadableFileFails_data()
{
    QTest::addColumn<bool>("directoryInItsPlace");
    QTest::newRow("missing") << false;
    QTest::newRow("a directory of that name") << true;
}

void ServerListTest::unreadableFileFails()
{
    QFETCH(bool, directoryInItsPlace);
    ScratchDirectory dir;
    if (directoryInItsPlace)
        QVERIFY(QDir().mkdir(QStringLiteral("mdhosts.txt")));
    try {
        ReadServerListFile();
        QFAIL("read an unreadable file");
    } catch (const Failure &failure) {
        QCOMPARE(failure.message(), QStringLiteral("Cannot open file mdhosts.txt"));
    }
}

void ServerListTest::writeReplacesTheWholeFile()
{
    ScratchDirectory dir;
    dir.write(QStringLiteral("mdhosts.txt"), "a much longer old list\nof names\n");
    WriteServerListFile({"x", "", "y"});
    QCOMPARE(dir.read(QStringLiteral("mdhosts.txt")), QByteArray("x\r\n\r\ny\r\n"));
    QCOMPARE(dir.entries(), QStringList{"mdhosts.txt"}); // nothing left beside it

    WriteServerListFile({});
    QCOMPARE(dir.read(QStringLiteral("mdhosts.txt")), QByteArray());
}

void ServerListTest::uncreatableFileFails()
{
    ScratchDirectory dir;
    QVERIFY(QDir().mkdir(QStringLiteral("mdhosts.txt")));
    try {
        WriteServerListFile({"a"});
        QFAIL("wrote over a directory");
    } catch (const Failure &failure) {
        QCOMPARE(failure.message(), QStringLiteral("Cannot create file mdhosts.txt"));
    }
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("mdhosts.txt"))).isDir());
    QCOMPARE(dir.entries(), QStringList{"mdhosts.txt"});
}

void ServerListTest::failedWriteLeavesOldFile_data()
{
    QTest::addColumn<int>("names");
    QTest::newRow("short list") << 5;
    QTest::newRow("long list") << 2000;
}

void ServerListTest::failedWriteLeavesOldFile()
{
    // A disk that fills up part-way through the write: the process may write no file
    // larger than 64 bytes for a moment.
    QFETCH(int, names);
    ScratchDirectory dir;
    const QByteArray old = "old.example\r\nother.example\r\n";
    dir.write(QStringLiteral("mdhosts.txt"), old);

    QStringList many;
    for (int i = 0; i < names; ++i)
        many << QStringLiteral("server%1.example").arg(i);

    QString message;
    {
        FileSizeLimit full(64);
        try {
            WriteServerListFile(many);
        } catch (const Failure &failure) {
            message = failure.message();
        }
    }

    QCOMPARE(message, QStringLiteral("Cannot create file mdhosts.txt"));
    QCOMPARE(dir.read(QStringLiteral("mdhosts.txt")), old);
    QCOMPARE(dir.entries(), QStringList{"mdhosts.txt"});
}

QTEST_GUILESS_MAIN(ServerListTest)
#include "tst_serverlist.moc"
