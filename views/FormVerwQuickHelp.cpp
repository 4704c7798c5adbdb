// The configuration window's quick-help pane: the help text of the grid row entered, in a
// dockable host window at the bottom of the right pane.

#include "views/FormVerw.h"

#include "app/Color.h"
#include "app/Spredit.h"
#include "outside/tablebox/Cell.h"
#include "platform/Cp1252.h"
#include "platform/CursorHourGlass.h"
#include "platform/SystemColors.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"
#include "views/DrawGridSEView.h"
#include "views/FDockMeld.h"
#include "views/QuickHelpSections.h"

#include <QMainWindow>
#include <QTextEdit>

#include <filesystem>
#include <system_error>

namespace {

// Shows the rich edit again and makes it read-only when the load ends, however it ends.
class TRichEditRestore {
public:
    explicit TRichEditRestore(QTextEdit& edit) : edit_(edit) {}
    ~TRichEditRestore()
    {
        edit_.setReadOnly(true);
        edit_.show();
    }
    TRichEditRestore(const TRichEditRestore&) = delete;
    TRichEditRestore& operator=(const TRichEditRestore&) = delete;

private:
    QTextEdit& edit_;
};

bool FileExists(const std::string& path)
{
    std::error_code ignored;
    return !path.empty() && std::filesystem::is_regular_file(path, ignored);
}

} // namespace

void TFormVerw::CreateMeldeFenster()
{
    LOG_FKT_START("TFormVerw::CreateMeldeFenster");
    if (RichEditMeld)
        return;
    DockMeld = new TFDockMeld(PanelInfoSeite);
    RichEditMeld = new QTextEdit(DockMeld);
    RichEditMeld->setObjectName(QStringLiteral("RichEditMeld"));
    RichEditMeld->setReadOnly(true);
    RichEditMeld->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEditMeld->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette colours = RichEditMeld->palette();
    colours.setColor(QPalette::Base, platform::ToQColor(clInfoBk, colours));
    RichEditMeld->setPalette(colours);
    DockMeld->setWidget(RichEditMeld);
    DockMeld->setMinimumHeight(20);
    DockMeld->OnEndDock = [this](bool floating) { QuickHelpEndDock(floating); };
    DockMeld->OnClose = [this] { QuickHelpClosed(); };
    PanelInfoSeite->addDockWidget(Qt::BottomDockWidgetArea, DockMeld);
    PanelInfoSeite->resizeDocks({DockMeld}, {quickHelpHeight_}, Qt::Vertical);
    DockMeld->show();
}

QWidget* TFormVerw::MeldeFensterHost() const
{
    return DockMeld;
}

void TFormVerw::QuickHelpEndDock(bool floating)
{
    // Floating, the help leaves the right pane to the grid; docked again, it takes its height.
    if (!DockMeld)
        return;
    if (floating) {
        quickHelpHeight_ = DockMeld->height();
        return;
    }
    PanelInfoSeite->resizeDocks({DockMeld}, {quickHelpHeight_}, Qt::Vertical);
}

void TFormVerw::QuickHelpClosed()
{
    LOG_FKT_START("TFDockMeld::FormClose");
    if (!DockMeld)
        return;
    if (!DockMeld->isFloating())
        quickHelpHeight_ = DockMeld->height();
    DockMeld->deleteLater();
    DockMeld = nullptr;
    RichEditMeld = nullptr;
    lastHelpNumber_ = 0;
}

void TFormVerw::GridEnterCell(TObject*, TCell* cell, int, int)
{
    if (!cell || !RichEditMeld || !FileExists(quickHelpFile_))
        return;
    if (cell->HelpNumber != lastHelpNumber_) {
        const int helpNumber = cell->HelpNumber;
        lastHelpNumber_ = helpNumber;
        ShowOnlineHilfe(helpNumber);
    }
    if (DockMeld && DockMeld->isFloating())
        DockMeld->raise();
}

void TFormVerw::ShowOnlineHilfe(int helpNumber)
{
    LOG_FKT_START("TFormVerw::ShowOnlineHilfe");
    if (!RichEditMeld || !FileExists(quickHelpFile_))
        return;
    RichEditMeld->setReadOnly(false);
    try {
        const TRichEditRestore restore(*RichEditMeld);
        const platform::TCursorHourGlass hourGlass;
        if (views::QuickHelpFormatOf(quickHelpFile_) == views::TQuickHelpFormat::RichText)
            RichEditMeld->hide(); // the whole file never shows
        views::LoadQuickHelpSection(quickHelpFile_, helpNumber, quickHelpIndex_, *RichEditMeld->document());
    } catch (const std::exception& failure) {
        platform::MessageBox(failure.what(), Spredit::Text9099, platform::MB_OK);
    }
}
