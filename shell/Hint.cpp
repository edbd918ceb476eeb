#include "shell/Hint.h"

#include <QAction>
#include <QWidget>

void SetHint(QWidget *control, const QString &hint)
{
    control->setToolTip(hint);
    control->setStatusTip(hint);
    control->setAccessibleDescription(hint);
}

void SetHint(QAction *item, const QString &hint)
{
    item->setToolTip(hint);
    item->setStatusTip(hint);
}
