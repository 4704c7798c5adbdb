#include "app/FirstWindowExit.h"

#include "app/Automation.h"

#include <QEvent>
#include <QWidget>

#include <cstdlib>
#include <string_view>
#include <unistd.h>

bool TFirstWindowExit::Wanted()
{
    const char* stop = std::getenv("PANELCONF_AUTOMATION_STOP");
    return TAutomation::Enabled() && stop != nullptr && std::string_view(stop) == "first-window";
}

bool TFirstWindowExit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->isWindow())
            ::_exit(0); // at once: nothing after the first window belongs to the start-up
    }
    return QObject::eventFilter(watched, event);
}
