#pragma once

#include <QString>

class QWidget;
class QAction;

// A control's hint: its pop-up tool tip and the text the status bar shows under the pointer.
void SetHint(QWidget *control, const QString &hint);
void SetHint(QAction *item, const QString &hint);
