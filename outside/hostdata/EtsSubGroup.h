#pragma once

#include <cstdint>
#include <string>

// A sub group of the host project: one group address. Made and kept by TEtsGruppenAdressen.
class TEtsSubGroup {
public:
    TEtsSubGroup(std::int32_t id, std::int32_t middleGroupId) : id_(id), middleGroupId_(middleGroupId) {}

    std::int32_t GetEtsId() const { return id_; }
    // The host id of its middle group.
    std::int32_t GetParentId() const { return middleGroupId_; }
    // Main × 2048 + middle × 256 + sub number.
    std::uint16_t GetGrpAddr() const { return address_; }
    // The object type that the address carries; -1 = none yet.
    std::int16_t GetTyp() const { return type_; }
    std::int16_t GetNumber() const { return number_; }
    const std::string& GetName() const { return name_; }

private:
    friend class TEtsGruppenAdressen;

    void Assign(std::int16_t number, std::uint16_t address, std::int16_t type, const std::string& name)
    {
        number_ = number;
        address_ = address;
        type_ = type;
        name_ = name;
    }

    std::int32_t id_;
    std::int32_t middleGroupId_;
    std::int16_t number_ = 0;
    std::uint16_t address_ = 0;
    std::int16_t type_ = -1;
    std::string name_;
};
