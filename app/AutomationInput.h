#pragma once

#include <QRect>
#include <QString>
#include <Qt>

#include <string>

class QWidget;
class QWindow;

// Keys and clicks of the automation, delivered as the window system delivers a person's: each
// takes Qt's whole road, the shortcuts first, then the focused widget (or the open popup).
// Everything has run when a call returns.
class TAutomationInput {
public:
    explicit TAutomationInput(QWidget& mainWindow) : main_(mainWindow) {}

    // Types each character of the text into the focused widget.
    std::string Type(const QString& text);
    // One key by its name: Enter, Escape, Tab, Backtab, F1 … F12, Up, Down, Home, End, Minus,
    // Plus, KeypadMinus, KeypadPlus, or a combination such as Ctrl+A; what went wrong (empty:
    // done).
    std::string Key(const std::string& name);
    // A click of the left button on the part of the target (in the widget's coordinates) that
    // the window shows; false when none of it is shown.
    bool Click(QWidget& widget, const QRect& target);

private:
    QWindow* KeyWindow() const;
    void Press(int key, Qt::KeyboardModifiers modifiers, const QString& text);

    QWidget& main_;
    // Clicks far apart in time, so that two of them never make a double click.
    int clickTime_ = 0;
};
