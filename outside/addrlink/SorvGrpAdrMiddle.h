#pragma once

#include "outside/addrlink/SorvGrpAdrGroup.h"
#include "outside/hostdata/EtsMiddleGroup.h"

// The node of a middle group.
class TSorvGrpAdrMiddle : public TSorvGrpAdrGroup<TEtsMiddleGroup> {
public:
    using TSorvGrpAdrGroup::TSorvGrpAdrGroup;

    int GetTyp() const override;
    int GetIcon() const override;
};
