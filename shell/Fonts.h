#pragma once

#include <QFont>

// The window's fonts are given in pixels, as the windows were laid out. Arial is looked up
// through fontconfig, which shows its metric twin (Liberation Sans) where Arial is absent.
QFont ArialFont(int pixels, bool bold = false, bool italic = false);
