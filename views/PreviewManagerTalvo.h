#pragma once

#include "outside/viewkit/ButtonData.h"
#include "outside/viewkit/Canvas.h"
#include "views/PreviewManager.h"

#include <QImage>
#include <QRect>

#include <array>
#include <cstdint>
#include <list>
#include <memory>
#include <string>

class TDataBasis;
class TTsBetaetigung;
class TTsTaste;
class TTsWippe;

// The preview of a Talvo push-button sensor: the device picture with its display and five rows
// of key areas (Init), or the display alone (InitSmall). The two display lines show the texts of
// the selected data object or else the basic display; every key and rocker is a button with its
// name as hint, the selected one marked; a click on a key or rocker shows its help text and
// selects its tree node.
//
// Identifiers: 2 and 3 the display lines, 4 to 13 the buttons 1 to 10 (pair p: 2p + 2 left,
// 2p + 3 right).
class TPreviewManagerTalvo : public TPreviewManager {
public:
    TPreviewManagerTalvo(QWidget* owner, platform::HWND target, TDeviceInstanz* device, const std::string& imageFolder,
                         int typeNumber);
    ~TPreviewManagerTalvo() override;

    int OnImageClick(int imageId, int value) override;
    int OnImageDblClick(int imageId, int value) override;
    int OnImageMouseDown(int imageId, int value) override;
    int OnImageMouseUp(int imageId, int value) override;
    int OnButtonClick(int imageId, int buttonId, int identifier) override;
    int OnButtonDblClick(int imageId, int buttonId, int identifier) override;
    int OnButtonMouseDown(int imageId, int buttonId, int identifier) override;
    int OnButtonMouseUp(int imageId, int buttonId, int identifier) override;
    bool Init(TDataBasis* selected) override;
    bool InitSmall(TDataBasis* selected) override;
    // The third argument has no effect here.
    void UpdateData(TDataBasis* object, bool clear, bool flag) override;

    int GetImageIdTalvo() const { return ImageIdTalvo; }
    int GetImageIdDisplay() const { return ImageIdDisplay; }
    const std::string& GetBitmapTalvoPath() const { return BitmapTalvoPath; }
    const std::string& GetBitmapDisplayPath() const { return BitmapDisplayPath; }

    // Button rectangle n (1 to 10) of the device picture and display-line rectangle n (1, 2) of
    // the display picture, left, top, width, height.
    static QRect ButtonRect(int n);
    static QRect DisplayLineRect(int n);
    // 0 (help text 1) for n < 1 and odd n, 1 (help text 2) for even n.
    static int GetWippenSeite(int buttonNumber);
    // identifier - 3 for 4 to 13, else -1.
    static int GetButtonNumberFromIdentifier(unsigned identifier);

protected:
    bool LoadImages();
    bool LoadBmpTalvo();
    bool LoadBmpDisplay();
    bool InitGrundelemente();
    bool InitDisplayElemente(bool small);

    void UpdateDisplayData(TDataBasis* object, std::int8_t identifier);
    bool LoadDisplayZeilen(TDataBasis* object, std::int8_t identifier);
    bool InitDisplayZeilen(TDataBasis* object, int buttonNumber);
    void ShowGrundAnzeige();
    bool ShowDisplayLines(const std::string& line1, const std::string& line2);

    void UpdateTastenAnordnungData(TDataBasis* object);
    bool LoadTastenAnordnung(TDataBasis* object);
    bool InitTastenAnordnung(TTsBetaetigung* actuation, TDataBasis* selected);

    void SelectAnzeigelement(std::int8_t identifier, bool noTreeSelection);

    void ClearPreviewData();
    void ClearDisplayZeilen();
    void ClearTastenAnordnung();
    void CheckButtonInUse(int first, int last, const std::list<TDataBasis*>& inUse);

    void FillListTastenWippen(std::list<TDataBasis*>& out, TTsBetaetigung* actuation);
    void GetDataFromParent(std::list<TDataBasis*>& out, TDataBasis* parent, int typ);
    static TTsTaste* GetDataTaste(const std::list<TDataBasis*>& list, int number);
    static TTsWippe* GetDataWippe(const std::list<TDataBasis*>& list, int number);

private:
    // Builds or updates display line 2 or 3 with the button description given.
    void BuildDisplayLine(int identifier, const std::string& text, const std::string& hint, TDataBasis* object,
                          TButtonData& data);
    // Builds or updates the button of a key or a rocker's left half.
    void PlaceKeyButton(TDataBasis* object, int identifier, int buttonNumber, bool selected, TButtonData& data);
    bool LoadBitmap(std::unique_ptr<QImage>& bitmap, const std::string& path);

    std::unique_ptr<QImage> BitmapTalvo;
    std::unique_ptr<QImage> BitmapDisplay;
    std::string ImageFolder;
    std::string BitmapTalvoPath;
    std::string BitmapDisplayPath;
    int ImageIdTalvo = -1;
    int ImageIdDisplay = -1;
    int TypeNumber;
    TViewColor TransparentColor = 0;
    TViewColor LineColor = clViewWhite;
};
