#include "climalib/DatenSicherung.h"

#include "outside/datacore/DataBasis.h"
#include "platform/TraceLog.h"

void TDatenSicherung::Sichern(const std::vector<TDatenStruktur>& records)
{
    LOG_FKT_START("TDatenSicherung::Sichern");
    if (records.empty())
        return;
    for (const std::vector<TDatenStruktur>& chain : kept_)
        if (chain.front().Handle == records.front().Handle && chain.front().System == records.front().System)
            return;
    kept_.push_back(records);
}

std::vector<TDataBasis*> TDatenSicherung::Zuruecksetzen(const TMainWindowLink& mainWindow) const
{
    LOG_FKT_START("TDatenSicherung::Zuruecksetzen");
    std::vector<TDataBasis*> restored;
    for (auto it = kept_.rbegin(); it != kept_.rend(); ++it) {
        const TDatenStruktur& main = it->front();
        TDataBasis* object = mainWindow.GetDataPointer(main.Handle);
        TDatenStruktur* live = mainWindow.GetDatenSatz(main.System, main.Parent, main.Handle);
        if (!object || !live)
            continue;
        if (live->Next > 0)
            mainWindow.DeleteNextDatenSatz(main.System, main.Handle, live->Next);
        for (std::size_t i = 1; i < it->size(); ++i) {
            const TDatenStruktur& chained = (*it)[i];
            if (TDatenStruktur* record = mainWindow.GetDatenSatz(chained.System, chained.Parent, chained.Handle))
                *record = chained;
        }
        *live = main;
        object->InitFromDB(*live);
        restored.push_back(object);
    }
    return restored;
}
