#pragma once

// The program's pop-up hints (tool tips), on or off for every window at once. The status bar
// shows the hint under the pointer either way: only the pop-up windows are switched.
void SetPopupHintsEnabled(bool enabled);
bool PopupHintsEnabled();
