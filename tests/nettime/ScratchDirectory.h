#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// A fresh working directory for one test: the program finds its side files there by their
// bare names. The previous working directory comes back when the test ends.
class ScratchDirectory
{
public:
    ScratchDirectory() : m_previous(QDir::currentPath())
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir::setCurrent(m_dir.path()));
    }
    ~ScratchDirectory() { QDir::setCurrent(m_previous); }
    ScratchDirectory(const ScratchDirectory &) = delete;
    ScratchDirectory &operator=(const ScratchDirectory &) = delete;

    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    QByteArray read(const QString &name) const
    {
        QFile file(filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QStringList entries() const
    {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    // The files that lie beside the program (side texts, pictures, server list), so that
    // the main window's creation steps find what they read.
    void copyProgramData() const
    {
        const QDir data(qEnvironmentVariable("MERIDANE_SOURCE_DIR") + QStringLiteral("/data"));
        QVERIFY(data.exists());
        for (const QString &name : data.entryList(QDir::Files))
            QVERIFY(QFile::copy(data.filePath(name), filePath(name)));
    }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};
