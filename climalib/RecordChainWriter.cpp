#include "climalib/RecordChainWriter.h"

#include "outside/datacore/DataBasis.h"

TRecordChainWriter::TRecordChainWriter(TDataBasis& owner, const TMainWindowLink& mainWindow,
                                       TDatenStruktur& mainRecord, std::int32_t oldNext)
    : owner_(owner), previous_(&mainRecord)
{
    if (oldNext > 0)
        mainWindow.DeleteNextDatenSatz(owner.GetSystem(), owner.GetHandle(), oldNext);
    mainRecord.Next = 0;
}

TDatenStruktur* TRecordChainWriter::Next()
{
    if (!previous_)
        return nullptr;
    previous_ = owner_.GetNewNebenDatensatz(previous_);
    return previous_;
}
