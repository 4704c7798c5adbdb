#pragma once

#include "climalib/E_DataBasis.h"
#include "climalib/MainWindowLink.h"
#include "outside/datacore/DataBasis.h"
#include "outside/datacore/EnumDataBasis.h"
#include "outside/datacore/RequestRecords.h"
#include "outside/tablebox/DrawGridSE.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <list>
#include <string>
#include <string_view>
#include <vector>

// What the data objects of this library share: their class constants, the answers that are the
// same for all of them, and the mechanics each of them repeats (grid building and events,
// value changes, requests to the device, record chains, paste, name alignment, global
// parameters). Every request goes as a message to the main window given to the constructor.
class TClimaDataObject : public TDataBasis {
public:
    // The posts of a change's marks.
    enum class TPost : std::uint8_t { ObjectsChanged, UpdateAllViews, UpdateOtherViews };

    // The constants of one class.
    struct TClassInfo {
        const char* Name;         // for the trace log: "TReglerFunktion"
        int Typ;                  // type number, the Typ of the class's record
        int Icon;
        int QuickHelpIndexOffset;
        // The order in which a finished change posts what its marks ask for.
        std::array<TPost, 3> PostOrder{TPost::ObjectsChanged, TPost::UpdateAllViews, TPost::UpdateOtherViews};
    };

    // The marks a change rule sets; on refusal only UpdateAllViews is set.
    struct TChangeMarks {
        bool Store = false;
        bool ObjectsChanged = false;
        bool UpdateAllViews = false;
        bool UpdateOtherViews = false;

        // The marks most rows set: a value no other row depends on (store, rebuild the other
        // views); a value that changes the rows (store, rebuild all views); a value that
        // switched communication objects (store, align the objects, rebuild all views).
        static TChangeMarks StoreOthers() { return {true, false, false, true}; }
        static TChangeMarks StoreAll() { return {true, false, true, false}; }
        static TChangeMarks StoreObjects() { return {true, true, true, false}; }
    };

    // One communication object of a Modify…Objekt(e) operation: its object number (the display
    // order of the device parameter that switches it) and the value to set (0 = no object).
    struct TObjectSetting {
        int ObjectNumber = 0;
        int Value = 0;
    };
    // Who asks before objects go: the device (PassOn), or the operation itself, for the objects
    // that are about to go or for all of them.
    enum class TAskMode : std::uint8_t { PassOn, AskWhenRemoving, AskAlways };

    int GetQuickHelpIndexOffset() const override { return QuickHelpIndexOffset; }
    int GetTyp() const override { return info_.Typ; }
    int ListStyle() const override { return 1; }
    int GetIcon() const override { return info_.Icon; }
    bool AllowChild(int typ) const override;
    bool AllowDrop(TDataBasis* source) const override;
    void Drop(TDataBasis* source) override;
    // The base part's name, whatever the argument.
    std::string GetName(bool qualified) const override;
    // The base alignment, then the device's default name for the type, when it has one.
    bool DatenAbgleich(bool first, bool second) override;
    // False without a record of the class's type in the map, else the base part decides.
    bool Einfuegen(TRecordMap& records) override;

    // True with full access.
    bool GetAccessMode() const;

    const TClassInfo& ClassInfo() const { return info_; }

protected:
    TClimaDataObject(platform::HWND windowHandle, std::int32_t system, std::int32_t parent, const std::string& name,
                     std::int32_t handle, const TClassInfo& info);
    ~TClimaDataObject() override;

    // "Class::operation", the name of a trace entry.
    std::string QualifiedName(std::string_view operation) const;
    const TMainWindowLink& MainWindow() const { return mainWindow_; }

    // Grid building: BeginInfoWindow answers false without a grid; otherwise it removes the cell
    // events bound before and sets the column count (3 in global-parameter mode, else 2).
    // BindGridEvents binds the class's handlers, guarded by the object's life. EndInfoWindow
    // posts WM_USER_SETACTIVECELL when the column or the row is 0 or more.
    bool BeginInfoWindow(TDrawGridSE* grid) const;
    template <class T>
    void BindGridEvents(TDrawGridSE* grid, T* self) const;
    template <class T>
    void BindGroupTitleEvent(TDrawGridSE* grid, T* self) const;
    void EndInfoWindow(int column, int row) const;
    // A group shows its rows while its state is 2 or 4, or in all-groups-open mode.
    bool IsGroupOpen(TCell::TEnumGroupTitleState state) const;
    // One call of the group-title event: acts only while the toggle byte is 0 (switching the state
    // and posting WM_USER_UPDATEALLVIEWS when it changed), then inverts the toggle byte.
    void ToggleGroupTitle(std::uint8_t& toggle, TCell::TEnumGroupTitleState* state, int column, int row) const;

    // Value changes of the grid events.
    static bool ReadComboValue(TObject* sender, int& value);
    static bool ReadSpinValue(TObject* sender, std::int16_t& value);
    static bool ReadSpinDouble(TObject* sender, double& value);
    // A yes/no choice or record flag as the yes/no value of a member.
    static T_DB_EnumDataBasis::TEnumBool ToEnumBool(bool value)
    {
        return value ? T_DB_EnumDataBasis::Ja : T_DB_EnumDataBasis::Nein;
    }
    // Stores the new value; an unchanged value ends here (false). Otherwise rule(oldValue, marks)
    // runs and sets its marks; when it answers false (failed or refused) the old value is put
    // back and only the views are rebuilt. Finally the change is finished.
    template <typename TMember, typename TRule>
    bool ChangeMember(TMember& member, TMember newValue, TRule rule, int column, int row);
    // A change that cannot fail: the new value, then the marks.
    template <typename TMember>
    bool ChangeMember(TMember& member, TMember newValue, const TChangeMarks& marks, int column, int row);
    // The rule of a row whose value switches communication objects: (self->*modify)(false, true)
    // switches them, asking first when objects would go; done, the marks are StoreObjects.
    template <class T>
    static auto SwitchObjectsRule(T* self, bool (T::*modify)(bool remove, bool ask));
    // Store first (the object writes its record at once), then the posts the marks ask for, in
    // the class's post order.
    void FinishChange(const TChangeMarks& marks, int column, int row);
    // Sets the member to the value and takes the step; when the step fails the old value is put
    // back. The step's answer.
    template <typename TMember, typename TStep>
    static bool SetMemberForStep(TMember& member, TMember value, TStep step);
    // Fetches the object's record and has the object write itself into it through the interface;
    // false when there is no record.
    bool StoreRecord();

    // Requests to the device.
    // A device request with the byte and integer values; the answer of the integer field goes
    // to answer. result travels in the request's Result field.
    bool CallDevice(TEnumUserDeviceMessage code, std::uint8_t byte, std::int32_t integer = 0,
                    std::int32_t* answer = nullptr, void* result = nullptr);
    // Asks whether the listed communication objects may go; false = the user refused.
    bool CheckIfDeleteObjectsAllowed(const std::list<int>& objectNumbers);
    // Sets the objects one after the other; the first refusal ends with false.
    bool ModifyObjects(const std::vector<TObjectSetting>& objects, int positionBase, bool ask, TAskMode mode);
    // Creates (remove false) or removes all objects of a class: (self.*operation)(remove, false)
    // for each of its object operations in order; the first failure ends with false.
    template <class T, class TOperations>
    static bool ModifyAllObjects(T& self, const TOperations& operations, bool remove);
    // The parent data object, or none.
    TDataBasis* GetParentObject() const;

    // Paste: the first record of the class's type in the table (throws E_DataBasis kind 3 with
    // texts 208 or 209 when there is none); answer is the base part's paste.
    TDatenStruktur TakePasteRecord(TRecordTable* table, std::string& message, bool& answer);

    // Declares one global parameter with the rows that belong to it; false when it could not be
    // allocated (the declaration stops there).
    bool DeclareGlobalParameter(int tag, std::initializer_list<int> dependentTags = {});

    std::int32_t QuickHelpIndexOffset = 0;

private:
    const TClassInfo info_;
    TMainWindowLink mainWindow_;
};

template <class T>
void TClimaDataObject::BindGridEvents(TDrawGridSE* grid, T* self) const
{
    const auto guard = GetEventGuard();
    grid->OnComboBoxChange.Bind(
        [self](TObject* sender, TCell& cell, int column, int row) { self->GridComboBoxChange(sender, cell, column, row); },
        guard);
    grid->OnEditChange.Bind(
        [self](TObject* sender, TCell& cell, int column, int row) { self->GridEditChange(sender, cell, column, row); },
        guard);
    grid->OnSpinEditChange.Bind(
        [self](TObject* sender, TCell& cell, int column, int row) {
            self->GridSpinEditChange(sender, cell, column, row);
        },
        guard);
    grid->OnSpinEditOverflow.Bind(
        [self](TDrawGridSE* g, TObject* sender, TCell& cell, int column, int row, double value) {
            self->GridSpinEditOverflow(g, sender, cell, column, row, value);
        },
        guard);
    grid->OnSpinEditUnderflow.Bind(
        [self](TDrawGridSE* g, TObject* sender, TCell& cell, int column, int row, double value) {
            self->GridSpinEditUnderflow(g, sender, cell, column, row, value);
        },
        guard);
    grid->OnExitCell.Bind(
        [self](TDrawGridSE* g, TObject* sender, TCell& cell, int column, int row) {
            self->GridExitCell(g, sender, cell, column, row);
        },
        guard);
    grid->OnExit.Bind(
        [self](TDrawGridSE* g, TObject* sender, TCell& cell, int column, int row) {
            self->GridExit(g, sender, cell, column, row);
        },
        guard);
    grid->OnEllipseClick.Bind(
        [self](TObject* sender, TCell& cell, int column, int row) { self->GridEllipseClick(sender, cell, column, row); },
        guard);
}

template <class T>
void TClimaDataObject::BindGroupTitleEvent(TDrawGridSE* grid, T* self) const
{
    grid->OnGroupTitleClick.Bind(
        [self](TObject* sender, TCell& cell, int column, int row, int phase) {
            self->GridGroupTitleClick(sender, cell, column, row, phase);
        },
        GetEventGuard());
}

template <typename TMember, typename TRule>
bool TClimaDataObject::ChangeMember(TMember& member, TMember newValue, TRule rule, int column, int row)
{
    if (member == newValue)
        return false;
    const TMember oldValue = member;
    member = newValue;
    TChangeMarks marks;
    if (!rule(oldValue, marks)) {
        member = oldValue;
        marks = TChangeMarks{};
        marks.UpdateAllViews = true;
    }
    FinishChange(marks, column, row);
    return true;
}

template <typename TMember>
bool TClimaDataObject::ChangeMember(TMember& member, TMember newValue, const TChangeMarks& marks, int column, int row)
{
    return ChangeMember(
        member, newValue,
        [&marks](const TMember&, TChangeMarks& set) {
            set = marks;
            return true;
        },
        column, row);
}

template <class T>
auto TClimaDataObject::SwitchObjectsRule(T* self, bool (T::*modify)(bool remove, bool ask))
{
    return [self, modify](const auto&, TChangeMarks& marks) {
        if (!(self->*modify)(false, true))
            return false;
        marks = TChangeMarks::StoreObjects();
        return true;
    };
}

template <typename TMember, typename TStep>
bool TClimaDataObject::SetMemberForStep(TMember& member, TMember value, TStep step)
{
    const TMember oldValue = member;
    member = value;
    if (step())
        return true;
    member = oldValue;
    return false;
}

template <class T, class TOperations>
bool TClimaDataObject::ModifyAllObjects(T& self, const TOperations& operations, bool remove)
{
    for (const auto operation : operations) {
        if (!(self.*operation)(remove, false))
            return false;
    }
    return true;
}
