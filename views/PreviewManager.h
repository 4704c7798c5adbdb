#pragma once

#include "outside/viewkit/LoadS19.h"
#include "platform/WindowMessages.h"
#include "views/FDlgPreviewSensitive.h"
#include "views/PreviewData.h"
#include "views/PreviewManagerServices.h"

#include <QPointer>

#include <list>

class QPrinter;
class QWidget;
class TDataBasis;
class TDeviceInstanz;
class TDisplayZeile;

// The display preview of a device: owns the preview window, keeps the list of preview elements
// and a copy of the device's character table, turns the window's messages into calls of its
// event operations, keeps the window's position in the settings ("Window", PreviewPosTop and
// PreviewPosLeft) and asks the main window to select a data object's tree node. What is shown
// and how it reacts is the derived class's.
class TPreviewManager : public TPreviewManagerServices {
public:
    TPreviewManager(QWidget* owner, platform::HWND target, TDeviceInstanz* device);
    TPreviewManager(const TPreviewManager&) = delete;
    TPreviewManager& operator=(const TPreviewManager&) = delete;

    virtual int OnImageClick(int imageId, int value) = 0;
    virtual int OnImageDblClick(int imageId, int value) = 0;
    virtual int OnImageMouseDown(int imageId, int value) = 0;
    virtual int OnImageMouseUp(int imageId, int value) = 0;
    virtual int OnButtonClick(int imageId, int buttonId, int identifier) = 0;
    virtual int OnButtonDblClick(int imageId, int buttonId, int identifier) = 0;
    virtual int OnButtonMouseDown(int imageId, int buttonId, int identifier) = 0;
    virtual int OnButtonMouseUp(int imageId, int buttonId, int identifier) = 0;
    // Saves the position of a window it has, lets the window close and destroys it.
    ~TPreviewManager() override;
    // Makes the window (an open one is destroyed first), an MDI child of the owner, copies the
    // device's character table and reads the position. False without a device model.
    bool Init(TDataBasis* selected) override;
    bool InitSmall(TDataBasis* selected) override = 0;
    // Prints the window on the default printer.
    virtual void Print();
    void UpdateData(TDataBasis* object, bool clear, bool flag) override = 0;

    void SetCharData(const TCharacterMap& characters) { CharData = characters; }
    void GetRegData();
    void SetRegData() override;
    // Repaints every picture, fits the window around them at the stored position and shows it.
    void Show() override;
    void StayOnTop(bool stay) override;
    void BringToFront() override;
    // Prints the window on the printer given.
    void PrintTo(QPrinter& printer);
    // Every display line gets the new table and is drawn again.
    void UpdateCharacterSet(TCharacterMap characters) override;
    // Messages 1187 to 1194 of the window, to the event operations (wParam and lParam taken as
    // ints); 0 for any other.
    platform::LRESULT Message(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) override;

    TPreviewData* GetPreviewData(int identifier);
    // Replaces the fields of the element with the identifier, or appends a new one. The element
    // takes the display lines: one it holds already stays, one it held and is not given again
    // is freed. With a negative image id it is the button's; without a window then nothing is
    // stored (and lines given are freed).
    void ChangeOrAddPreviewData(TDataBasis* object, int identifier, int buttonId, int imageId, TDisplayZeile* line,
                                TDisplayZeile* line2);
    // Removes the element with the identifier with its display lines; its button stays.
    void DeletePreviewDataByIdentifier(int identifier);
    // Posts WM_USER_SELECTTREENODE (0, object) to the target window.
    void SelectTreeNode(TDataBasis* object);

    TFDlgPreviewSensitive* GetWindow() const { return PreviewWindow; }
    const std::list<TPreviewData>& GetElements() const { return Elements; }
    const TCharacterMap& GetCharData() const { return CharData; }
    int GetTop() const { return Top; }
    int GetLeft() const { return Left; }

protected:
    // The element's object, looked up by its handle in the device model; none when it is gone.
    TDataBasis* ElementObject(const TPreviewData& element) const;

    QPointer<TFDlgPreviewSensitive> PreviewWindow;
    platform::HWND TargetWindow;
    TDeviceInstanz* DeviceInstanz;
    QWidget* Owner;
    std::list<TPreviewData> Elements;
    TCharacterMap CharData;
    int Top = 200;
    int Left = 200;

private:
    void DestroyWindow();
};
