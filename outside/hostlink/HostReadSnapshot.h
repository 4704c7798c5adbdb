#pragma once

#include "outside/hostlink/Ets2Cdi.h"

// Holds a read snapshot of the link for its lifetime, or until End (see BeginReadSnapshot);
// nothing without a link.
class THostReadSnapshot {
public:
    explicit THostReadSnapshot(TEts2Cdi* link) : link_(link)
    {
        if (link_)
            link_->BeginReadSnapshot();
    }
    ~THostReadSnapshot() { End(); }
    THostReadSnapshot(const THostReadSnapshot&) = delete;
    THostReadSnapshot& operator=(const THostReadSnapshot&) = delete;

    void End()
    {
        if (link_)
            link_->EndReadSnapshot();
        link_ = nullptr;
    }

private:
    TEts2Cdi* link_;
};
