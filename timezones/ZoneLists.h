#pragma once

class QComboBox;

// Selects the entry at a stored position of a zone list; a position outside the list
// leaves the list without a selection (the first clock update then selects the first zone).
void ApplyCitySelection(QComboBox *list, int position);
