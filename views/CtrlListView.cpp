#include "views/CtrlListView.h"

#include "outside/datacore/DataBasis.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"
#include "views/DragSource.h"
#include "views/ShowException.h"
#include "views/ListView.h"
#include "views/DataObjectDrop.h"

TCtrlListView::TCtrlListView(TListView* listView) : listView_(listView)
{
    LOG_FKT_START("TCtrlListView::TCtrlListView");
}

TCtrlListView::~TCtrlListView()
{
    LOG_FKT_START("TCtrlListView::~TCtrlListView");
}

bool TCtrlListView::DropPair(QObject* sender, QObject* source, int x, int y, TDataBasis*& target,
                             TDataBasis*& dragged)
{
    if (!views::IsClass(source, "TTreeView") || !views::IsClass(sender, "TListView"))
        return false;
    dragged = views::SelectedTreeData(source);
    if (!dragged)
        return false;
    const TListItem* item = static_cast<TListView*>(sender)->GetItemAt(x, y);
    target = item ? item->Data() : nullptr;
    return target != nullptr;
}

void TCtrlListView::DragOver(QObject* sender, QObject* source, int x, int y, TDragState, bool& accept)
{
    LOG_FKT_START("TCtrlListView::DragOver");
    accept = views::AllowDataObjectDrop(
        [&](TDataBasis*& target, TDataBasis*& dragged) { return DropPair(sender, source, x, y, target, dragged); },
        "CtrlListView::DragOver");
}

void TCtrlListView::DragDrop(QObject* sender, QObject* source, int x, int y)
{
    LOG_FKT_START("TCtrlListView::DragDrop");
    views::DropDataObject(
        [&](TDataBasis*& target, TDataBasis*& dragged) { return DropPair(sender, source, x, y, target, dragged); },
        "TCtrlListView::DragDrop");
}
