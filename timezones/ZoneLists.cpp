#include "timezones/ZoneLists.h"

#include <QComboBox>

void ApplyCitySelection(QComboBox *list, int position)
{
    list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
}
