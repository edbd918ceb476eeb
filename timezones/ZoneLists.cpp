#include "timezones/ZoneLists.h"

#include "shell/ListSelection.h"
#include "timezones/ZoneCatalogue.h"
#include "timezones/ZoneListModel.h"

#include <QComboBox>

void ApplyCitySelection(QComboBox *list, int position)
{
    list->setCurrentIndex(PositionInList(position, list->count()));
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
