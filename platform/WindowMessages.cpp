#include "platform/WindowMessages.h"

#include "platform/WindowRegistry.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace platform {

LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto handler = TWindowRegistry::Instance().Find(window);
    if (!handler || !*handler)
        return 0;
    return (*handler)(message, wParam, lParam);
}

bool PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    QCoreApplication* const application = QCoreApplication::instance();
    if (application == nullptr || !IsWindow(window))
        return false;
    // Queued calls on one object are delivered in the order they were posted.
    return QMetaObject::invokeMethod(
        application, [=] { SendMessage(window, message, wParam, lParam); }, Qt::QueuedConnection);
}

bool IsWindow(HWND window)
{
    return TWindowRegistry::Instance().Find(window) != nullptr;
}

TWindowRegistration::TWindowRegistration(TMessageHandler handler)
    : handle_(TWindowRegistry::Instance().Add(std::move(handler)))
{
}

TWindowRegistration::~TWindowRegistration()
{
    TWindowRegistry::Instance().Remove(handle_);
}

} // namespace platform
