#pragma once

#include "outside/printout/PrintoutFactory.h"

#include <string>
#include <vector>

namespace frametest {

// What the spy reports were given and asked, in order.
struct ReportLog {
    struct Made {
        const TTreeView* Items = nullptr;
        bool HasGrid = false;
        platform::HWND MainWindow = 0;
        TRecReportInfo Info;
        bool HasImages = false;
        TCharBitmaps Characters;
        TRecCharTabInfo CharTab;
    };
    std::vector<Made> Reports;
    // "SetHeader:<text>", "Start", "Destroyed", each with the number of its report from 0.
    std::vector<std::string> Calls;
};

// A report that does everything but show, print or write: it only logs.
class SpyReport final : public TSorvReport {
public:
    SpyReport(ReportLog& log, int number, const TTreeView* items, TDrawGridSE* grid, platform::HWND mainWindow,
              TRecReportInfo info, const TImageList* images, const TCharBitmaps* characters, TRecCharTabInfo charTab)
        : TSorvReport(items, grid, mainWindow, std::move(info), images, characters, std::move(charTab)), Log(log),
          Number(number)
    {
    }
    ~SpyReport() override { Log.Calls.push_back("Destroyed " + std::to_string(Number)); }

    void SetHeader(const std::string& header) override
    {
        Log.Calls.push_back("SetHeader " + std::to_string(Number) + ":" + header);
        TSorvReport::SetHeader(header);
    }
    void Start() override { Log.Calls.push_back("Start " + std::to_string(Number)); }

private:
    ReportLog& Log;
    int Number;
};

class SpyReports final : public TPrintoutFactory {
public:
    std::unique_ptr<TSorvReport> CreateSorvReport(const TTreeView* items, TDrawGridSE* grid, platform::HWND mainWindow,
                                                  TRecReportInfo info, const TImageList* images,
                                                  const TCharBitmaps* characters, TRecCharTabInfo charTab,
                                                  QWidget*) const override
    {
        Log.Reports.push_back({items, grid != nullptr, mainWindow, info, images != nullptr,
                               characters != nullptr ? *characters : TCharBitmaps{}, charTab});
        return std::make_unique<SpyReport>(Log, static_cast<int>(Log.Reports.size()) - 1, items, grid, mainWindow,
                                           std::move(info), images, characters, std::move(charTab));
    }

    mutable ReportLog Log;
};

} // namespace frametest
