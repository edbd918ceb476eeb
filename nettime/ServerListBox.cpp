#include "nettime/ServerListBox.h"

#include "nettime/ServerListFile.h"

#include <QComboBox>

void LoadServerList(QComboBox *list)
{
    const QStringList entries = ReadServerListFile();
    list->clear();
    list->addItems(entries);
}

QStringList ServerListEntries(const QComboBox *list)
{
    QStringList entries;
    entries.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        entries.append(list->itemText(i));
    return entries;
}

void SaveServerList(const QComboBox *list)
{
    WriteServerListFile(ServerListEntries(list));
}
