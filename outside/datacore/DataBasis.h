#pragma once

#include "device/DatenManager.h"
#include "device/DatenStruktur.h"
#include "outside/datacore/E_Basis.h"
#include "outside/datacore/EibHandle.h"
#include "outside/datacore/GlobalParameter.h"
#include "outside/tablebox/Cell.h"
#include "outside/tablebox/ComboWert.h"
#include "platform/WindowMessages.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class TDrawGridSE;
class TListView;
class TComboBox;

// The base of every data object: its identity (Handle, Parent, System), name and position id,
// the main window it talks to, the modes of its parameter grid and its global parameters.
// The virtual operations are the data-object interface, in the order of their slots.
class TDataBasis {
public:
    using TRecordMap = std::map<int, TDatenStruktur>;
    using TRecordTable = TDatenManager<TDatenStruktur>;

    // windowHandle: the main window, receiver of every message of the object. Handle 0 takes a
    // new handle from the device's handle table (asked of the main window); throws E_Basis when
    // there is none to be had.
    TDataBasis(platform::HWND windowHandle, std::int32_t system, std::int32_t parent, const std::string& name,
               std::int32_t handle);
    TDataBasis(const TDataBasis&) = delete;
    TDataBasis& operator=(const TDataBasis&) = delete;

    virtual int GetQuickHelpIndexOffset() const = 0;
    virtual ~TDataBasis();
    virtual void SetAllGroupsOpenMode() { AllGroupsOpenMode = true; }
    virtual void ClearAllGroupsOpenMode() { AllGroupsOpenMode = false; }
    virtual void SetGlobalParameterMode() { GlobalParameterMode = true; }
    virtual void ClearGlobalParameterMode() { GlobalParameterMode = false; }
    // The display name, whatever the argument.
    virtual std::string GetName(bool qualified) const;
    virtual int GetAuxNumber() const { return 10; }
    virtual int GetTyp() const = 0;
    virtual int ListStyle() const = 0;
    virtual int GetIcon() const = 0;
    virtual bool AllowChild(int typ) const = 0;
    virtual void SetName(const std::string& name) { Name = name; }
    virtual void SetParentHandle(std::int32_t parent) { Parent = parent; }
    virtual std::int32_t GetParentHandle() const { return Parent; }
    virtual platform::HWND GetWindowHandle() const { return WindowHandle; }
    // Nothing of the base part depends on other handles: the identity stays.
    virtual void KonvertHandle(TEibHandle* table);
    virtual bool GetAuxFlag1() const { return true; }
    virtual bool SetObjIdent(std::int8_t /*ident*/) { return false; }
    virtual bool IsVisible() const { return true; }
    virtual void ShowObjectInView(TDrawGridSE* /*grid*/, TListView* /*list*/) {}
    // Writes the common fields: Handle, Name, Typ, Parent, System and the position id (Param1).
    virtual void Write(TDatenStruktur& record);
    virtual void SetPosId(int posId);
    // Takes over the position id of the other object; none changes nothing.
    virtual void SetPosId(TDataBasis* other);
    virtual int GetPosId() const { return PosId; }
    virtual bool DatenAbgleich(bool /*first*/, bool /*second*/) { return true; }
    // This object when it answers to the handle, else none.
    virtual TDataBasis* GetPointerFromHandle(int handle);
    // The base part keeps no records of its own: nothing to delete.
    virtual void DeleteDBEntry();
    virtual void DeleteDS();
    virtual int GetAuxValue1() const { return 0; }
    virtual int GetAuxValue2() const { return 0; }
    virtual bool AllowDrop(TDataBasis* source) const = 0;
    virtual void Drop(TDataBasis* source) = 0;
    virtual int GetAuxValue3() const { return 0; }
    virtual int GetNumberOfChildObjects(bool /*inTree*/) const { return 0; }
    virtual TDataBasis* GetChildObject(int /*index*/, bool /*inTree*/) const { return nullptr; }
    virtual void BuildInfoWindow(TDrawGridSE* grid, TListView* list, bool flag, int column, int row) = 0;
    // Reads the common fields (Name and the position id); the identity stays the object's.
    virtual void InitFromDB(const TDatenStruktur& record);
    virtual int GetAuxValue4() const { return 0; }
    virtual bool GetAuxFlag2() const { return true; }
    // True when the map holds a record of the object's type.
    virtual bool Einfuegen(TRecordMap& records);
    // The base part imports nothing.
    virtual void SorvImport(TRecordMap& records, bool withGroupAddresses);
    // Has the device set the device parameter objectNumber (a display order) to variant, creating
    // the data objects of new communication objects at position objectNumber + position.
    virtual bool ModifyObject(int variant, int objectNumber, int position, bool ask);
    // The common part of a paste: true when the table holds a record of the object's type.
    virtual bool Paste(TRecordTable* table, std::string& message);
    // The base part has nothing to reset.
    virtual void Reset(std::string& message);
    // The base part imports nothing.
    virtual void Import(TRecordTable* table, bool first, bool second, std::string& message, int value);
    virtual int GetTreePosId() const { return PosId; }
    virtual void SetTreePosId(int posId) { SetPosId(posId); }
    virtual bool GlobalParameterEnabled() const { return false; }
    // Sets the mark of the parameter with that tag; an unknown tag changes nothing.
    virtual void SetGlobalParameterValue(int tag, tagEnumGlobalParameterValue value);
    // Takes the mark from the chosen entry of the combo box (0 "Nicht ändern", 1 "Ändern").
    virtual void SetGlobalParameterValue(int tag, TComboBox* comboBox);
    // True when at least one parameter is marked.
    virtual bool ChangeGlobalParameter() const;
    virtual int WriteGlobalParameter(TRecordTable* /*table*/, TDatenStruktur* /*target*/, std::string& /*message*/)
    {
        return 1;
    }

    // Grid rows, each tagged with the parameter id; its help number is the quick-help offset plus
    // the tag. In global-parameter mode a row of a declared parameter gets its mark ("Nicht
    // ändern"/"Ändern") in column 2. No grid: nothing.
    void AddRowCaption(TDrawGridSE* grid, int tag, const std::string& caption, const std::string& text,
                       TCell::TEnumGroupTitleState state, bool flag);
    // The shown item is the one with the value.
    void AddRowComboBox(TDrawGridSE* grid, const std::string& caption, int tag, const std::vector<TComboWert>& items,
                        int value, int style, bool flag);
    // Two-item rows: "Nein" 0 / "Ja" 1, and "Aus" 0 / "Ein" 1.
    void AddRowComboBoxYes(TDrawGridSE* grid, const std::string& caption, int tag, int value, int style, bool flag);
    void AddRowComboBoxYesList(TDrawGridSE* grid, const std::string& caption, int tag, int value, int style,
                               bool flag);
    void AddRowComboBoxOnList(TDrawGridSE* grid, const std::string& caption, int tag, int value, int style,
                              bool flag);
    // step in units of the last decimal place.
    void AddRowSpinEdit(TDrawGridSE* grid, const std::string& caption, int tag, int maximum, int minimum, int step,
                        int value, int style, bool flag);
    void AddRowSpinEditComma(TDrawGridSE* grid, const std::string& caption, int tag, double maximum, double minimum,
                             int step, double value, int decimals, int style, bool flag);
    // Switches a group title between closed and open; true when it changed (an always-open or
    // missing title stays).
    static bool ChangeGroupTitleState(TCell::TEnumGroupTitleState& state);

    // Records of the device: a new additional record chained to the previous one (its Next :=
    // the new Handle; the new record's Parent is this object's Handle, its Typ 0), or none when
    // the device gives none. GetDatensatz only finds a record, in the System
    // asked for; it never creates one.
    TDatenStruktur* GetNewNebenDatensatz(TDatenStruktur* previous);
    TDatenStruktur* GetDatensatz(std::int32_t system, std::int32_t handle);

    // Decimals are stored scaled by 10 to the power of decimals, rounded to the nearest integer.
    static int MakeDoubleToInt(double value, int decimals);
    static double MakeIntToDouble(int value, int decimals);

    // The parameters that the global-parameter copy may carry, by row tag; the map owns them.
    void ClearGlobalParameterMap();
    void InsertGlobalParameterDataIntoMap(int tag, std::unique_ptr<TGlobalParameter> parameter);
    const TGlobalParameter* GetGlobalParameter(int tag) const;
    // True when the parameter with that tag, or the parameter it belongs to, is marked "Ändern".
    bool ChangeParameter(int tag) const;
    // Sets the mark of the rows that depend on the parameter with that tag.
    void SetGlobalParameterDependenciesToValue(int tag, tagEnumGlobalParameterValue value);
    // Writes the value into the field only when ChangeParameter(tag).
    void WriteParameter(std::int32_t& field, std::int32_t value, int tag) const;
    void WriteParameter(bool& field, bool value, int tag) const;

    std::int32_t GetHandle() const { return Handle; }
    std::int32_t GetSystem() const { return System; }
    const std::string& GetObjectText() const { return ObjectText; }
    bool GetAllGroupsOpenMode() const { return AllGroupsOpenMode; }
    bool GetGlobalParameterMode() const { return GlobalParameterMode; }

protected:
    // Guards the grid events the object binds: they are not called once the object is gone.
    // Made on first need, so that objects that bind none cost no token.
    std::weak_ptr<const void> GetEventGuard() const
    {
        if (!lifeToken_)
            lifeToken_ = std::make_shared<const int>(0);
        return lifeToken_;
    }

    std::string ObjectText;
    bool AllGroupsOpenMode = false;
    bool GlobalParameterMode = false;
    std::int32_t Handle = 0;
    std::int32_t Parent = 0;
    std::int32_t System = 0;
    std::int32_t PosId = 0;
    std::string Name;
    platform::HWND WindowHandle = 0;

private:
    using TGlobalParameterMap = std::map<int, std::unique_ptr<TGlobalParameter>>;

    // The parameter with that tag; none when there is none.
    TGlobalParameter* FindGlobalParameter(int tag) const;
    void AddValueRow(TDrawGridSE* grid, const std::string& caption, TCell value);
    void AddTwoItemRow(TDrawGridSE* grid, const std::string& caption, int tag, int value, int style, bool flag,
                       const std::string& captionNo, const std::string& captionYes);

    // Made with the first parameter: most data objects (tens of thousands of group-address
    // nodes among them) have none.
    std::unique_ptr<TGlobalParameterMap> globalParameters_;
    mutable std::shared_ptr<const int> lifeToken_;
};
