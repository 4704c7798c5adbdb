#pragma once

#include "outside/printout/SorvReport.h"

#include <memory>

// Makes the reports of this library for the program, with the constructor's arguments, so that
// another factory can put others in their place.
class TPrintoutFactory {
public:
    TPrintoutFactory() = default;
    virtual ~TPrintoutFactory() = default;
    TPrintoutFactory(const TPrintoutFactory&) = delete;
    TPrintoutFactory& operator=(const TPrintoutFactory&) = delete;

    virtual std::unique_ptr<TSorvReport> CreateSorvReport(const TTreeView* items, TDrawGridSE* grid,
                                                          platform::HWND mainWindow, TRecReportInfo info,
                                                          const TImageList* images, const TCharBitmaps* characters,
                                                          TRecCharTabInfo charTab, QWidget* owner) const;

    // The library's own factory.
    static const TPrintoutFactory& Default();
};
