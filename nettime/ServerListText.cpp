#include "nettime/ServerListText.h"

QStringList ParseServerList(QByteArrayView text)
{
    if (const qsizetype nul = text.indexOf('\0'); nul >= 0)
        text = text.first(nul);

    QStringList entries;
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype end = pos;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        entries.append(QString::fromLatin1(text.sliced(pos, end - pos)));
        pos = end;
        // CR, LF or CR LF is one line end; LF CR is two.
        if (pos < text.size() && text[pos] == '\r')
            ++pos;
        if (pos < text.size() && text[pos] == '\n')
            ++pos;
    }
    return entries;
}

QByteArray FormatServerList(const QStringList &entries)
{
    QByteArray text;
    for (const QString &entry : entries) {
        text += entry.toLatin1();
        text += "\r\n";
    }
    return text;
}
