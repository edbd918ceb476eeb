#include "nettime/ServerListFile.h"

#include "nettime/ServerListText.h"
#include "shell/CFormat.h"
#include "shell/Failure.h"

#include <QFile>
#include <QSaveFile>

QStringList ReadServerListFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(cformat("Cannot open file %s", fileName.toUtf8().constData()));
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Failure(cformat("Cannot open file %s", fileName.toUtf8().constData()));
    return ParseServerList(text);
}

void WriteServerListFile(const QStringList &entries, const QString &fileName)
{
    const QByteArray text = FormatServerList(entries);
    QSaveFile file(fileName);
    // A full disk may take part of the text and report no error: count what was written,
    // and leave the old file in place (the new one is discarded) unless all of it was.
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                         file.write(text) == text.size() && file.commit();
    if (!written)
        throw Failure(cformat("Cannot create file %s", fileName.toUtf8().constData()));
}
