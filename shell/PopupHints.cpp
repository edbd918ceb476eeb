#include "shell/PopupHints.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QToolTip>

namespace {
bool hintsEnabled = true;

// Sits in front of every object of the application and drops the requests to show a tool
// tip while hints are off. Status tips are other events and pass.
class PopupHintFilter : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *, QEvent *event) override
    {
        return !hintsEnabled && event->type() == QEvent::ToolTip;
    }
};

QPointer<PopupHintFilter> installedFilter;
} // namespace

void SetPopupHintsEnabled(bool enabled)
{
    hintsEnabled = enabled;
    if (!installedFilter && QCoreApplication::instance()) {
        installedFilter = new PopupHintFilter(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(installedFilter);
    }
    if (!enabled)
        QToolTip::hideText();
}

bool PopupHintsEnabled()
{
    return hintsEnabled;
}
