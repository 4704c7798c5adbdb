#include "app/FormMain.h"

#include "app/DataModule.h"
#include "app/FormVerwPlaceholder.h"
#include "app/MdiFirstLayout.h"
#include "app/MyRegistry.h"
#include "app/SettingKeys.h"
#include "app/WindowLayout.h"
#include "app/WindowTiler.h"
#include "device/product/DeviceInstanzTalvo.h"
#include "platform/CursorHourGlass.h"
#include "platform/TraceLog.h"
#include "views/FormVerwBase.h"
#include "views/FormVerwFactory.h"
#include "views/ViewMessages.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>

namespace {

const TFormVerwPlaceholderFactory PlaceholderWindows;

// Below this a stored configuration window is replaced by the first-start layout.
constexpr QSize ConfigWindowMinimum(320, 200);
// Each further configuration window opens this much further down and right.
constexpr int NewWindowStep = 10;

bool IsConfigurationWindow(const QMdiSubWindow* sub)
{
    return dynamic_cast<const TFormVerwBase*>(sub->widget()) != nullptr;
}

// The part of the area that the configuration windows are arranged in: beside the other
// windows (the preview), which stay where they are.
QRect ArrangeArea(const QMdiArea& area)
{
    QRect free = area.viewport()->rect();
    for (const QMdiSubWindow* sub : area.subWindowList())
        if (!IsConfigurationWindow(sub) && sub->isVisible() && !sub->isMinimized())
            free = AreaBeside(free, sub->geometry());
    return free;
}

// True when every key is in the settings file's section "Window".
bool WindowKeysStored(std::initializer_list<std::string_view> keys)
{
    if (DM == nullptr)
        return false;
    const TMyRegistry settings;
    return std::all_of(keys.begin(), keys.end(), [&settings](std::string_view key) {
        return settings.IniValueExists(DM->IniFileName, SECTION_WINDOW, key);
    });
}

// The place of a further configuration window: the size of the first, a step further down and
// right, moved back into the area where it would leave it.
QRect FurtherWindowPlace(const QRect& first, int number, const QRect& area)
{
    QRect place = first.translated(NewWindowStep * number, NewWindowStep * number);
    if (place.right() > area.right())
        place.moveRight(area.right());
    if (place.bottom() > area.bottom())
        place.moveBottom(area.bottom());
    place.moveTopLeft(QPoint(std::max(place.left(), area.left()), std::max(place.top(), area.top())));
    return place;
}

} // namespace

TFormVerwBase* TFormMain::NewFormVerw()
{
    LOG_FKT_START("TFormMain::NewFormVerw");
    const TFormVerwFactory& factory = Factories.Windows != nullptr ? *Factories.Windows : PlaceholderWindows;
    const int number = FormVerwCount++;
    TFormVerwBase* window = factory.Create(this, number);
    // A size the window gave itself is kept, with the MDI frame around it.
    const bool sized = window->testAttribute(Qt::WA_Resized);
    const QSize wanted = window->size();
    QMdiSubWindow* sub = MdiArea->addSubWindow(window);
    // The first window is never freed when it is closed; the others are.
    sub->setAttribute(Qt::WA_DeleteOnClose, number > 0);
    connect(window, &QObject::destroyed, this, [this, window] { FormVerwDestroyed(window); });
    sub->show();
    if (sized)
        sub->resize(wanted + (sub->size() - window->size()));
    if (number > 0)
        for (QMdiSubWindow* first : MdiArea->subWindowList())
            if (first != sub && IsConfigurationWindow(first) && first->isVisible() && !first->isMinimized()
                && !first->isMaximized()) {
                sub->setGeometry(FurtherWindowPlace(first->geometry(), number, ArrangeArea(*MdiArea)));
                break;
            }
    platform::PostMessage(GetHandle(), WM_USER_FORMVERWCREATED, 0, reinterpret_cast<platform::LPARAM>(window));
    return window;
}

void TFormMain::FormVerwCreated(TFormVerwBase* window)
{
    if (window == nullptr)
        return;
    // The list keeps the order of creation: its first window is the oldest.
    if (std::find(ListFormVerw.begin(), ListFormVerw.end(), window) == ListFormVerw.end())
        ListFormVerw.push_back(window);
}

void TFormMain::FormVerwDestroyed(TFormVerwBase* window)
{
    const auto found = std::find(ListFormVerw.begin(), ListFormVerw.end(), window);
    if (window == nullptr || found == ListFormVerw.end())
        return;
    ListFormVerw.erase(found);
    if (FormVerw == window) {
        FormVerw = ListFormVerw.empty() ? nullptr : ListFormVerw.front();
        if (AktDevInst != nullptr)
            AktDevInst->ConfigWindow = FormVerw;
    }
}

void TFormMain::FormVerwActivated(TFormVerwBase* window)
{
    if (window == nullptr)
        return;
    FormVerw = window;
    if (AktDevInst != nullptr)
        AktDevInst->ConfigWindow = window;
}

std::vector<TConfigWindowServices*> TFormMain::GetListFormVerw() const
{
    return {ListFormVerw.begin(), ListFormVerw.end()};
}

void TFormMain::CreateGroupAddressNodes(TSorvGrpAdrBasis* main, TSorvGrpAdrBasis* middle, TSorvGrpAdrBasis* sub)
{
    LOG_FKT_START("TFormMain::CreateGroupAddressNodes");
    for (TFormVerwBase* window : ListFormVerw)
        window->CreateGroupAddressNodes(main, middle, sub, window == FormVerw);
}

void TFormMain::TreeCollapseAll()
{
    LOG_FKT_START("TFormMain::TreeCollapseAll");
    if (FormVerw != nullptr)
        FormVerw->TreeCollapseAll();
}

void TFormMain::TreeExpandAll()
{
    LOG_FKT_START("TFormMain::TreeExpandAll");
    if (FormVerw != nullptr)
        FormVerw->TreeExpandAll();
}

void TFormMain::TreeCollapse()
{
    LOG_FKT_START("TFormMain::TreeCollapse");
    if (FormVerw != nullptr)
        FormVerw->TreeCollapse();
}

void TFormMain::TreeExpand()
{
    LOG_FKT_START("TFormMain::TreeExpand");
    if (FormVerw != nullptr)
        FormVerw->TreeExpand();
}

void TFormMain::StartQuickHelp()
{
    LOG_FKT_START("TFormMain::StartQuickHelp");
    if (FormVerw != nullptr && !FormVerw->HasMeldeFenster())
        FormVerw->CreateMeldeFenster();
}

void TFormMain::CreateFormVerw()
{
    LOG_FKT_START("TFormMain::CreateFormVerw");
    const platform::TCursorHourGlass hourGlass;
    TFormVerwBase* window = NewFormVerw();
    window->Assign(FormVerw);
    window->SetDeviceInstanz(AktDevInst);
}

void TFormMain::AbgleichFormVerw(TFormVerwBase* window)
{
    LOG_FKT_START("TFormMain::AbgleichFormVerw");
    if (window == nullptr)
        return;
    for (TFormVerwBase* other : ListFormVerw)
        other->Abgleich(window);
}

void TFormMain::DeactivateActiveGridCell()
{
    LOG_FKT_START("TFormMain::DeactivateActiveGridCell");
    for (TFormVerwBase* window : ListFormVerw)
        window->DeleteZellenKomponente();
}

void TFormMain::BuildAllProjectForms()
{
    LOG_FKT_START_LEVEL("TFormMain::BuildAllProjectForms", 256);
    if (AktDevInst == nullptr)
        return;
    const platform::TCursorHourGlass hourGlass;
    for (TFormVerwBase* window : ListFormVerw) {
        window->TreeBeginUpdate();
        window->UpdateSystemNode();
        window->TreeEndUpdate();
    }
}

namespace {

// The configuration windows that are shown and not minimised, in the area's order.
std::vector<QMdiSubWindow*> OpenConfigurationWindows(const QMdiArea& area)
{
    std::vector<QMdiSubWindow*> windows;
    for (QMdiSubWindow* sub : area.subWindowList())
        if (IsConfigurationWindow(sub) && sub->isVisible() && !sub->isMinimized())
            windows.push_back(sub);
    return windows;
}

// Raises the windows that are not configuration windows above the arranged ones.
void RaiseOthers(const QMdiArea& area)
{
    for (QMdiSubWindow* sub : area.subWindowList())
        if (!IsConfigurationWindow(sub) && sub->isVisible())
            sub->raise();
}

void Place(const std::vector<QMdiSubWindow*>& windows, const std::vector<QRect>& places)
{
    for (std::size_t i = 0; i < windows.size() && i < places.size(); ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(places[i]);
        windows[i]->raise();
    }
}

// Tiles the configuration windows that are not minimised beside the others.
void Tile(QMdiArea& area, bool vertical)
{
    const std::vector<QMdiSubWindow*> windows = OpenConfigurationWindows(area);
    Place(windows, TileRects(ArrangeArea(area), static_cast<int>(windows.size()), vertical));
    RaiseOthers(area);
}

} // namespace

void TFormMain::Cascade()
{
    LOG_FKT_START("TFormMain::Cascade");
    const std::vector<QMdiSubWindow*> windows = OpenConfigurationWindows(*MdiArea);
    // Each window one caption height further down and right.
    const int step = windows.empty() ? 0 : std::max(windows.front()->height() - windows.front()->widget()->height(), 20);
    Place(windows, CascadeRects(ArrangeArea(*MdiArea), static_cast<int>(windows.size()), step));
    RaiseOthers(*MdiArea);
}

void TFormMain::TileVertical()
{
    LOG_FKT_START("TFormMain::TileVertical");
    Tile(*MdiArea, true);
}

void TFormMain::TileHorizontal()
{
    LOG_FKT_START("TFormMain::TileHorizontal");
    Tile(*MdiArea, false);
}

void TFormMain::ArrangeIcons()
{
    LOG_FKT_START("TFormMain::ArrangeIcons");
    // The minimised configuration windows in a row along the bottom of the area.
    int left = 0;
    const int bottom = MdiArea->viewport()->height();
    for (QMdiSubWindow* sub : MdiArea->subWindowList()) {
        if (!sub->isMinimized() || !IsConfigurationWindow(sub))
            continue;
        sub->move(left, bottom - sub->height());
        left += sub->width();
    }
}

void TFormMain::FitWindowLayout()
{
    LOG_FKT_START("TFormMain::FitWindowLayout");
    const QRect area = MdiArea->viewport()->rect();
    QMdiSubWindow* config = nullptr;
    QMdiSubWindow* preview = nullptr;
    for (QMdiSubWindow* sub : MdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (IsConfigurationWindow(sub))
            config = config != nullptr ? config : sub;
        else if (sub->isVisible())
            preview = sub;
    }
    if (config != nullptr && !fConfigPlaceChecked && isVisible()) {
        fConfigPlaceChecked = true;
        const bool stored = WindowKeysStored({KEY_VERWTOP, KEY_VERWLEFT, KEY_VERWHEIGHT, KEY_VERWWIDTH});
        const bool usable = config->isMaximized() || config->isMinimized()
                            || UsablePlace(config->geometry(), {area}, ConfigWindowMinimum);
        if (!stored || !usable)
            FirstLayout->TrackConfigWindow(config);
    }
    if (preview != nullptr && preview != FirstLayout->Preview()) {
        const bool stored = WindowKeysStored({KEY_PREVIEWPOSTOP, KEY_PREVIEWPOSLEFT});
        FirstLayout->SetPreview(preview, !stored || !UsablePlace(preview->geometry(), {area}, QSize(1, 1)));
    }
    FirstLayout->Fit();
}
