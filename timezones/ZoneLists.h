#pragma once

class QComboBox;
class TZoneCatalogue;
struct TTimeZoneEntry;

// Selects the entry at a stored position of a zone list; a position outside the list
// leaves the list without a selection (the first clock update then selects the first zone).
void ApplyCitySelection(QComboBox *list, int position);

// The catalogue entry of a zone list's selected item. A list without a selection, or with
// one past its end, first gets its first item selected, visibly. An empty list has no
// entry: nullptr.
const TTimeZoneEntry *SelectedZone(QComboBox *list, const TZoneCatalogue &catalogue);
