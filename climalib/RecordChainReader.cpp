#include "climalib/RecordChainReader.h"

#include "outside/datacore/DataBasis.h"

TRecordChainReader::TRecordChainReader(TDataBasis& owner, const TDatenStruktur& mainRecord)
    : owner_(owner), previous_(&mainRecord)
{
}

const TDatenStruktur* TRecordChainReader::Next()
{
    if (!previous_ || previous_->Next <= 0) {
        previous_ = nullptr;
        return nullptr;
    }
    previous_ = owner_.GetDatensatz(owner_.GetSystem(), previous_->Next);
    return previous_;
}
