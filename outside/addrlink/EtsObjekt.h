#pragma once

#include "outside/addrlink/ObjektBasis.h"
#include "outside/datacore/DataBasis.h"

#include <cstdint>
#include <string>

// A communication object of the device as a data object (type 806): its host ids, its object
// number and the display-order parameter that made it, its links to group addresses and its
// flags. Its record keeps all of them:
//   Param1 position id, Param3 communication-object id, Param4 object number, Param5 parameter
//   id, Param6 kind, Param7 direction, Param8 object type code, Param9 identification value,
//   Param10 device-object id (the id links use), Param11 value attribute, Param12 most links,
//   Param13 the flag cells that may be changed (bit n = flag kind n), Param14 sub-group id and
//   Param15 address of the first link (both 0: none), Param16 display order, Param17 the
//   parameter's value, Bool1-Bool6 the flags by kind, Bool7 the enable-cell flag, Bool10 the
//   first link's flag. Every further link is a record of its own chained by Next (Param14,
//   Param15, Bool10 as above), which the object writes and reads through its main window.
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
    // Its group addresses are a row of the parameter grid.
    int ListStyle() const override { return 1; }
    // Whether it is linked to a group address shows in its icon.
    int GetIcon() const override;
    bool AllowChild(int /*typ*/) const override { return false; }
    bool AllowDrop(TDataBasis* /*source*/) const override { return false; }
    void Drop(TDataBasis* /*source*/) override {}
    // One row "Gruppenadressen" with the linked addresses (main/middle/sub); its ellipsis asks the
    // main window for the selection of the object's group addresses (WM_USER_OPENDLGGRPADRTOOBJECT,
    // lParam the object as TDataBasis*).
    void BuildInfoWindow(TDrawGridSE* grid, TListView* list, bool flag, int column, int row) override;
    // Writes the record as laid out above; the old chain of further links is deleted and a new
    // one made (without a main window only the first link is written).
    void Write(TDatenStruktur& record) override;
    // Reads the record and its chain; a chain ends at Next 0, at a record the main window does
    // not have and at a record met before.
    void InitFromDB(const TDatenStruktur& record) override;
    // Takes the project's flags of its device object over, read in one request to the main
    // window (WM_USER_OBJEKTFLAGSLESEN); false, with the flags unchanged, when the project lacks
    // the device object or could not be read (GetProjektStand tells which). The read-on-init
    // flag is the object's own.
    bool DatenAbgleich(bool first, bool second) override;
    // Takes the flags of the table's communication object, in the project too; its identity
    // and its links stay. False without such a record and when the project refuses a flag.
    bool Paste(TRecordTable* table, std::string& message) override;

    // What the last alignment found of the device object in the project.
    enum TEnumProjektStand : std::uint8_t { psGelesen, psFehlt, psUnlesbar };
    TEnumProjektStand GetProjektStand() const { return projektStand_; }

    // Sets the six flags; with writeThrough also in the project, one WM_USER_OBJEKTFLAG change
    // request per flag to the main window: false at the first request refused.
    virtual bool SetObjektFlags(bool communication, bool read, bool write, bool transmit, bool update,
                                bool readOnInit, bool writeThrough);

    // Asks the main window for each link's address (WM_USER_GETGRPADRNRASZAHL).
    bool UpdateAssociatedAddress(std::string& error) override;

    // Which of the six flag cells may be changed, by kind as SetObjektFlags takes them.
    void SetEnableFlags(bool communication, bool read, bool write, bool transmit, bool update, bool readOnInit);
    bool GetEnableFlag(int kind) const { return kind >= 0 && kind < ObjektFlagCount && (enableFlags_ >> kind & 1) != 0; }

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
    // The parameter id; the conversion of an import or copy puts the device-parameter id there.
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
    std::int32_t enableFlags_ = 0;
    TEnumProjektStand projektStand_ = psGelesen;
};
