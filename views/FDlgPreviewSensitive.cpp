#include "views/FDlgPreviewSensitive.h"

#include "app/Spredit.h"
#include "app/Sprsysfunc.h"
#include "platform/Cp1252.h"
#include "platform/UiService.h"
#include "views/PreviewIds.h"
#include "views/PreviewMessages.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>

#include <algorithm>

namespace {

constexpr int StayOnTopInterval = 100;

} // namespace

TFDlgPreviewSensitive::TFDlgPreviewSensitive(QWidget* owner, platform::HWND target)
    : StatusBar(nullptr), PopupMenuPreview(nullptr), Owner(owner), Target(target), ClientArea(new QWidget)
{
    setObjectName("FDlgPreviewSensitive");
    setAttribute(Qt::WA_DeleteOnClose, false);
    // The tool-window look: a small caption with no icon, a system menu and minimise.
    setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    QPixmap noIcon(16, 16);
    noIcon.fill(Qt::transparent);
    setWindowIcon(QIcon(noIcon));
    QFont caption = font();
    caption.setPointSizeF(caption.pointSizeF() * 0.85);
    setFont(caption);
    setWindowTitle(platform::ToQString(Sprsysfunc::Text11073)); // "Vorschau"
    setWidget(ClientArea);
    ClientArea->setBackgroundRole(QPalette::Button); // clBtnFace
    ClientArea->setAutoFillBackground(true);
    ClientArea->setFont(QApplication::font());

    StatusBar = new QStatusBar(ClientArea);
    StatusBar->setSizeGripEnabled(false);
    StatusBar->hide();

    PopupMenuPreview = new QMenu(this);
    PopupMenuPreview->setObjectName("PopupMenuPreview");
    if (owner) {
        const QList<QAction*> actions = owner->actions();
        const auto found = std::find_if(actions.begin(), actions.end(), [](const QAction* action) {
            return action->objectName() == QLatin1String("APreviewAlwaysOnTop");
        });
        if (found != actions.end())
            PopupMenuPreview->addAction(*found); // the item AlwayOnTop
    }

    TimerStayOnTop.setInterval(StayOnTopInterval);
    connect(&TimerStayOnTop, &QTimer::timeout, this, &TFDlgPreviewSensitive::TimerStayOnTopTimer);
}

TFDlgPreviewSensitive::~TFDlgPreviewSensitive()
{
    TimerStayOnTop.stop();
    ClearImages();
}

QWidget* TFDlgPreviewSensitive::MdiParentOf(QWidget* owner) const
{
    if (!owner)
        return nullptr;
    if (auto* area = qobject_cast<QMdiArea*>(owner))
        return area;
    if (auto* main = qobject_cast<QMainWindow*>(owner))
        if (auto* area = qobject_cast<QMdiArea*>(main->centralWidget()))
            return area;
    return owner->findChild<QMdiArea*>();
}

void TFDlgPreviewSensitive::MakeMdiChild()
{
    if (auto* area = qobject_cast<QMdiArea*>(MdiParentOf(Owner))) {
        if (mdiArea() != area)
            area->addSubWindow(this);
    } else {
        setParent(Owner, Qt::Tool);
    }
    show();
}

int TFDlgPreviewSensitive::NextImageId() const
{
    std::vector<int> ids;
    for (const TPreviewImage* image : ImageList)
        ids.push_back(image->GetId());
    return NextImageIdOf(std::move(ids));
}

int TFDlgPreviewSensitive::GetImageIdOfButton(int buttonId)
{
    return ::GetImageIdOfButton(buttonId);
}

int TFDlgPreviewSensitive::AddImage(TImageData data)
{
    const int id = NextImageId();
    if (id < 0)
        return -1; // every id is taken: the picture is refused
    auto* image = new TPreviewImage(ClientArea);
    image->move(data.Rect.Left, data.Rect.Top);
    if (data.Rect.Bottom >= 0 && data.Rect.Right >= 0)
        image->SetBounds(data.Rect.Left, data.Rect.Top, data.Rect.Right - data.Rect.Left,
                         data.Rect.Bottom - data.Rect.Top);
    image->SetMultiSelect(data.MultiSelect);
    image->SetShowHint(data.ShowHint);
    image->SetHint(data.Hint);
    image->SetId(id);
    image->SetImage(data.Bitmap, true, true);
    image->SetImage(data.PictureName, true, true);
    connect(image, &TPreviewImage::ImageClick, this, &TFDlgPreviewSensitive::ImageClick);
    connect(image, &TPreviewImage::ImageDblClick, this, &TFDlgPreviewSensitive::ImageDblClick);
    connect(image, &TPreviewImage::ImageMouseDown, this, &TFDlgPreviewSensitive::ImageMouseDown);
    connect(image, &TPreviewImage::ImageMouseUp, this, &TFDlgPreviewSensitive::ImageMouseUp);
    connect(image, &TPreviewImage::ButtonClick, this, &TFDlgPreviewSensitive::ButtonClick);
    connect(image, &TPreviewImage::ButtonDblClick, this, &TFDlgPreviewSensitive::ButtonDblClick);
    connect(image, &TPreviewImage::ButtonMouseDown, this, &TFDlgPreviewSensitive::ButtonMouseDown);
    connect(image, &TPreviewImage::ButtonMouseUp, this, &TFDlgPreviewSensitive::ButtonMouseUp);
    image->show();
    ImageList.push_back(image);
    return id;
}

int TFDlgPreviewSensitive::AddButton(int imageId, TButtonData data)
{
    TPreviewImage* image = FindImage(imageId);
    return image ? image->AddButtonToList(data) : -1;
}

TPreviewImage* TFDlgPreviewSensitive::FindImage(int imageId) const
{
    if (imageId <= 0)
        return nullptr;
    const auto found = std::find_if(ImageList.begin(), ImageList.end(),
                                    [imageId](const TPreviewImage* image) { return image->GetId() == imageId; });
    return found == ImageList.end() ? nullptr : *found;
}

bool TFDlgPreviewSensitive::DeleteButton(int buttonId)
{
    if (buttonId <= 0)
        return false;
    TPreviewImage* image = FindImage(GetImageIdOfButton(buttonId));
    return image && image->DeleteButton(buttonId);
}

TCanvas* TFDlgPreviewSensitive::GetButtonCanvas(int buttonId) const
{
    if (buttonId <= 0)
        return nullptr;
    const TPreviewImage* image = FindImage(GetImageIdOfButton(buttonId));
    return image ? image->GetButtonCanvas(buttonId) : nullptr;
}

void TFDlgPreviewSensitive::SetButtonHint(int buttonId, const std::string& text)
{
    if (buttonId <= 0)
        return;
    if (TPreviewImage* image = FindImage(GetImageIdOfButton(buttonId)))
        image->SetButtonHint(buttonId, text);
}

void TFDlgPreviewSensitive::RefreshButton(int buttonId)
{
    if (buttonId < 1)
        return;
    if (TPreviewImage* image = FindImage(GetImageIdOfButton(buttonId)))
        image->RefreshButton(buttonId);
}

void TFDlgPreviewSensitive::SelectButton(int buttonId, bool select)
{
    if (buttonId < 1)
        return;
    TPreviewImage* image = FindImage(GetImageIdOfButton(buttonId));
    if (!image)
        return;
    if (select)
        for (TPreviewImage* other : ImageList)
            if (other != image)
                other->DeselectAllButton();
    image->SetButtonSelected(buttonId, select);
}

void TFDlgPreviewSensitive::RefreshImage(int imageId)
{
    if (imageId == -1) {
        for (TPreviewImage* image : ImageList)
            image->RefreshImage(true);
    } else if (imageId > 0) {
        if (TPreviewImage* image = FindImage(imageId))
            image->RefreshImage(true);
    }
}

void TFDlgPreviewSensitive::SetImageBitmap(int imageId, const QImage* bitmap, bool autoSize, bool redraw)
{
    if (imageId < 1)
        return;
    if (TPreviewImage* image = FindImage(imageId))
        image->SetImage(bitmap, autoSize, redraw);
}

int TFDlgPreviewSensitive::ClientWidth() const
{
    return ClientArea->width();
}

int TFDlgPreviewSensitive::ClientHeight() const
{
    return ClientArea->height();
}

void TFDlgPreviewSensitive::SetWindowBounds(bool centre, TRect rect)
{
    int width = rect.Right;
    int height = rect.Bottom;
    bool sized = true;
    if (rect.Right < 0 && rect.Bottom < 0) {
        width = 0;
        height = 0;
        for (const TPreviewImage* image : ImageList) {
            height = std::max(height, image->y() + image->height());
            width = std::max(width, image->x() + image->width());
        }
        if (width <= 0 || height <= 0) {
            platform::MessageBox("Error: Incorrect Windowsize!", Spredit::Text9099, platform::MB_OK); // "Fehler"
            sized = false;
        } else if (StatusBar->isVisibleTo(ClientArea)) {
            StatusBar->setGeometry(0, height, width, StatusBar->sizeHint().height());
            height += StatusBar->height();
        }
    }
    if (sized) {
        ClientArea->setFixedSize(width, height);
        adjustSize();
    }
    if (centre) {
        const QWidget* area = parentWidget();
        const QRect desk = area ? area->rect()
                                : (QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->geometry()
                                                                     : QRect());
        move(desk.x() + (desk.width() - this->width()) / 2, desk.y() + (desk.height() - this->height()) / 2);
    } else {
        move(rect.Left, rect.Top);
    }
    Placed = true;
}

void TFDlgPreviewSensitive::ClearImages()
{
    std::vector<TPreviewImage*> images;
    images.swap(ImageList);
    for (TPreviewImage* image : images)
        delete image;
}

void TFDlgPreviewSensitive::SetStayOnTop(bool stay)
{
    if (stay)
        TimerStayOnTop.start();
    else
        TimerStayOnTop.stop();
}

void TFDlgPreviewSensitive::Print(QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const QPixmap picture = ClientArea->grab();
    const QRect page = painter.viewport();
    // The picture as large as on a screen of 96 dots per inch, shrunk where the page is smaller.
    QSize size = picture.size() * (std::max(printer.resolution(), 96) / 96);
    if (size.width() > page.width() || size.height() > page.height())
        size.scale(page.size(), Qt::KeepAspectRatio);
    painter.drawPixmap(QRect(page.topLeft(), size), picture);
}

void TFDlgPreviewSensitive::SendImageMessage(platform::UINT message, QObject* sender)
{
    const auto* image = qobject_cast<TPreviewImage*>(sender);
    if (!image)
        return;
    platform::SendMessage(Target, message, static_cast<platform::WPARAM>(image->GetId()),
                          static_cast<platform::LPARAM>(image->GetValue()));
}

void TFDlgPreviewSensitive::SendButtonMessage(platform::UINT message, QObject* sender)
{
    const auto* button = qobject_cast<TImageButton*>(sender);
    if (!button)
        return;
    platform::SendMessage(Target, message, static_cast<platform::WPARAM>(button->GetId()),
                          static_cast<platform::LPARAM>(button->GetIdentifier()));
}

void TFDlgPreviewSensitive::ImageClick(QObject* sender)
{
    SendImageMessage(WM_USER_PREVIEWIMAGECLICK, sender);
}

void TFDlgPreviewSensitive::ImageDblClick(QObject* sender)
{
    SendImageMessage(WM_USER_PREVIEWIMAGEDBLCLICK, sender);
}

void TFDlgPreviewSensitive::ImageMouseDown(QObject* sender, Qt::MouseButtons buttons)
{
    if (buttons.testFlag(Qt::RightButton) && PopupMenu) {
        PopupMenu->popup(QCursor::pos());
        return;
    }
    SendImageMessage(WM_USER_PREVIEWIMAGEMOUSEDOWN, sender);
}

void TFDlgPreviewSensitive::ImageMouseUp(QObject* sender)
{
    SendImageMessage(WM_USER_PREVIEWIMAGEMOUSEUP, sender);
}

void TFDlgPreviewSensitive::ButtonClick(QObject* sender)
{
    SendButtonMessage(WM_USER_PREVIEWBUTTONCLICK, sender);
}

void TFDlgPreviewSensitive::ButtonDblClick(QObject* sender)
{
    SendButtonMessage(WM_USER_PREVIEWBUTTONDBLCLICK, sender);
}

void TFDlgPreviewSensitive::ButtonMouseDown(QObject* sender)
{
    SendButtonMessage(WM_USER_PREVIEWBUTTONMOUSEDOWN, sender);
}

void TFDlgPreviewSensitive::ButtonMouseUp(QObject* sender)
{
    SendButtonMessage(WM_USER_PREVIEWBUTTONMOUSEUP, sender);
}

void TFDlgPreviewSensitive::TimerStayOnTopTimer()
{
    raise();
}

void TFDlgPreviewSensitive::closeEvent(QCloseEvent* event)
{
    if (Target != NoPreviewTarget)
        platform::PostMessage(Target, WM_USER_PREVIEWCLOSED, 0, 0);
    if (CloseAllowed)
        event->accept();
    else
        event->ignore();
}

void TFDlgPreviewSensitive::showEvent(QShowEvent* event)
{
    QMdiSubWindow::showEvent(event);
    if (ShownOnce || Placed)
        return;
    ShownOnce = true;
    move(-width() - 10, -height() - 10); // out of sight until placed
}
