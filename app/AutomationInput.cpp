#include "app/AutomationInput.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QKeySequence>
#include <QWidget>
#include <QWindow>

#include <map>

// The window-system entries that Qt's own test library drives input through.
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* window, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
                                    const QString& text, bool autorep, ushort count);
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type,
                                      Qt::KeyboardModifiers modifiers, int timestamp);

namespace {

constexpr int ClickSpacing = 10000; // milliseconds, far beyond any double-click interval
constexpr int ActivationWait = 10000; // milliseconds

struct TNamedKey {
    int Key;
    Qt::KeyboardModifiers Modifiers;
    QString Text;
};

// Names the key-sequence syntax has no word for, or reads otherwise.
const std::map<std::string, TNamedKey>& NamedKeys()
{
    static const std::map<std::string, TNamedKey> keys{
        {"Enter", {Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")}},
        {"Return", {Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")}},
        {"Escape", {Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b")}},
        {"Tab", {Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t")}},
        {"Backtab", {Qt::Key_Backtab, Qt::ShiftModifier, QString()}},
        {"Minus", {Qt::Key_Minus, Qt::NoModifier, QStringLiteral("-")}},
        {"Plus", {Qt::Key_Plus, Qt::NoModifier, QStringLiteral("+")}},
        {"KeypadMinus", {Qt::Key_Minus, Qt::KeypadModifier, QStringLiteral("-")}},
        {"KeypadPlus", {Qt::Key_Plus, Qt::KeypadModifier, QStringLiteral("+")}},
    };
    return keys;
}

} // namespace

QWindow* TAutomationInput::KeyWindow() const
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup->window()->windowHandle();
    if (QWindow* focus = QGuiApplication::focusWindow())
        return focus;
    return main_.window()->windowHandle();
}

void TAutomationInput::Press(int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    QWindow* window = KeyWindow();
    if (window == nullptr)
        return;
    qt_handleKeyEvent(window, QEvent::KeyPress, key, modifiers, text, false, 1);
    // The press may have opened or closed a window; the release goes where the keys go now.
    if (QWindow* now = KeyWindow())
        qt_handleKeyEvent(now, QEvent::KeyRelease, key, modifiers, text, false, 1);
}

std::string TAutomationInput::Type(const QString& text)
{
    for (const QChar c : text) {
        const QChar upper = c.toUpper();
        const Qt::KeyboardModifiers modifiers = c.isLetter() && c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
        Press(upper.unicode(), modifiers, QString(c));
    }
    return {};
}

std::string TAutomationInput::Key(const std::string& name)
{
    if (const auto named = NamedKeys().find(name); named != NamedKeys().end()) {
        Press(named->second.Key, named->second.Modifiers, named->second.Text);
        return {};
    }
    const QKeySequence sequence = QKeySequence::fromString(QString::fromStdString(name), QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown)
        return "no key " + name;
    const QKeyCombination combination = sequence[0];
    const int key = combination.key();
    const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
    QString keyText;
    if (key < Qt::Key_Escape && !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        keyText = modifiers & Qt::ShiftModifier ? QString(QChar(key)) : QString(QChar(key)).toLower();
    Press(key, modifiers, keyText);
    return {};
}

bool TAutomationInput::Click(QWidget& widget, const QRect& target)
{
    QWidget* top = widget.window();
    QWindow* window = top->windowHandle();
    // Where a person can click it: the part of the target the window shows.
    const QRect shown = target & widget.visibleRegion().boundingRect();
    if (window == nullptr || shown.isEmpty())
        return false;
    // A click on a window that is not the active one makes it active, as a window manager does,
    // before the click arrives; the window system tells of the activation after the call.
    if (!top->isActiveWindow()) {
        top->activateWindow();
        // A window shown again can still be the window system's focus window, which then tells
        // of no change, while Qt's widgets lost their active window when it was hidden.
        if (QGuiApplication::focusWindow() == window)
            QApplication::setActiveWindow(top);
        const QDeadlineTimer deadline(ActivationWait);
        while (!top->isActiveWindow() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (!top->isActiveWindow())
            return false;
    }
    const QPoint at = shown.center();
    const QPointF local = widget.mapTo(top, at);
    const QPointF global = widget.mapToGlobal(at);
    clickTime_ += ClickSpacing;
    qt_handleMouseEvent(window, local, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress,
                        Qt::NoModifier, clickTime_);
    qt_handleMouseEvent(window, local, global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease,
                        Qt::NoModifier, clickTime_ + 1);
    return true;
}
