#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TEtsSubGroup;

// A middle group of the host project with its sub groups (not owned), in the host's order.
// Made and kept by TEtsGruppenAdressen, which walks the sub groups.
class TEtsMiddleGroup {
public:
    TEtsMiddleGroup(std::int32_t id, std::int32_t mainGroupId) : id_(id), mainGroupId_(mainGroupId) {}

    std::int32_t GetEtsId() const { return id_; }
    // The host id of its main group.
    std::int32_t GetParentId() const { return mainGroupId_; }
    std::int16_t GetNumber() const { return number_; }
    // The first address of the group: main × 2048 + middle × 256.
    std::uint16_t GetGrpAddr() const { return address_; }
    const std::string& GetName() const { return name_; }

private:
    friend class TEtsGruppenAdressen;

    void Assign(std::int16_t number, std::uint16_t address, const std::string& name)
    {
        number_ = number;
        address_ = address;
        name_ = name;
    }

    std::vector<TEtsSubGroup*> children_;
    std::size_t cursor_ = 0; // where GetSubGroupNext goes on
    std::int32_t id_;
    std::int32_t mainGroupId_;
    std::int16_t number_ = 0;
    std::uint16_t address_ = 0;
    std::string name_;
};
