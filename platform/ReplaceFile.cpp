#include "platform/ReplaceFile.h"

#include <QSaveFile>

bool ReplaceFileContents(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Flushed and checked here: commit() alone lets a short write of its final flush (a full
    // disk) pass as success and would put a cut-off file in place of the old one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
