#pragma once

#include "outside/hostdata/EtsMainGroup.h"
#include "outside/hostdata/EtsMiddleGroup.h"
#include "outside/hostdata/EtsSubGroup.h"
#include "outside/hostdata/EtsSubGroupRegistry.h"

#include <cstdint>
#include <map>
#include <memory>
#include <memory_resource>
#include <string>
#include <vector>

class TEts2Cdi;

// The group addresses of the host project that a device belongs to: its main groups, and on
// request its middle and sub groups, read through the host link. A group object, once made,
// lives as long as this object, so pointers to it stay valid across reloads; a reload updates
// it and the lists it appears in (a group gone from the project drops out of the lists).
class TEtsGruppenAdressen {
public:
    TEtsGruppenAdressen(TEts2Cdi* link, std::int32_t deviceId);
    TEtsGruppenAdressen(const TEtsGruppenAdressen&) = delete;
    TEtsGruppenAdressen& operator=(const TEtsGruppenAdressen&) = delete;
    ~TEtsGruppenAdressen();

    // The project's level form for the address texts: main/middle/sub, else main/sub.
    bool ThreeLevels = true;

    // Loads the main groups of the device's project, in the host's order. False (nothing
    // changed) when the device or its groups cannot be read.
    bool LoadAllMainGroups(std::int32_t deviceId);
    // The device's project as the caller has read it: the next load of that device's main
    // groups does not read the device again.
    void SetProject(std::int32_t deviceId, std::int32_t projectId);
    // Loads the middle and sub groups below the loaded main groups. False (nothing changed) when
    // they cannot be read.
    bool LoadMidSubGroups();

    // Walks of the loaded groups; null at the end and for a null group.
    TEtsMainGroup* GetMainGroupFirst();
    TEtsMainGroup* GetMainGroupNext();
    TEtsMiddleGroup* GetMiddleGroupFirst(TEtsMainGroup* main);
    TEtsMiddleGroup* GetMiddleGroupNext(TEtsMainGroup* main);
    TEtsSubGroup* GetSubGroupFirst(TEtsMiddleGroup* middle);
    TEtsSubGroup* GetSubGroupNext(TEtsMiddleGroup* middle);

    // Makes the group address main/middle/sub in the project (or finds it there) and adds it,
    // with its main and middle group, to the loaded groups. True with the sub group; false
    // (sub untouched) when the host cannot make or read it.
    bool CreateGroupAddress(TEtsSubGroup*& sub, std::int16_t main, std::int16_t middle, std::int16_t subNumber,
                            const std::string& name);

    // The address of a loaded sub group; 0 for an unknown one.
    std::uint16_t GetGrpAddr(std::int32_t subGroupId) const;
    // Its text in the project's level form; empty for an unknown sub group and for address 0.
    std::string GrpAddrString(std::int32_t subGroupId) const;

private:
    // Main and middle groups by host id; a group keeps its address as long as the registry lives.
    // None is ever removed: they come from an arena.
    template <class TGroup>
    using TRegistry = std::pmr::map<std::int32_t, TGroup>;

    // The device's project, read once.
    bool FindProject();
    TEtsMainGroup& MainGroupOf(std::int32_t id, std::int32_t projectId);
    TEtsMiddleGroup& MiddleGroupOf(std::int32_t id, std::int32_t mainGroupId);
    static std::uint16_t Address(const TEtsMainGroup& main, std::int32_t middleNumber, std::int32_t subNumber);

    TEts2Cdi* link_;
    std::int32_t deviceId_;
    std::int32_t projectId_ = -1;
    std::pmr::monotonic_buffer_resource arena_;
    TRegistry<TEtsMainGroup> mainGroups_{&arena_};
    TRegistry<TEtsMiddleGroup> middleGroups_{&arena_};
    TEtsSubGroupRegistry subGroups_;
    std::vector<TEtsMainGroup*> loadedMainGroups_;
    std::size_t mainCursor_ = 0;
};
