// The configuration window's right pane: the child list or the grid of the selected node, and
// the commands that follow the selection.

#include "views/FormVerw.h"

#include "app/DataModule.h"
#include "device/product/UpdateGuard.h"
#include "outside/datacore/DataBasis.h"
#include "outside/datacore/MainWindowMessages.h"
#include "platform/TraceLog.h"
#include "views/DrawGridSEView.h"
#include "views/FormVerwRules.h"
#include "views/ListView.h"
#include "views/ViewMessages.h"

#include <QAction>
#include <QCursor>
#include <QFontMetrics>
#include <QTextEdit>

#include <algorithm>

void TFormVerw::AktualisiereAnsicht(TTreeNode* node, int column, int row)
{
    LOG_FKT_START("TFormVerw::AktualisiereAnsicht");
    const bool treeHadFocus = Tree->hasFocus();
    if (!node)
        node = Tree->Selected();
    if (!node)
        return;
    if (GridView->isVisible() && GridView->isEnabled() && column >= 0 && row >= 0)
        GridView->setFocus();
    TDrawGridSE& grid = GridView->Grid();
    grid.Clear();
    grid.ClearCellEvents();
    grid.OnEnterCell.Bind(
        [this](TObject* sender, TCell* cell, int cellColumn, int cellRow) { GridEnterCell(sender, cell, cellColumn, cellRow); });

    TDataBasis* object = node->Data();
    const int style = object ? object->ListStyle() : 0;
    if (style == 0)
        ShowChildList(node);
    else if (style == 1)
        ShowGrid(object, column, row);

    platform::PostMessage(MainWindow(), WM_USER_INFOWINDOWBUILT, 0, reinterpret_cast<platform::LPARAM>(object));
    if (treeHadFocus && Tree->isEnabled() && Tree->isVisible())
        Tree->setFocus();
}

void TFormVerw::ShowChildList(TTreeNode* node)
{
    if (RichEditMeld) {
        RichEditMeld->clear();
        lastHelpNumber_ = 0;
    }
    if (Tree->isEnabled() && Tree->isVisible())
        Tree->setFocus();
    const TUpdateGuard<TListView*> guard(ListView);
    ListView->Clear();
    ListView->show();
    GridView->Grid().Clear();
    GridView->hide();
    ListView->setDragEnabled(true);
    const QFontMetrics metrics(ListView->font());
    int widest = 0;
    for (int i = 0; i < node->Count(); ++i) {
        TTreeNode* child = node->Item(i);
        TListItem* item = ListView->Add(child->Text());
        item->SetImageIndex(child->ImageIndex());
        item->SetData(child->Data());
        widest = std::max(widest, metrics.horizontalAdvance(item->text()));
    }
    // A node without children (a group address) names itself rather than leave the pane empty.
    if (node->Count() == 0) {
        TListItem* caption = ListView->Add(node->Text());
        caption->SetImageIndex(node->ImageIndex());
        widest = metrics.horizontalAdvance(caption->text());
    }
    ListView->SetColumnWidth(widest + 50);
}

void TFormVerw::ShowGrid(TDataBasis* object, int column, int row)
{
    TDrawGridSE& grid = GridView->Grid();
    {
        const TUpdateGuard<TDrawGridSE*> guard(&grid);
        const bool autoSize = DM ? DM->fGridAutoSize : true;
        grid.SetAutoSizeColumns(autoSize);
        grid.DefaultColWidth = autoSize ? 1 : (DM ? DM->GridColDefWidth : grid.DefaultColWidth);
        GridView->show();
        ListView->hide();
        ListView->setDragEnabled(false);
        grid.Clear();
        grid.SetColCount(2);
        grid.SetFixedCols(0);
        grid.SetFixedRows(0);
        grid.SetRowCount(0);
    }
    if (column >= 0 && row >= 0)
        GridView->setFocus();
    object->BuildInfoWindow(&grid, ListView, false, column, row);
}

void TFormVerw::TreeChange(TTreeNode* node)
{
    LOG_FKT_START("TFormVerw::TreeChange");
    if (!building_) {
        if (DM && DM->fTableAutoCellActivate)
            AktualisiereAnsicht(node, 1, DM->TableAutoCellActivateRow);
        else
            AktualisiereAnsicht(node, -1, -1);
    }
    CheckActionList(node);
    if (node)
        platform::PostMessage(MainWindow(), WM_USER_UPDATEPREVIEW, 0, reinterpret_cast<platform::LPARAM>(node->Data()));
}

void TFormVerw::CheckActionList(TTreeNode* node)
{
    LOG_FKT_START("TFormVerw::CheckActionList");
    if (!node || !DM)
        return;
    DM->ALinkObjToGrpAddr->setEnabled(false);
    DM->AGlobalParameter->setEnabled(false);
    TDataBasis* object = node->Data();
    if (!object)
        return;
    const views::TActionStates states = views::ActionStatesFor(object->GetTyp(), object->GlobalParameterEnabled());
    if (states.DisableCopy)
        DM->ACopy->setEnabled(false);
    DM->ALinkObjToGrpAddr->setEnabled(states.LinkObjToGrpAddr);
    DM->AGlobalParameter->setEnabled(states.GlobalParameter);
}

void TFormVerw::ListViewDblClick()
{
    LOG_FKT_START("TFormVerw::ListViewDblClick");
    const QPoint at = ListView->viewport()->mapFromGlobal(QCursor::pos());
    TListItem* item = ListView->GetItemAt(at.x(), at.y());
    if (!item)
        item = ListView->Selected();
    if (!item || !item->Data())
        return;
    if (TTreeNode* node = NodeOf(item->Data()))
        Tree->SetSelected(node);
}
