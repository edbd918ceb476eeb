#pragma once

#include <QStringList>

class QComboBox;

// The server names a list holds, in its order.
QStringList ServerListEntries(const QComboBox *list);

// Replaces the entries of a list with the lines of the server list file. When the file
// cannot be read it fails ("Cannot open file mdhosts.txt") before the list is touched.
void LoadServerList(QComboBox *list);

// Writes the entries of a list to the server list file ("Cannot create file mdhosts.txt"
// when it cannot be written; the old file then stays as it was).
void SaveServerList(const QComboBox *list);
