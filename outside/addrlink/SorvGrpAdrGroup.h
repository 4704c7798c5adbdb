#pragma once

#include "outside/addrlink/SorvGrpAdrBasis.h"

// A group-address node over one host group object of type TGroup (TEtsMainGroup,
// TEtsMiddleGroup or TEtsSubGroup), which stays the host object's. Without a group the node
// answers 0 and its own name.
template <class TGroup>
class TSorvGrpAdrGroup : public TSorvGrpAdrBasis {
public:
    TSorvGrpAdrGroup(platform::HWND window, std::int32_t system, std::int32_t parent, const std::string& name,
                     std::int32_t handle, TGroup* group)
        : TSorvGrpAdrBasis(window, system, parent, name, handle), group_(group)
    {
    }

    // The group's name, whatever the argument.
    std::string GetName(bool /*qualified*/) const override { return group_ ? group_->GetName() : Name; }
    std::int16_t GetGroupNumber() const override { return group_ ? group_->GetNumber() : 0; }
    std::uint16_t GetGroupAddress(std::int32_t /*key*/) const override { return group_ ? group_->GetGrpAddr() : 0; }
    std::int32_t GetEtsId() const override { return group_ ? group_->GetEtsId() : 0; }

    TGroup* GetGroup() const { return group_; }

private:
    TGroup* group_;
};
