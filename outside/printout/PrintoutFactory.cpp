#include "outside/printout/PrintoutFactory.h"

std::unique_ptr<TSorvReport> TPrintoutFactory::CreateSorvReport(const TTreeView* items, TDrawGridSE* grid,
                                                                platform::HWND mainWindow, TRecReportInfo info,
                                                                const TImageList* images,
                                                                const TCharBitmaps* characters,
                                                                TRecCharTabInfo charTab, QWidget* owner) const
{
    return std::make_unique<TSorvReport>(items, grid, mainWindow, std::move(info), images, characters,
                                         std::move(charTab), owner);
}

const TPrintoutFactory& TPrintoutFactory::Default()
{
    static const TPrintoutFactory factory;
    return factory;
}
