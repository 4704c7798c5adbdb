#include "tests/tour/ScreenPicture.h"

#include <QApplication>
#include <QMainWindow>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace tour {
namespace {

// The window's layer: higher ones are drawn later, over the lower ones.
int Layer(const QWidget& window)
{
    if (window.windowType() == Qt::Popup || window.windowType() == Qt::ToolTip)
        return 4;
    if (&window == QApplication::activeWindow())
        return 3;
    if (window.isModal())
        return 2;
    if (qobject_cast<const QMainWindow*>(&window) != nullptr)
        return 0;
    return 1;
}

// A caption bar as a window manager draws one, where the platform draws none.
constexpr int CaptionHeight = 22;
// The room of the window manager's icon and buttons in a caption bar.
constexpr int CaptionButtons = 80;

QFont CaptionFont(const QWidget& window)
{
    QFont font = window.font();
    font.setBold(true);
    return font;
}

bool HasCaption(const QWidget& window)
{
    const Qt::WindowType type = window.windowType();
    return type != Qt::Popup && type != Qt::ToolTip && type != Qt::SplashScreen
           && !window.windowFlags().testFlag(Qt::FramelessWindowHint);
}

// The frame around the window's client area and its caption bar with the title.
void DrawFrame(QPainter& painter, const QWidget& window, const QPoint& origin)
{
    if (!HasCaption(window))
        return;
    const QRect client = window.geometry().translated(-origin);
    QRect frame = window.frameGeometry().translated(-origin);
    if (client.top() - frame.top() < CaptionHeight)
        frame = client.adjusted(-2, -CaptionHeight, 2, 2);
    const bool active = &window == QApplication::activeWindow();
    painter.fillRect(frame, active ? QColor(0x30, 0x50, 0x80) : QColor(0x70, 0x78, 0x80));
    const QRect caption(frame.left(), frame.top(), frame.width(), client.top() - frame.top());
    painter.setPen(Qt::white);
    painter.setFont(CaptionFont(window));
    painter.drawText(caption.adjusted(6, 0, -6, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     painter.fontMetrics().elidedText(window.windowTitle(), Qt::ElideRight, caption.width() - 12));
}

} // namespace

QPixmap ScreenPicture()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->geometry() : QRect(0, 0, 1600, 1000);
    QPixmap picture(area.size());
    picture.fill(QColor(0x3a, 0x6e, 0xa5));
    std::vector<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && !window->geometry().isEmpty() && window->windowType() != Qt::Desktop)
            windows.push_back(window);
    std::stable_sort(windows.begin(), windows.end(),
                     [](const QWidget* a, const QWidget* b) { return Layer(*a) < Layer(*b); });
    QPainter painter(&picture);
    for (QWidget* window : windows) {
        DrawFrame(painter, *window, area.topLeft());
        painter.drawPixmap(window->geometry().topLeft() - area.topLeft(), window->grab());
    }
    return picture;
}

bool CaptionFits(const QWidget& window)
{
    if (!HasCaption(window) || window.windowTitle().isEmpty())
        return true;
    const QFontMetrics metrics(CaptionFont(window));
    return metrics.horizontalAdvance(window.windowTitle()) + CaptionButtons <= window.frameGeometry().width();
}

} // namespace tour
