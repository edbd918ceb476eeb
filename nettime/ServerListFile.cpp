#include "nettime/ServerListFile.h"

#include "nettime/ServerListText.h"
#include "platform/ReplaceFile.h"
#include "shell/CFormat.h"
#include "shell/Failure.h"

#include <QFile>

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
    if (!ReplaceFileContents(fileName, FormatServerList(entries)))
        throw Failure(cformat("Cannot create file %s", fileName.toUtf8().constData()));
}
