#pragma once

#include "outside/addrlink/ObjektFlag.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The communication-object side of a data object: its links to group addresses, its six flags
// and its object type.
class TObjektBasis {
public:
    // One link: the host id of the sub group, its 16-bit address and a flag kept with it.
    struct RecGrpAdrId {
        std::int32_t SubGroupId = 0;
        std::uint16_t GrpAdr = 0;
        bool Flag = false;

        bool operator==(const RecGrpAdrId&) const = default;
    };
    using TGrpAdrIdList = std::vector<RecGrpAdrId>;

    virtual ~TObjektBasis() = default;

    // The links in their order; the first is the one the object sends on.
    const TGrpAdrIdList& GetGrpAdrIdList() const { return links_; }
    // Whether one more link may be added (the number of selectable addresses is not reached).
    bool CheckAnzahlVerbindungen() const;
    bool ExistSubGroupId(std::int32_t subGroupId) const;
    // Appends a link, also one to a sub group linked already.
    void AddSubGroupLink(std::int32_t subGroupId, std::uint16_t grpAdr, bool flag);
    // Removes every link to the sub group.
    void DeleteSubGroupLink(std::int32_t subGroupId);
    void ClearAllSubGroupLink();

    // Reads the address of every link anew from the project; false, with a line per address
    // that could not be read appended to error, when one failed (that link keeps its address).
    virtual bool UpdateAssociatedAddress(std::string& error) = 0;

    // The largest number of links; 0 or less: no limit.
    int GetNumberSelectableGrpAdr() const { return numberSelectable_; }
    void SetNumberSelectableGrpAdr(int number) { numberSelectable_ = number; }

    // The object type code: 0 invisible/free, 1-7 = 1 to 7 bits, 8 = 1 byte, …
    std::uint8_t GetObjTyp() const { return objTyp_; }
    // The host's object type: the type code minus 1 (-1 = free).
    std::int8_t GetEtsObjektTyp() const { return static_cast<std::int8_t>(objTyp_ - 1); }

    // The six flags, read: read, write, communication, transmit, update, read on init.
    void GetFlags(bool& read, bool& write, bool& communication, bool& transmit, bool& update, bool& readOnInit) const;

protected:
    explicit TObjektBasis(std::uint8_t objTyp) : objTyp_(objTyp) {}
    TObjektBasis(const TObjektBasis&) = default;
    TObjektBasis& operator=(const TObjektBasis&) = default;

    void SetObjTyp(std::uint8_t objTyp) { objTyp_ = objTyp; }

    // The flags by kind (TEnumObjektFlag).
    std::array<bool, ObjektFlagCount> Flags{};

private:
    std::uint8_t objTyp_;
    TGrpAdrIdList links_;
    int numberSelectable_ = 0;
};
