#pragma once

#include "outside/addrlink/SorvGrpAdrGroup.h"
#include "outside/hostdata/EtsMainGroup.h"

// The node of a main group.
class TSorvGrpAdrMain : public TSorvGrpAdrGroup<TEtsMainGroup> {
public:
    using TSorvGrpAdrGroup::TSorvGrpAdrGroup;

    int GetTyp() const override;
    int GetIcon() const override;
};
