#pragma once

#include "outside/addrlink/SorvGrpAdrGroup.h"
#include "outside/hostdata/EtsSubGroup.h"

#include <cstdint>
#include <string>

// A communication object linked to a sub group, as the group's list of objects shows it.
struct RecSubGroupObjekt {
    std::string PhysAdr;       // of the device that owns the object
    std::int32_t ObjectNumber = 0;
    std::string DeviceDescription;
    std::string DeviceName;
    std::string Text;          // left empty
    std::string FunctionText;
    std::string ObjectName;
    std::string SizeText;      // of the object type
    std::uint8_t Communication = 0;
    std::uint8_t Read = 0;
    std::uint8_t Write = 0;
    std::uint8_t Transmit = 0;
    std::uint8_t Update = 0;
    std::string ObjectText;    // its group addresses in the project's level form
    std::int32_t Value = -1;
};

// The node of a sub group, one group address. It carries the sub-address type: the host type of
// the objects the address carries, -1 = suits every type.
class TSorvGrpAdrSub : public TSorvGrpAdrGroup<TEtsSubGroup> {
public:
    using TSorvGrpAdrGroup::TSorvGrpAdrGroup;

    int GetTyp() const override;
    int GetIcon() const override;

    int GetSubAdrTyp() const { return subAdrTyp_; }
    void SetSubAdrTyp(int typ) { subAdrTyp_ = typ; }

private:
    int subAdrTyp_ = -1;
};
