#include "tests/tour/ModalWatch.h"

#include <QApplication>
#include <QDialog>
#include <QTest>

#include <typeinfo>

namespace tour {

TModalWatch::TModalWatch(TTourUi::TModalHandler handler) : handler_(std::move(handler))
{
    timer_.setInterval(20);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Look(); });
    timer_.start();
}

bool TModalWatch::IsA(const QWidget& window, std::string_view className)
{
    // The mangled name of a class outside any namespace ends with its plain name.
    const std::string_view name = typeid(window).name();
    return name.size() > className.size() && name.ends_with(className);
}

QWidget* TModalWatch::ShownWindow(std::string_view className)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && IsA(*window, className))
            return window;
    return nullptr;
}

void TModalWatch::Look()
{
    auto* shown = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (shown == nullptr || shown == handed_)
        return;
    handed_ = shown;
    timer_.stop();
    if (QTest::qWaitForWindowExposed(shown)) {
        TTourUi::Pump();
        const int answer = handler_ ? handler_(*shown) : TTourUi::Escape;
        if (answer == TTourUi::Escape)
            shown->reject();
        else
            shown->done(answer);
    } else {
        shown->reject();
    }
    timer_.start();
}

} // namespace tour
