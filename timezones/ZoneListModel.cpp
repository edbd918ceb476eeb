#include "timezones/ZoneListModel.h"

void TZoneListModel::SetItems(QList<ZoneItem> items)
{
    // One reset rather than an insertion per item: six lists watch this model.
    beginResetModel();
    m_items = std::move(items);
    endResetModel();
}

int TZoneListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_items.size());
}

QVariant TZoneListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_items.size())
        return {};
    const ZoneItem &item = m_items[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return item.text;
    case EntryRole:
        return item.entry;
    default:
        return {};
    }
}
