#pragma once

#include <QString>
#include <QStringList>

// The server list file, by its bare name: it is found in the current working directory,
// and the same name serves reading and writing.
inline constexpr char ServerListFileName[] = "mdhosts.txt";

// Every entry of the file, in order. A file that is missing or cannot be read fails with
// "Cannot open file <name>" (a Failure).
QStringList ReadServerListFile(const QString &fileName = QLatin1String(ServerListFileName));

// Creates or replaces the file whole with the entries, CR LF after each. The old file is
// replaced only once the new one is complete, so a failed write leaves it as it was; the
// failure is "Cannot create file <name>" (a Failure).
void WriteServerListFile(const QStringList &entries,
                         const QString &fileName = QLatin1String(ServerListFileName));
