#pragma once

#include "tests/tour/TourUi.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <string_view>

namespace tour {

// Hands each dialog that a loaded library runs modally in a loop of its own (an exec that the UI
// service never sees) to the handler once it is on screen. The handler's answer closes it:
// TTourUi::Escape rejects it, any other answer ends it with that result code. The watch looks
// from the running loop, so it sees the dialogs of every command run while it lives.
class TModalWatch final {
public:
    explicit TModalWatch(TTourUi::TModalHandler handler);
    TModalWatch(const TModalWatch&) = delete;
    TModalWatch& operator=(const TModalWatch&) = delete;

    // A library's classes are its own copies, without meta-object data of their own: a window is
    // told by the name of its class.
    static bool IsA(const QWidget& window, std::string_view className);
    // The shown top-level window of that class; null when there is none.
    static QWidget* ShownWindow(std::string_view className);

private:
    void Look();

    TTourUi::TModalHandler handler_;
    QPointer<QWidget> handed_;
    QTimer timer_;
};

} // namespace tour
