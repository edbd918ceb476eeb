#include "timezones/ZoneLists.h"

#include "timezones/ZoneCatalogue.h"
#include "timezones/ZoneListModel.h"

#include <QComboBox>

void ApplyCitySelection(QComboBox *list, int position)
{
    list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
}

const TTimeZoneEntry *SelectedZone(QComboBox *list, const TZoneCatalogue &catalogue)
{
    if (list->count() == 0)
        return nullptr;
    if (list->currentIndex() < 0 || list->currentIndex() >= list->count())
        list->setCurrentIndex(0);
    bool isEntry = false;
    const int entry = list->currentData(TZoneListModel::EntryRole).toInt(&isEntry);
    return isEntry ? catalogue.find(entry) : nullptr;
}
