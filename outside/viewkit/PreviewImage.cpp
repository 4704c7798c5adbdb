#include "outside/viewkit/PreviewImage.h"

#include "platform/Cp1252.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr int FrameWidth = 2;

} // namespace

TPreviewImage::TPreviewImage(QWidget* owner) : QWidget(owner)
{
    setMouseTracking(true);
}

TPreviewImage::~TPreviewImage() = default;

void TPreviewImage::SetBounds(int left, int top, int width, int height)
{
    setGeometry(left, top, width, height);
    FixedSize = true;
}

void TPreviewImage::SetImage(const QImage* bitmap, bool autoSize, bool redraw)
{
    Bitmap = bitmap ? *bitmap : QImage();
    Shown = Bitmap.isNull() ? QImage() : WithTransparentKey(Bitmap, clViewFuchsia);
    if (autoSize && !FixedSize && !Bitmap.isNull())
        resize(Bitmap.size());
    if (redraw)
        update();
}

void TPreviewImage::SetImage(const std::string& name, bool /*autoSize*/, bool redraw)
{
    setObjectName(QString::fromStdString(name));
    if (redraw)
        update();
}

int TPreviewImage::AddButtonToList(const TButtonData& data)
{
    if (Id < 1 || NextButtonNumber > 0xFFFF)
        return -1;
    const int id = Id << 16 | NextButtonNumber++;
    ButtonList.push_back(std::make_unique<TImageButton>(id, data, this));
    update(ButtonList.back()->GetRect().adjusted(-FrameWidth, -FrameWidth, FrameWidth, FrameWidth));
    return id;
}

bool TPreviewImage::DeleteButton(int buttonId)
{
    const auto found = std::find_if(ButtonList.begin(), ButtonList.end(),
                                    [buttonId](const auto& button) { return button->GetId() == buttonId; });
    if (found == ButtonList.end())
        return false;
    if (Pressed == found->get())
        Pressed = nullptr;
    update((*found)->GetRect().adjusted(-FrameWidth, -FrameWidth, FrameWidth, FrameWidth));
    ButtonList.erase(found);
    return true;
}

TImageButton* TPreviewImage::FindButton(int buttonId) const
{
    for (const auto& button : ButtonList)
        if (button->GetId() == buttonId)
            return button.get();
    return nullptr;
}

TCanvas* TPreviewImage::GetButtonCanvas(int buttonId) const
{
    TImageButton* button = FindButton(buttonId);
    return button ? button->GetCanvas() : nullptr;
}

void TPreviewImage::SetButtonHint(int buttonId, const std::string& hint)
{
    if (TImageButton* button = FindButton(buttonId))
        button->SetHint(hint);
}

void TPreviewImage::RefreshButton(int buttonId)
{
    if (const TImageButton* button = FindButton(buttonId))
        update(button->GetRect().adjusted(-FrameWidth, -FrameWidth, FrameWidth, FrameWidth));
}

void TPreviewImage::RefreshImage(bool now)
{
    ++Refreshes;
    if (now && isVisible())
        repaint();
    else
        update();
}

void TPreviewImage::DeselectAllButton()
{
    for (const auto& button : ButtonList)
        button->SetSelected(false);
    update();
}

void TPreviewImage::SetButtonSelected(int buttonId, bool select)
{
    TImageButton* button = FindButton(buttonId);
    if (!button)
        return;
    if (select && !MultiSelect)
        for (const auto& other : ButtonList)
            other->SetSelected(false);
    button->SetSelected(select);
    update();
}

std::vector<const TImageButton*> TPreviewImage::Buttons() const
{
    std::vector<const TImageButton*> buttons;
    for (const auto& button : ButtonList)
        buttons.push_back(button.get());
    return buttons;
}

TImageButton* TPreviewImage::ButtonAt(const QPoint& point) const
{
    for (auto it = ButtonList.rbegin(); it != ButtonList.rend(); ++it)
        if ((*it)->Flag(TButtonData::bfMouse) && (*it)->GetRect().contains(point))
            return it->get();
    return nullptr;
}

bool TPreviewImage::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    std::string text = ShowHints ? Hint : std::string();
    for (auto it = ButtonList.rbegin(); it != ButtonList.rend(); ++it)
        if ((*it)->Flag(TButtonData::bfHint) && (*it)->GetRect().contains(help->pos())) {
            text = (*it)->GetHint();
            break;
        }
    if (text.empty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), platform::ToQString(text), this);
    return true;
}

void TPreviewImage::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    if (!Shown.isNull())
        painter.drawImage(0, 0, Shown);
    for (const auto& button : ButtonList) {
        const QRect area = button->GetRect();
        if (button->Flag(TButtonData::bfVisible))
            painter.drawImage(area.topLeft(), WithTransparentKey(button->GetCanvas()->Image(), clViewFuchsia));
        if (button->IsSelected() && button->Flag(TButtonData::bfFrame)) {
            QPen pen(palette().color(QPalette::Highlight), FrameWidth);
            pen.setJoinStyle(Qt::MiterJoin);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(area.adjusted(1, 1, -1, -1));
        }
    }
}

void TPreviewImage::mousePressEvent(QMouseEvent* event)
{
    Pressed = ButtonAt(event->position().toPoint());
    PressedOnImage = Pressed == nullptr;
    if (Pressed)
        emit ButtonMouseDown(Pressed);
    else
        emit ImageMouseDown(this, event->buttons());
}

void TPreviewImage::mouseReleaseEvent(QMouseEvent* event)
{
    TImageButton* hit = ButtonAt(event->position().toPoint());
    TImageButton* pressed = Pressed;
    const bool onImage = PressedOnImage;
    Pressed = nullptr;
    PressedOnImage = false;
    if (pressed) {
        emit ButtonMouseUp(pressed);
        // The handlers may have deleted the button: it is looked up again.
        if (hit == pressed && std::any_of(ButtonList.begin(), ButtonList.end(),
                                          [pressed](const auto& button) { return button.get() == pressed; })) {
            if (pressed->Flag(TButtonData::bfToggle))
                SetButtonSelected(pressed->GetId(), !pressed->IsSelected());
            emit ButtonClick(pressed);
        }
    } else if (onImage) {
        emit ImageMouseUp(this);
        if (!hit && rect().contains(event->position().toPoint()))
            emit ImageClick(this);
    }
}

void TPreviewImage::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (TImageButton* button = ButtonAt(event->position().toPoint())) {
        Pressed = button;
        emit ButtonDblClick(button);
    } else {
        PressedOnImage = true;
        emit ImageDblClick(this);
    }
}

void TPreviewImage::mouseMoveEvent(QMouseEvent* event)
{
    const TImageButton* over = ButtonAt(event->position().toPoint());
    if (over && over->Flag(TButtonData::bfHandCursor))
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}
