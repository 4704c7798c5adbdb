// The configuration window's settings (section "Window" and its quick-help switches) and the
// expanded nodes kept for the device's data block.

#include "views/FormVerw.h"

#include "app/DataModule.h"
#include "app/MyRegistry.h"
#include "app/SettingKeys.h"
#include "outside/datacore/DataBasis.h"
#include "platform/TraceLog.h"
#include "views/FDockMeld.h"
#include "views/FormVerwRules.h"
#include "views/TreeWidthFit.h"

#include <QMdiSubWindow>
#include <QSplitter>

void TFormVerw::GetRegData()
{
    LOG_FKT_START("TFormVerw::GetRegData");
    if (!DM)
        return;
    const TMyRegistry settings;
    const std::string& file = DM->IniFileName;
    std::int32_t top = 10;
    std::int32_t left = 10;
    std::int32_t height = 300;
    std::int32_t width = 620;
    settings.ReadIniInteger(file, SECTION_WINDOW, KEY_VERWTOP, 10, top);
    settings.ReadIniInteger(file, SECTION_WINDOW, KEY_VERWLEFT, 10, left);
    settings.ReadIniInteger(file, SECTION_WINDOW, KEY_VERWHEIGHT, 300, height);
    settings.ReadIniInteger(file, SECTION_WINDOW, KEY_VERWWIDTH, 620, width);
    // Without a stored width the tree fits its names; a stored one leaves the grid at least half.
    settings.ReadIniInteger(file, SECTION_WINDOW, KEY_TREEWIDTH, 200, storedTreeWidth_);
    if (settings.IniValueExists(file, SECTION_WINDOW, KEY_TREEWIDTH))
        treeWidthFit_->SetRestoredWidth(std::max(storedTreeWidth_, 1));
    settings.ReadIniInteger(file, SECTION_WINDOW, KEY_VERWSTATE, 0, storedState_);
    // Each window opens 10 pixels further down and right than the one made before it.
    storedGeometry_ = QRect(left + 10 * WindowNumber, top + 10 * WindowNumber, width, height);
    resize(width, height);
    treeWidthFit_->Fit();

    bool showQuickHelp = false;
    settings.ReadIniBool(file, SECTION_OPTIONS, KEY_SHOWQUICKHELP, false, showQuickHelp);
    settings.ReadIniBool(file, SECTION_OPTIONS, KEY_SHOWQUICKHELPINDEX, false, quickHelpIndex_);
    quickHelpFile_ = DM->QuickHelpFileName;
    if (showQuickHelp)
        CreateMeldeFenster();
}

void TFormVerw::SetRegData()
{
    LOG_FKT_START("TFormVerw::SetRegData");
    if (!DM)
        return;
    const TMyRegistry settings;
    const std::string& file = DM->IniFileName;
    const QMdiSubWindow* sub = SubWindow();
    int state = 0;
    if (sub && sub->isMaximized())
        state = 2;
    else if (sub && sub->isMinimized())
        state = 1;
    if (state == 0) {
        const QRect frame = sub ? sub->geometry() : geometry();
        settings.WriteIniInteger(file, SECTION_WINDOW, KEY_VERWTOP, frame.top());
        settings.WriteIniInteger(file, SECTION_WINDOW, KEY_VERWLEFT, frame.left());
        settings.WriteIniInteger(file, SECTION_WINDOW, KEY_VERWHEIGHT, frame.height());
        settings.WriteIniInteger(file, SECTION_WINDOW, KEY_VERWWIDTH, frame.width());
    }
    settings.WriteIniInteger(file, SECTION_WINDOW, KEY_VERWSTATE, state);
    settings.WriteIniInteger(file, SECTION_WINDOW, KEY_TREEWIDTH, Splitter1->sizes().value(0, Tree->width()));
    // Open means the pane exists and its host was not hidden when editing ended.
    settings.WriteIniBool(file, SECTION_OPTIONS, KEY_SHOWQUICKHELP, HasMeldeFenster());
    settings.WriteIniBool(file, SECTION_OPTIONS, KEY_SHOWQUICKHELPINDEX, quickHelpIndex_);
}

void TFormVerw::GetListExpandedTreeNodes(std::vector<std::string>& lines)
{
    LOG_FKT_START("TFormVerw::GetListExpandedTreeNodes");
    const TDataBasis* selected = GetSelData();
    lines = views::ExpandedNodeLines(expandedNodes_,
                                     selected ? std::optional<int>(selected->GetHandle()) : std::nullopt);
}

void TFormVerw::SetListExpandedTreeNodes(const std::vector<std::string>& lines)
{
    LOG_FKT_START("TFormVerw::SetListExpandedTreeNodes");
    if (lines.empty())
        return;
    expandedNodes_ = views::ParseExpandedNodeLines(lines);
}

void TFormVerw::SetListExpandedTreeNodes(const std::list<int>& handles)
{
    LOG_FKT_START("TFormVerw::SetListExpandedTreeNodes");
    expandedNodes_ = handles;
}
