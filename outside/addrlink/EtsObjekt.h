#pragma once

#include "outside/addrlink/ObjektBasis.h"
#include "outside/datacore/DataBasis.h"

#include <cstdint>
#include <string>

// A communication object of the device as a data object (type 806): its host ids, its object
// number and the display-order parameter that made it, its links to group addresses and its
// flags. Its record keeps all of them.
class TEtsObjekt : public TObjektBasis, public TDataBasis {
public:
    using TEnumEtsObjektArt = std::uint8_t; // the object kind
    using TEnumObjectType = std::uint8_t;   // the host's object type plus 1
    using TEnumIOTyp = std::uint8_t;        // the direction

    TEtsObjekt(platform::HWND window, std::int32_t system, std::int32_t parent, const std::string& name,
               std::int32_t commObjectId, std::int32_t deviceObjectId, std::int32_t objectNumber,
               std::int32_t parameterId, std::int32_t displayOrder, std::int32_t parameterValue,
               TEnumEtsObjektArt kind, TEnumObjectType objectType, TEnumIOTyp ioTyp, int index, std::int32_t handle);

    int GetQuickHelpIndexOffset() const override { return 0; }
    int GetTyp() const override;
    int ListStyle() const override { return 0; }
    // Whether it is linked to a group address shows in its icon.
    int GetIcon() const override;
    bool AllowChild(int /*typ*/) const override { return false; }
    bool AllowDrop(TDataBasis* /*source*/) const override { return false; }
    void Drop(TDataBasis* /*source*/) override {}
    void BuildInfoWindow(TDrawGridSE* /*grid*/, TListView* /*list*/, bool /*flag*/, int /*column*/,
                         int /*row*/) override
    {
    }
    // The common fields, the host ids, numbers, kinds and flags, the links (String1), the
    // value attribute (Param11) and the enable-cell flag (Bool7).
    void Write(TDatenStruktur& record) override;
    void InitFromDB(const TDatenStruktur& record) override;

    // Sets the six flags; with writeThrough also in the project, one WM_USER_OBJEKTFLAG change
    // request per flag to the main window: false at the first request refused.
    virtual bool SetObjektFlags(bool communication, bool read, bool write, bool transmit, bool update,
                                bool readOnInit, bool writeThrough);

    // The identification value: the object's index among the objects of its display order.
    std::int8_t GetObjIdent() const { return static_cast<std::int8_t>(index_); }
    // The value attribute (WM_USER_SETETSOBJEKTVALUE).
    void SetObjektWert(std::int32_t value) { objektWert_ = value; }
    std::int32_t GetObjektWert() const { return objektWert_; }
    // Whether the object's flag cells may be changed in the grid.
    void SetEnableCellFlagStatus(bool enabled) { enableCellFlagStatus_ = enabled; }
    bool GetEnableCellFlagStatus() const { return enableCellFlagStatus_; }
    // The object sends on its link to that sub group: the link goes first. A sub group it is
    // not linked to changes nothing.
    void SetGrpAdrSend(std::int32_t subGroupId);

    std::int32_t GetCommObjectId() const { return commObjectId_; }
    std::int32_t GetDeviceObjectId() const { return deviceObjectId_; }
    std::int32_t GetObjectNumber() const { return objectNumber_; }
    std::int32_t GetParameterId() const { return parameterId_; }
    std::int32_t GetDisplayOrder() const { return displayOrder_; }
    std::int32_t GetParameterValue() const { return parameterValue_; }
    void SetCommObjectId(std::int32_t id) { commObjectId_ = id; }
    void SetDeviceObjectId(std::int32_t id) { deviceObjectId_ = id; }
    void SetParameterId(std::int32_t id) { parameterId_ = id; }

private:
    std::int32_t commObjectId_;
    std::int32_t deviceObjectId_;
    std::int32_t objectNumber_;
    std::int32_t parameterId_;
    std::int32_t displayOrder_;
    std::int32_t parameterValue_;
    TEnumEtsObjektArt kind_;
    TEnumIOTyp ioTyp_;
    int index_;
    std::int32_t objektWert_ = 0;
    bool enableCellFlagStatus_ = false;
};
