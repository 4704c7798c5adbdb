#pragma once

#include "outside/viewkit/ButtonData.h"
#include "outside/viewkit/Canvas.h"
#include "outside/viewkit/ImageData.h"
#include "outside/viewkit/PreviewImage.h"
#include "outside/viewkit/Rect.h"
#include "platform/WindowMessages.h"

#include <QMdiSubWindow>
#include <QTimer>

#include <string>
#include <vector>

class QMenu;
class QPrinter;
class QStatusBar;

// The floating window of the display preview: pictures with clickable buttons, by number. Each
// mouse event on a picture or a button goes to the target window as a sent message; the window
// itself decides nothing. As an MDI child of the main window its positions are relative to the
// main window's MDI area. It refuses the user's close: it posts WM_USER_PREVIEWCLOSED instead,
// and its owner deletes it after allowing the close.
class TFDlgPreviewSensitive : public QMdiSubWindow {
    Q_OBJECT

public:
    // Made hidden, with no pictures; the owner's action "APreviewAlwaysOnTop", when it has one,
    // is the item of the popup menu PopupMenuPreview.
    TFDlgPreviewSensitive(QWidget* owner, platform::HWND target);
    ~TFDlgPreviewSensitive() override;

    // Makes the window a child of the owner's MDI area (the owner itself, its central widget or
    // its first MDI area) and shows it there, out of sight until SetWindowBounds places it.
    // Without an MDI area it stays a tool window of its own.
    void MakeMdiChild();

    int AddImage(TImageData data);
    int AddButton(int imageId, TButtonData data);
    TPreviewImage* FindImage(int imageId) const;
    int NextImageId() const;
    static int GetImageIdOfButton(int buttonId);
    bool DeleteButton(int buttonId);
    TCanvas* GetButtonCanvas(int buttonId) const;
    void SetButtonHint(int buttonId, const std::string& text);
    void RefreshButton(int buttonId);
    void SelectButton(int buttonId, bool select);
    void RefreshImage(int imageId);
    void SetImageBitmap(int imageId, const QImage* bitmap, bool autoSize, bool redraw);
    void SetWindowBounds(bool centre, TRect rect);
    void ClearImages();
    void SetStayOnTop(bool stay);
    bool GetStayOnTop() const { return TimerStayOnTop.isActive(); }

    // Set by the owner just before it destroys the window.
    void SetCloseAllowed(bool allowed) { CloseAllowed = allowed; }
    // The menu that a right mouse button down on a picture opens; none at creation.
    void SetPopupMenu(QMenu* menu) { PopupMenu = menu; }
    QMenu* GetPopupMenu() const { return PopupMenu; }

    const std::vector<TPreviewImage*>& Images() const { return ImageList; }
    QWidget* Client() const { return ClientArea; }
    int ClientWidth() const;
    int ClientHeight() const;

    // Draws the window's client area onto the printer's first page.
    void Print(QPrinter& printer);

    QStatusBar* StatusBar;
    QMenu* PopupMenuPreview;
    QTimer TimerStayOnTop;

public slots:
    // The pictures' events; a sender of another kind sends nothing.
    void ImageClick(QObject* sender);
    void ImageDblClick(QObject* sender);
    void ImageMouseDown(QObject* sender, Qt::MouseButtons buttons);
    void ImageMouseUp(QObject* sender);
    void ButtonClick(QObject* sender);
    void ButtonDblClick(QObject* sender);
    void ButtonMouseDown(QObject* sender);
    void ButtonMouseUp(QObject* sender);
    // Raises the window among its siblings without activating it.
    void TimerStayOnTopTimer();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void SendImageMessage(platform::UINT message, QObject* sender);
    void SendButtonMessage(platform::UINT message, QObject* sender);
    QWidget* MdiParentOf(QWidget* owner) const;

    QWidget* Owner;
    platform::HWND Target;
    std::vector<TPreviewImage*> ImageList;
    bool CloseAllowed = false;
    bool Placed = false;
    bool ShownOnce = false;
    QMenu* PopupMenu = nullptr;
    QWidget* ClientArea;
};
