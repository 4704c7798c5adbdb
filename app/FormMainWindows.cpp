#include "app/FormMain.h"

#include "app/FormVerwPlaceholder.h"
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

void TFormMain::Cascade()
{
    LOG_FKT_START("TFormMain::Cascade");
    MdiArea->cascadeSubWindows();
}

namespace {

// Tiles the MDI area's windows that are not minimised.
void Tile(QMdiArea& area, bool vertical)
{
    std::vector<QMdiSubWindow*> windows;
    for (QMdiSubWindow* sub : area.subWindowList())
        if (sub->isVisible() && !sub->isMinimized())
            windows.push_back(sub);
    const auto places = TileRects(area.viewport()->rect(), static_cast<int>(windows.size()), vertical);
    for (std::size_t i = 0; i < windows.size(); ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(places[i]);
    }
}

} // namespace

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
    // The minimised windows in a row along the bottom of the area.
    int left = 0;
    const int bottom = MdiArea->viewport()->height();
    for (QMdiSubWindow* sub : MdiArea->subWindowList()) {
        if (!sub->isMinimized())
            continue;
        sub->move(left, bottom - sub->height());
        left += sub->width();
    }
}
