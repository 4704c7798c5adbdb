#include "views/PreviewManager.h"

#include "app/MyRegistry.h"
#include "app/SettingKeys.h"
#include "device/DataModuleServices.h"
#include "device/DeviceInstanz.h"
#include "outside/datacore/DataBasis.h"
#include "platform/TraceLog.h"
#include "views/PreviewIds.h"
#include "views/PreviewMessages.h"

#include <QPrinter>

#include <algorithm>

namespace {

constexpr int DefaultPosition = 200;

// The settings file, or none without a data module.
std::string SettingsFile()
{
    const TDataModuleServices* dataModule = TDataModuleServices::Current();
    return dataModule ? dataModule->GetIniFileName() : std::string();
}

} // namespace

TPreviewManager::TPreviewManager(QWidget* owner, platform::HWND target, TDeviceInstanz* device)
    : TargetWindow(target), DeviceInstanz(device), Owner(owner)
{
    LOG_FKT_START("TPreviewManager::TPreviewManager");
}

TPreviewManager::~TPreviewManager()
{
    LOG_FKT_START("TPreviewManager::~TPreviewManager");
    DestroyWindow();
}

void TPreviewManager::DestroyWindow()
{
    if (!PreviewWindow)
        return;
    SetRegData();
    PreviewWindow->SetCloseAllowed(true);
    // Destroyed without a close request, which would post WM_USER_PREVIEWCLOSED once more.
    delete PreviewWindow.data();
}

bool TPreviewManager::Init(TDataBasis* /*selected*/)
{
    LOG_FKT_START("TPreviewManager::Init");
    if (!DeviceInstanz)
        return false;
    if (PreviewWindow) {
        // The old window goes first, with the elements whose lines drew into it.
        DestroyWindow();
        Elements.clear();
    }
    PreviewWindow = new TFDlgPreviewSensitive(Owner, TargetWindow);
    PreviewWindow->MakeMdiChild();
    SetCharData(DeviceInstanz->CharTable);
    GetRegData();
    return true;
}

void TPreviewManager::GetRegData()
{
    LOG_FKT_START("TPreviewManager::GetRegData");
    if (!PreviewWindow)
        return;
    Top = DefaultPosition;
    Left = DefaultPosition;
    const std::string file = SettingsFile();
    if (file.empty())
        return;
    const TMyRegistry registry;
    registry.ReadIniInteger(file, SECTION_WINDOW, KEY_PREVIEWPOSTOP, DefaultPosition, Top);
    registry.ReadIniInteger(file, SECTION_WINDOW, KEY_PREVIEWPOSLEFT, DefaultPosition, Left);
}

void TPreviewManager::SetRegData()
{
    LOG_FKT_START("TPreviewManager::SetRegData");
    if (!PreviewWindow)
        return;
    const std::string file = SettingsFile();
    if (file.empty())
        return;
    const TMyRegistry registry;
    registry.WriteIniInteger(file, SECTION_WINDOW, KEY_PREVIEWPOSTOP, PreviewWindow->y());
    registry.WriteIniInteger(file, SECTION_WINDOW, KEY_PREVIEWPOSLEFT, PreviewWindow->x());
}

void TPreviewManager::Show()
{
    LOG_FKT_START("TPreviewManager::Show");
    if (!PreviewWindow)
        return;
    PreviewWindow->RefreshImage(-1);
    PreviewWindow->SetWindowBounds(false, TRect{Left, Top, -1, -1});
    PreviewWindow->show();
}

void TPreviewManager::StayOnTop(bool stay)
{
    LOG_FKT_START("TPreviewManager::StayOnTop");
    if (PreviewWindow)
        PreviewWindow->SetStayOnTop(stay);
}

void TPreviewManager::BringToFront()
{
    LOG_FKT_START("TPreviewManager::BringToFront");
    if (PreviewWindow)
        PreviewWindow->raise();
}

void TPreviewManager::Print()
{
    LOG_FKT_START("TPreviewManager::Print");
    if (!PreviewWindow)
        return;
    QPrinter printer;
    PrintTo(printer);
}

void TPreviewManager::PrintTo(QPrinter& printer)
{
    if (PreviewWindow)
        PreviewWindow->Print(printer);
}

void TPreviewManager::UpdateCharacterSet(TCharacterMap characters)
{
    LOG_FKT_START("TPreviewManager::UpdateCharacterSet");
    SetCharData(characters);
    for (TPreviewData& element : Elements) {
        for (TDisplayZeile* line : {element.Line.get(), element.Line2.get()}) {
            if (!line)
                continue;
            line->SetCharData(characters);
            if (PreviewWindow)
                line->Draw();
        }
        if (PreviewWindow)
            PreviewWindow->RefreshButton(element.ButtonId);
    }
}

platform::LRESULT TPreviewManager::Message(platform::UINT message, platform::WPARAM wParamWord,
                                          platform::LPARAM lParamWord)
{
    LOG_FKT_START("TPreviewManager::Message");
    const auto wParam = static_cast<int>(wParamWord);
    const auto lParam = static_cast<int>(lParamWord);
    const int imageId = PreviewWindow ? GetImageIdOfButton(wParam) : -1;
    switch (message) {
    case WM_USER_PREVIEWIMAGECLICK:
        return OnImageClick(wParam, lParam);
    case WM_USER_PREVIEWIMAGEDBLCLICK:
        return OnImageDblClick(wParam, lParam);
    case WM_USER_PREVIEWIMAGEMOUSEDOWN:
        return OnImageMouseDown(wParam, lParam);
    case WM_USER_PREVIEWIMAGEMOUSEUP:
        return OnImageMouseUp(wParam, lParam);
    case WM_USER_PREVIEWBUTTONCLICK:
        return OnButtonClick(imageId, wParam, lParam);
    case WM_USER_PREVIEWBUTTONDBLCLICK:
        return OnButtonDblClick(imageId, wParam, lParam);
    case WM_USER_PREVIEWBUTTONMOUSEDOWN:
        return OnButtonMouseDown(imageId, wParam, lParam);
    case WM_USER_PREVIEWBUTTONMOUSEUP:
        return OnButtonMouseUp(imageId, wParam, lParam);
    default:
        return 0;
    }
}

TPreviewData* TPreviewManager::GetPreviewData(int identifier)
{
    const auto found = std::find_if(Elements.begin(), Elements.end(),
                                    [identifier](const TPreviewData& element) { return element.Identifier == identifier; });
    return found == Elements.end() ? nullptr : &*found;
}

void TPreviewManager::ChangeOrAddPreviewData(TDataBasis* object, int identifier, int buttonId, int imageId,
                                             TDisplayZeile* line, TDisplayZeile* line2)
{
    LOG_FKT_START("TPreviewManager::ChangeOrAddPreviewData");
    TPreviewData* element = GetPreviewData(identifier);
    if (imageId < 0) {
        if (!PreviewWindow) {
            // Nothing is stored: lines that no element holds go.
            if (!element || element->Line.get() != line)
                delete line;
            if (!element || element->Line2.get() != line2)
                delete line2;
            return;
        }
        imageId = GetImageIdOfButton(buttonId);
    }
    if (!element) {
        Elements.emplace_back();
        element = &Elements.back();
    }
    element->Object = object;
    element->Handle = object ? object->GetHandle() : 0;
    element->ButtonId = buttonId;
    element->ImageId = imageId;
    element->Identifier = identifier;
    if (element->Line.get() != line)
        element->Line.reset(line);
    if (element->Line2.get() != line2)
        element->Line2.reset(line2);
}

void TPreviewManager::DeletePreviewDataByIdentifier(int identifier)
{
    LOG_FKT_START("TPreviewManager::DeletePreviewDataByIdentifier");
    const auto found = std::find_if(Elements.begin(), Elements.end(),
                                    [identifier](const TPreviewData& element) { return element.Identifier == identifier; });
    if (found != Elements.end())
        Elements.erase(found);
}

void TPreviewManager::SelectTreeNode(TDataBasis* object)
{
    LOG_FKT_START("TPreviewManager::SelectTreeNode");
    platform::PostMessage(TargetWindow, WM_USER_SELECTTREENODE, 0, reinterpret_cast<platform::LPARAM>(object));
}

TDataBasis* TPreviewManager::ElementObject(const TPreviewData& element) const
{
    TDataBasis* object = nullptr;
    if (DeviceInstanz && element.Handle != 0)
        DeviceInstanz->GetDataPointer(element.Handle, object);
    return object;
}
