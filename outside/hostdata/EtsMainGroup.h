#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TEtsMiddleGroup;

// A main group of the host project with its middle groups (not owned), in the host's order.
// Made and kept by TEtsGruppenAdressen, which walks the middle groups.
class TEtsMainGroup {
public:
    TEtsMainGroup(std::int32_t id, std::int32_t projectId) : id_(id), projectId_(projectId) {}

    std::int32_t GetEtsId() const { return id_; }
    // The host id of its project.
    std::int32_t GetParentId() const { return projectId_; }
    std::int16_t GetNumber() const { return number_; }
    // The first address of the group: main × 2048.
    std::uint16_t GetGrpAddr() const { return static_cast<std::uint16_t>((number_ & 15) << 11); }
    const std::string& GetName() const { return name_; }

private:
    friend class TEtsGruppenAdressen;

    void Assign(std::int16_t number, const std::string& name)
    {
        number_ = number;
        name_ = name;
    }

    std::vector<TEtsMiddleGroup*> children_;
    std::size_t cursor_ = 0; // where GetMiddleGroupNext goes on
    std::int32_t id_;
    std::int32_t projectId_;
    std::int16_t number_ = 0;
    std::string name_;
};
