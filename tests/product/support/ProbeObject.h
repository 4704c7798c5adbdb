#pragma once

#include "outside/datacore/DataBasis.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace producttest {

// A data object of any type that counts the living ones, notes which handles it was asked
// about and calls a probe when it is destroyed.
class ProbeObject final : public TDataBasis {
public:
    ProbeObject(int& alive, int typ, std::int32_t system, std::int32_t parent, std::int32_t handle,
                const std::string& name = "Probe")
        : TDataBasis(0, system, parent, name, handle), alive_(alive), typ_(typ)
    {
        ++alive_;
    }
    ~ProbeObject() override
    {
        if (OnDestroy)
            OnDestroy(this);
        --alive_;
    }

    int GetQuickHelpIndexOffset() const override { return 0; }
    int GetTyp() const override { return typ_; }
    int ListStyle() const override { return 0; }
    int GetIcon() const override { return 0; }
    bool AllowChild(int) const override { return false; }
    bool AllowDrop(TDataBasis*) const override { return false; }
    void Drop(TDataBasis*) override {}
    void BuildInfoWindow(TDrawGridSE*, TListView*, bool, int, int) override {}
    TDataBasis* GetPointerFromHandle(int handle) override
    {
        Asked.push_back(handle);
        return handle == Answers ? this : nullptr;
    }

    std::function<void(ProbeObject*)> OnDestroy;
    std::vector<int> Asked;
    int Answers = -1000; // the handle it answers to

private:
    int& alive_;
    int typ_;
};

} // namespace producttest
