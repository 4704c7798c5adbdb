#pragma once

#include "device/GrpAdrNodes.h"
#include "device/RecGroupAddrInfo.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One group while the change dialog's tree is built.
struct RecGA {
    std::int32_t Id = 0;      // host id, or one made up for a queued group
    std::int32_t Parent = 0;  // id of the parent group; 0 for main groups
    std::int16_t Number = 0;  // within the parent
    std::string Text;
    std::int32_t SubAdrTyp = 0; // sub groups only
    std::uint16_t Address = 0;  // sub groups only
};

// The groups of the project and of the queue, one list per level.
struct TGaLists {
    std::vector<RecGA> Main;
    std::vector<RecGA> Middle;
    std::vector<RecGA> Sub;
};

// The smallest id from 1 upwards that no group of the list has.
std::int32_t GetFreeId(const std::vector<RecGA>& list);
// The group of the list with that number and parent; none when there is none.
const RecGA* FindGa(const std::vector<RecGA>& list, std::int32_t number, std::int32_t parent);

// The groups of the main-group nodes and the middle and sub nodes, then those of the queued
// addresses (made up where the project lacks them). False, with no lists, when a node has no
// host group.
bool BuildGaLists(const TGrpAdrNodes::TMap& mainNodes, const TGrpAdrNodes::TMap& midSubNodes, bool threeLevels,
                  const TNewGroupAddrList& queued, TGaLists& out);

// A node of the change dialog's tree. The root has no data; main and middle groups carry their
// number with type 0 and address 0.
struct TGaNode {
    enum TImage { ImageRoot = 1, ImageMain = 2, ImageMiddle = 3, ImageSub = 4 };

    std::string Text;
    int Image = ImageRoot;
    bool HasData = false;
    std::int32_t Number = 0;
    std::int32_t SubAdrTyp = 0;
    std::uint16_t Address = 0;
    TGaNode* Parent = nullptr;
    std::vector<std::unique_ptr<TGaNode>> Children;

    TGaNode* Add(TGaNode node);
    // The child with the number; none when there is none.
    TGaNode* FindChild(std::int32_t number) const;
    // Sorts the children and theirs by number, keeping the order of equal numbers.
    void Sort();
    bool IsSub() const { return Image == ImageSub; }
};

// The tree of the lists below the root "Gruppenadressen", sorted by number: main groups, with
// three levels their middle groups and below them the sub groups, with two levels the sub groups
// directly below the main groups.
std::unique_ptr<TGaNode> BuildGaTree(const TGaLists& lists, bool threeLevels);

// The sub node of the address parts (with two levels subNumber is the sub group 0-2047 and
// middle is not used); none when a step of the path is missing.
TGaNode* FindGaPath(const TGaNode& root, std::int32_t main, std::int32_t middle, std::int32_t subNumber,
                    bool threeLevels);

// The first sub node of the address, in tree order; none when there is none.
const TGaNode* FindGaSub(const TGaNode& node, std::uint32_t address);

// Adds a queued address below the root: the missing main group ("[%d] Neue Hauptgruppe"), with
// three levels the missing middle group ("[%d] Neue Mittelgruppe") and the sub group
// ("[n]" + name); appends every node made to added, parents first, and answers the sub node.
TGaNode* AddGaPath(TGaNode& root, std::int32_t main, std::int32_t middle, std::int32_t subNumber,
                   const std::string& name, std::int32_t subAdrTyp, std::uint16_t address, bool threeLevels,
                   std::vector<TGaNode*>& added);
