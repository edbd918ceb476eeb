#pragma once

#include "timezones/ZoneCatalogue.h"

#include <QAbstractListModel>

// The items of the zone lists, in their sorted order. The six lists share this one model,
// so they show the same zones in the same order by construction; each keeps its own
// selection.
class TZoneListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // The index of the catalogue entry an item stands for.
    static constexpr int EntryRole = Qt::UserRole;

    // Replaces every item; `items` must already be sorted.
    void SetItems(QList<ZoneItem> items);
    void Clear() { SetItems({}); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QList<ZoneItem> m_items;
};
