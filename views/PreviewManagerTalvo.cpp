#include "views/PreviewManagerTalvo.h"

#include "app/Sprclockfunc.h"
#include "app/Spredit.h"
#include "device/E_InstVerw.h"
#include "device/SharedTextConstants.h"
#include "device/product/DatenTyp.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "outside/addrlink/AddrlinkTypes.h"
#include "outside/clockfunc/Schaltuhr.h"
#include "outside/keyplan/FunktionsContainer.h"
#include "outside/keyplan/TsBetaetigung.h"
#include "outside/keyplan/TsTaste.h"
#include "outside/keyplan/TsWippe.h"
#include "outside/sysfunc/TalvoDisplay.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "outside/viewkit/ImageData.h"
#include "platform/CursorHourGlass.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <QFile>

#include <stdexcept>

namespace {

constexpr int FirstKeyIdentifier = 4;
constexpr int LastKeyIdentifier = 13;
constexpr int LineIdentifier1 = 2;
constexpr int LineIdentifier2 = 3;
constexpr int MaxPairs = 5;

// Flags 0 and 2 to 6 of the buttons each operation makes (flag 1 is the initial selection).
void SetFlags(TButtonData& data, std::array<std::uint8_t, 7> flags)
{
    for (std::size_t i = 0; i < flags.size(); ++i)
        if (i != TButtonData::bfSelected)
            data.Flags[i] = flags[i];
}
constexpr std::array<std::uint8_t, 7> KeyFlags{1, 0, 0, 1, 1, 1, 1};
constexpr std::array<std::uint8_t, 7> ObjectLineFlags{0, 0, 0, 0, 1, 0, 1};
constexpr std::array<std::uint8_t, 7> BasicLineFlags{0, 0, 0, 0, 0, 0, 1};

void SetRect(TButtonData& data, const QRect& rect)
{
    data.Left = rect.left();
    data.Top = rect.top();
    data.Width = rect.width();
    data.Height = rect.height();
}

std::uint8_t PairMode(const TTsBetaetigung& actuation, int pair)
{
    switch (pair) {
    case 1:
        return actuation.GetValueOfTastenpaar1();
    case 2:
        return actuation.GetValueOfTastenpaar2();
    case 3:
        return actuation.GetValueOfTastenpaar3();
    case 4:
        return actuation.GetValueOfTastenpaar4();
    case 5:
        return actuation.GetValueOfTastenpaar5();
    default:
        return 0;
    }
}

} // namespace

TPreviewManagerTalvo::TPreviewManagerTalvo(QWidget* owner, platform::HWND target, TDeviceInstanz* device,
                                           const std::string& imageFolder, int typeNumber)
    : TPreviewManager(owner, target, device), TypeNumber(typeNumber)
{
    LOG_FKT_START("TPreviewManagerTalvo::TPreviewManagerTalvo");
    ImageFolder = imageFolder;
    if (ImageFolder.empty() || ImageFolder.back() != '/')
        ImageFolder += '/';
    BitmapTalvoPath = ImageFolder + std::to_string(TypeNumber) + "." + EXT_BMP;
    BitmapDisplayPath = ImageFolder + FILE_SMALL_DISPLAY + "." + EXT_BMP;
}

TPreviewManagerTalvo::~TPreviewManagerTalvo()
{
    LOG_FKT_START("TPreviewManagerTalvo::~TPreviewManagerTalvo");
}

QRect TPreviewManagerTalvo::ButtonRect(int n)
{
    return {n % 2 == 1 ? 5 : 83, 51 + 50 * ((n - 1) / 2), 77, 48};
}

QRect TPreviewManagerTalvo::DisplayLineRect(int n)
{
    return {0, n == 1 ? 0 : 8, 120, 8};
}

int TPreviewManagerTalvo::GetWippenSeite(int buttonNumber)
{
    return buttonNumber >= 1 && buttonNumber % 2 == 0 ? 1 : 0;
}

int TPreviewManagerTalvo::GetButtonNumberFromIdentifier(unsigned identifier)
{
    return identifier >= FirstKeyIdentifier && identifier <= LastKeyIdentifier ? static_cast<int>(identifier) - 3 : -1;
}

// --- Events ---

int TPreviewManagerTalvo::OnImageClick(int, int)
{
    return -1;
}

int TPreviewManagerTalvo::OnImageDblClick(int, int)
{
    return -1;
}

int TPreviewManagerTalvo::OnImageMouseDown(int, int)
{
    return -1;
}

int TPreviewManagerTalvo::OnImageMouseUp(int, int)
{
    return -1;
}

int TPreviewManagerTalvo::OnButtonClick(int /*imageId*/, int /*buttonId*/, int identifier)
{
    LOG_FKT_START("TPreviewManagerTalvo::OnButtonClick");
    const platform::TCursorHourGlass hourGlass;
    const auto id = static_cast<std::int8_t>(identifier);
    if (id >= FirstKeyIdentifier && id <= LastKeyIdentifier)
        SelectAnzeigelement(id, false);
    return -1;
}

int TPreviewManagerTalvo::OnButtonDblClick(int, int, int)
{
    return -1;
}

int TPreviewManagerTalvo::OnButtonMouseDown(int, int, int)
{
    return -1;
}

int TPreviewManagerTalvo::OnButtonMouseUp(int, int, int)
{
    return -1;
}

// --- Building ---

bool TPreviewManagerTalvo::Init(TDataBasis* selected)
{
    LOG_FKT_START("TPreviewManagerTalvo::Init");
    ImageIdTalvo = -1;
    ImageIdDisplay = -1;
    if (!TPreviewManager::Init(selected) || !PreviewWindow)
        return false;
    if (!LoadImages() || !InitGrundelemente() || !InitDisplayElemente(false))
        return false;
    PreviewWindow->SetPopupMenu(PreviewWindow->PopupMenuPreview);
    TransparentColor = clViewFuchsia;
    UpdateData(selected, false, true);
    return true;
}

bool TPreviewManagerTalvo::InitSmall(TDataBasis* selected)
{
    LOG_FKT_START("TPreviewManagerTalvo::InitSmall");
    ImageIdTalvo = -1;
    ImageIdDisplay = -1;
    if (!TPreviewManager::Init(selected) || !PreviewWindow)
        return false;
    if (!LoadImages() || !InitDisplayElemente(true))
        return false;
    PreviewWindow->SetPopupMenu(PreviewWindow->PopupMenuPreview);
    TransparentColor = clViewFuchsia;
    UpdateData(selected, false, true);
    return true;
}

bool TPreviewManagerTalvo::LoadImages()
{
    return LoadBmpTalvo() && LoadBmpDisplay();
}

bool TPreviewManagerTalvo::LoadBmpTalvo()
{
    LOG_FKT_START("TPreviewManagerTalvo::LoadBmpTalvo");
    return LoadBitmap(BitmapTalvo, BitmapTalvoPath);
}

bool TPreviewManagerTalvo::LoadBmpDisplay()
{
    LOG_FKT_START("TPreviewManagerTalvo::LoadBmpDisplay");
    return LoadBitmap(BitmapDisplay, BitmapDisplayPath);
}

bool TPreviewManagerTalvo::LoadBitmap(std::unique_ptr<QImage>& bitmap, const std::string& path)
{
    bitmap = std::make_unique<QImage>();
    try {
        const QString file = QString::fromStdString(path);
        if (!QFile::exists(file))
            throw std::runtime_error("Cannot open file \"" + path + "\".");
        if (!bitmap->load(file, "BMP"))
            throw std::runtime_error("Bitmap image is not valid: \"" + path + "\".");
    } catch (const std::exception& failure) {
        platform::MessageBox(failure.what(), Spredit::Text9099, platform::MB_OK); // "Fehler"
        return false;
    }
    return true;
}

bool TPreviewManagerTalvo::InitGrundelemente()
{
    LOG_FKT_START("TPreviewManagerTalvo::InitGrundelemente");
    if (!PreviewWindow || !BitmapTalvo)
        return false;
    TImageData data;
    data.Bitmap = BitmapTalvo.get();
    data.Rect = TRect{0, 0, -1, -1};
    data.MultiSelect = false;
    data.ShowHint = true;
    data.Hint.clear();
    ImageIdTalvo = PreviewWindow->AddImage(data);
    return true;
}

bool TPreviewManagerTalvo::InitDisplayElemente(bool small)
{
    LOG_FKT_START("TPreviewManagerTalvo::InitDisplayElemente");
    if (!PreviewWindow || !BitmapDisplay)
        return false;
    TImageData data;
    data.Bitmap = BitmapDisplay.get();
    data.Rect = small ? TRect{0, 0, -1, -1} : TRect{21, 25, -1, -1};
    data.MultiSelect = false;
    data.ShowHint = true;
    data.Hint.clear();
    ImageIdDisplay = PreviewWindow->AddImage(data);
    return true;
}

// --- What the display shows ---

void TPreviewManagerTalvo::UpdateData(TDataBasis* object, bool clear, bool /*flag*/)
{
    LOG_FKT_START("TPreviewManagerTalvo::UpdateData");
    if (clear)
        ClearPreviewData();
    UpdateDisplayData(object, FirstKeyIdentifier);
    UpdateTastenAnordnungData(object);
}

void TPreviewManagerTalvo::UpdateDisplayData(TDataBasis* object, std::int8_t identifier)
{
    LOG_FKT_START("TPreviewManagerTalvo::UpdateDisplayData");
    if (!DeviceInstanz || !PreviewWindow)
        return;
    if (!object) {
        ClearDisplayZeilen();
        return;
    }
    auto* device = dynamic_cast<TDeviceInstanzTalvo*>(DeviceInstanz);
    const TTalvoSystem* system = device ? device->GetPointerFromSystem() : nullptr;
    if (!system)
        return;
    const std::uint8_t keyHelp = system->GetValueOfTastenHilfeFunktion();
    switch (object->GetTyp()) {
    case DT_ETS_OBJEKT:
    case DT_ETS_OBJEKT_2: {
        TDataBasis* parent = nullptr;
        if (DeviceInstanz->GetDataPointer(object->GetParentHandle(), parent) && parent) {
            UpdateData(parent, false, true);
            SelectTreeNode(object);
        } else {
            ClearDisplayZeilen();
        }
        break;
    }
    case DT_TALVO_DISPLAY:
    case DT_SCHALTUHR:
        LoadDisplayZeilen(object, identifier);
        break;
    case DT_TS_TASTE:
    case DT_TS_WIPPE:
        if (keyHelp == 1)
            LoadDisplayZeilen(object, identifier);
        else
            ShowGrundAnzeige();
        break;
    default:
        ShowGrundAnzeige();
        break;
    }
}

bool TPreviewManagerTalvo::LoadDisplayZeilen(TDataBasis* object, std::int8_t identifier)
{
    if (!object)
        return false;
    return InitDisplayZeilen(object, GetButtonNumberFromIdentifier(static_cast<std::uint8_t>(identifier)));
}

bool TPreviewManagerTalvo::InitDisplayZeilen(TDataBasis* object, int buttonNumber)
{
    LOG_FKT_START("TPreviewManagerTalvo::InitDisplayZeilen");
    if (!object || !PreviewWindow || !DeviceInstanz || !dynamic_cast<TDeviceInstanzTalvo*>(DeviceInstanz))
        return false;
    const auto* system = dynamic_cast<const TTalvoSystem*>(DeviceInstanz->GetDevice());
    if (!system)
        return false;
    const std::uint8_t keyHelp = system->GetValueOfTastenHilfeFunktion();
    const int typ = object->GetTyp();

    std::string text1;
    std::string text2;
    if (typ == DT_TALVO_DISPLAY) {
        if (const auto* display = dynamic_cast<const TTalvoDisplay*>(object))
            display->GetGrundanzeigeTexte(text1, text2);
    } else if (typ == DT_SCHALTUHR) {
        if (const auto* timeSwitch = dynamic_cast<const TSchaltuhr*>(object))
            text1 = timeSwitch->GetText();
    }
    TButtonData data;
    SetFlags(data, ObjectLineFlags);
    const std::string hint = object->GetName(true);
    BuildDisplayLine(LineIdentifier1, text1, hint, object, data);

    if (typ != DT_TALVO_DISPLAY)
        text2 = text1;
    if (typ == DT_TS_TASTE && keyHelp == 1) {
        if (const auto* key = dynamic_cast<const TTsTaste*>(object))
            text2 = key->GetTastenHilfeText1();
    } else if (typ == DT_TS_WIPPE && keyHelp == 1 && buttonNumber >= 1) {
        if (const auto* rocker = dynamic_cast<const TTsWippe*>(object))
            text2 = GetWippenSeite(buttonNumber) == 0 ? rocker->GetTastenHilfeText1() : rocker->GetTastenHilfeText2();
    } else if (typ == DT_SCHALTUHR) {
        text2 = Sprclockfunc::Text16222; // "Schaltuhr"
    }
    BuildDisplayLine(LineIdentifier2, text2, hint, object, data);
    PreviewWindow->RefreshImage(ImageIdDisplay);
    return true;
}

void TPreviewManagerTalvo::BuildDisplayLine(int identifier, const std::string& text, const std::string& hint,
                                            TDataBasis* object, TButtonData& data)
{
    TDisplayZeile* line = nullptr;
    int buttonId = -1;
    if (TPreviewData* element = GetPreviewData(identifier)) {
        buttonId = element->ButtonId;
        PreviewWindow->SetButtonHint(buttonId, hint);
        line = element->Line.get();
        if (line) {
            line->Clear();
            line->SetText(text);
            line->SetOffset(0);
            line->SetOffsetTop(0);
        }
    } else {
        SetRect(data, DisplayLineRect(identifier - 1));
        data.Identifier = identifier;
        data.Hint = hint;
        buttonId = PreviewWindow->AddButton(ImageIdDisplay, data);
        line = new TDisplayZeile(PreviewWindow->GetButtonCanvas(buttonId), -1, 1, CharData, LineColor,
                                 TransparentColor);
        line->SetText(text);
        line->SetOffset(0);
        line->SetOffsetTop(0);
    }
    ChangeOrAddPreviewData(object, identifier, buttonId, -1, line, nullptr);
    if (line)
        line->Draw();
}

void TPreviewManagerTalvo::ShowGrundAnzeige()
{
    LOG_FKT_START("TPreviewManagerTalvo::ShowGrundAnzeige");
    auto* device = dynamic_cast<TDeviceInstanzTalvo*>(DeviceInstanz);
    if (!device)
        return;
    const TTalvoDisplay* display = device->GetPointerFromDisplay();
    if (!display)
        return;
    std::string line1;
    std::string line2;
    display->GetGrundanzeigeTexte(line1, line2);
    ShowDisplayLines(line1, line2);
}

bool TPreviewManagerTalvo::ShowDisplayLines(const std::string& line1, const std::string& line2)
{
    LOG_FKT_START("TPreviewManagerTalvo::ShowDisplayLines");
    if (!PreviewWindow)
        return false;
    TButtonData data;
    SetFlags(data, BasicLineFlags);
    BuildDisplayLine(LineIdentifier1, line1, std::string(), nullptr, data);
    BuildDisplayLine(LineIdentifier2, line2, std::string(), nullptr, data);
    PreviewWindow->RefreshImage(ImageIdDisplay);
    return true;
}

// --- Keys and rockers ---

void TPreviewManagerTalvo::UpdateTastenAnordnungData(TDataBasis* object)
{
    LOG_FKT_START("TPreviewManagerTalvo::UpdateTastenAnordnungData");
    if (!LoadTastenAnordnung(object))
        ClearTastenAnordnung();
}

bool TPreviewManagerTalvo::LoadTastenAnordnung(TDataBasis* object)
{
    LOG_FKT_START("TPreviewManagerTalvo::LoadTastenAnordnung");
    if (!DeviceInstanz || !dynamic_cast<TDeviceInstanzTalvo*>(DeviceInstanz))
        return false;
    TTsBetaetigung* actuation = nullptr;
    try {
        actuation = dynamic_cast<TTsBetaetigung*>(
            DeviceInstanz->GetPointerFromDatenTyp(DeviceInstanz->GetDevice(), DT_TS_BETAETIGUNG));
    } catch (const E_InstVerw&) {
        return false; // the device data object has no records
    }
    if (!actuation)
        return false;
    return InitTastenAnordnung(actuation, object);
}

bool TPreviewManagerTalvo::InitTastenAnordnung(TTsBetaetigung* actuation, TDataBasis* selected)
{
    LOG_FKT_START("TPreviewManagerTalvo::InitTastenAnordnung");
    if (!actuation || !PreviewWindow)
        return false;
    const int keys = actuation->GetAnzahlTasten();
    if (keys < 1)
        return false;
    const int pairs = keys / 2;
    if (pairs < 1)
        return false;
    std::list<TDataBasis*> candidates;
    FillListTastenWippen(candidates, actuation);

    // One description for every button of this call: a field not set again keeps its value.
    TButtonData data;
    SetFlags(data, KeyFlags);
    for (int p = 1; p <= MaxPairs && p <= pairs; ++p) {
        switch (PairMode(*actuation, p)) {
        case T_DB_EnumTsBetaetigung::tpZweiTasten:
            for (const int identifier : {2 * p + 2, 2 * p + 3}) {
                const int number = identifier - 3;
                TTsTaste* key = GetDataTaste(candidates, number);
                if (!key)
                    return false;
                PlaceKeyButton(key, identifier, number, dynamic_cast<TTsTaste*>(selected) == key, data);
            }
            break;
        case T_DB_EnumTsBetaetigung::tpWippe: {
            TTsWippe* rocker = GetDataWippe(candidates, p);
            if (!rocker)
                return false;
            PlaceKeyButton(rocker, 2 * p + 2, 2 * p - 1, dynamic_cast<TTsWippe*>(selected) == rocker, data);
            const int right = 2 * p + 3;
            if (const TPreviewData* element = GetPreviewData(right)) {
                const int buttonId = element->ButtonId;
                PreviewWindow->SetButtonHint(buttonId, rocker->GetName(true));
                ChangeOrAddPreviewData(rocker, right, buttonId, -1, nullptr, nullptr);
            } else {
                // Flag 1 stays as the left half left it.
                SetRect(data, ButtonRect(2 * p));
                data.Identifier = right;
                data.Hint = rocker->GetName(true);
                const int buttonId = PreviewWindow->AddButton(ImageIdTalvo, data);
                ChangeOrAddPreviewData(rocker, right, buttonId, -1, nullptr, nullptr);
            }
            break;
        }
        default:
            break; // the pair is skipped: its buttons stay as they are
        }
    }
    PreviewWindow->RefreshImage(ImageIdTalvo);
    return true;
}

void TPreviewManagerTalvo::PlaceKeyButton(TDataBasis* object, int identifier, int buttonNumber, bool selected,
                                          TButtonData& data)
{
    if (const TPreviewData* element = GetPreviewData(identifier)) {
        const int buttonId = element->ButtonId;
        PreviewWindow->SetButtonHint(buttonId, object->GetName(true));
        PreviewWindow->SelectButton(buttonId, selected);
        ChangeOrAddPreviewData(object, identifier, buttonId, -1, nullptr, nullptr);
        return;
    }
    data.Flags[TButtonData::bfSelected] = selected ? 1 : 0;
    SetRect(data, ButtonRect(buttonNumber));
    data.Identifier = identifier;
    data.Hint = object->GetName(true);
    const int buttonId = PreviewWindow->AddButton(ImageIdTalvo, data);
    ChangeOrAddPreviewData(object, identifier, buttonId, -1, nullptr, nullptr);
}

void TPreviewManagerTalvo::SelectAnzeigelement(std::int8_t identifier, bool noTreeSelection)
{
    LOG_FKT_START("TPreviewManagerTalvo::SelectAnzeigelement");
    if (!PreviewWindow)
        return;
    const TPreviewData* element = GetPreviewData(identifier);
    if (!element)
        return;
    TDataBasis* object = ElementObject(*element);
    if (!object || (!dynamic_cast<TTsTaste*>(object) && !dynamic_cast<TTsWippe*>(object)))
        return;
    PreviewWindow->SelectButton(element->ButtonId, true);
    UpdateDisplayData(object, identifier);
    if (!noTreeSelection)
        SelectTreeNode(object);
}

// --- Removal ---

void TPreviewManagerTalvo::ClearPreviewData()
{
    LOG_FKT_START("TPreviewManagerTalvo::ClearPreviewData");
    ClearDisplayZeilen();
    ClearTastenAnordnung();
}

void TPreviewManagerTalvo::ClearDisplayZeilen()
{
    LOG_FKT_START("TPreviewManagerTalvo::ClearDisplayZeilen");
    if (PreviewWindow)
        PreviewWindow->SetImageBitmap(ImageIdDisplay, BitmapDisplay.get(), false, true);
    CheckButtonInUse(LineIdentifier1, LineIdentifier2, {});
}

void TPreviewManagerTalvo::ClearTastenAnordnung()
{
    LOG_FKT_START("TPreviewManagerTalvo::ClearTastenAnordnung");
    CheckButtonInUse(FirstKeyIdentifier, LastKeyIdentifier, {});
}

void TPreviewManagerTalvo::CheckButtonInUse(int first, int last, const std::list<TDataBasis*>& inUse)
{
    LOG_FKT_START("TPreviewManagerTalvo::CheckButtonInUse");
    if (!PreviewWindow)
        return;
    for (int identifier = first; identifier <= last; ++identifier) {
        const TPreviewData* element = GetPreviewData(identifier);
        if (!element || std::find(inUse.begin(), inUse.end(), element->Object) != inUse.end())
            continue;
        PreviewWindow->DeleteButton(element->ButtonId);
        DeletePreviewDataByIdentifier(identifier);
    }
}

// --- Look-ups ---

void TPreviewManagerTalvo::FillListTastenWippen(std::list<TDataBasis*>& out, TTsBetaetigung* actuation)
{
    if (!actuation)
        return;
    std::list<TDataBasis*> children;
    GetDataFromParent(children, actuation, DT_TS_TASTE);
    GetDataFromParent(children, actuation, DT_TS_WIPPE);
    for (TDataBasis* child : children)
        if (dynamic_cast<TFunktionsContainer*>(child))
            out.push_back(child);
}

void TPreviewManagerTalvo::GetDataFromParent(std::list<TDataBasis*>& out, TDataBasis* parent, int typ)
{
    if (!DeviceInstanz)
        return;
    try {
        DeviceInstanz->GetAllPointerFromDatentyp(static_cast<std::int16_t>(typ), out, parent, false);
    } catch (const E_InstVerw&) {
        // a parent without records has no children
    }
}

TTsTaste* TPreviewManagerTalvo::GetDataTaste(const std::list<TDataBasis*>& list, int number)
{
    if (number < 1)
        return nullptr;
    for (TDataBasis* object : list)
        if (auto* key = dynamic_cast<TTsTaste*>(object); key && key->GetTastenNummer() == number)
            return key;
    return nullptr;
}

TTsWippe* TPreviewManagerTalvo::GetDataWippe(const std::list<TDataBasis*>& list, int number)
{
    if (number < 1)
        return nullptr;
    for (TDataBasis* object : list)
        if (auto* rocker = dynamic_cast<TTsWippe*>(object); rocker && rocker->GetWippenNummer() == number)
            return rocker;
    return nullptr;
}
