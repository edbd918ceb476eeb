#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

// The text of the server list file: one host name per line, 8-bit, no header.
//
// Lines end at CR, LF or CR LF; a last line without an end is still an entry, and an end at
// the very end of the text adds no empty entry. A NUL byte ends the text. Lines are taken
// as they stand: no trimming, empty lines give empty entries, duplicates and order are kept.
// Bytes are read as Latin-1, so every byte of a file comes back unchanged when written.
QStringList ParseServerList(QByteArrayView text);

// Every entry in order, each followed by CR LF. Characters outside Latin-1 cannot be written
// in the file's 8-bit text and become '?'.
QByteArray FormatServerList(const QStringList &entries);
