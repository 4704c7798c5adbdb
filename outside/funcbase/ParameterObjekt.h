#pragma once

#include "outside/datacore/DataBasis.h"
#include "outside/funcbase/DeviceRequests.h"

#include <cstdint>
#include <string>

class TDrawGridSE;
class TListView;

// The frame that most data objects of the function libraries share: the constants of a class,
// a grid of the values the object keeps (their changes come back through ChangeValue) and the
// requests to the device behind the main window.
class TParameterObjekt : public TDataBasis {
public:
    // The constants of one class.
    struct TClassInfo {
        int Typ;                  // type number, the Typ of the class's record
        int Icon;
        int QuickHelpIndexOffset;
    };

    int GetQuickHelpIndexOffset() const override { return info_.QuickHelpIndexOffset; }
    int GetTyp() const override { return info_.Typ; }
    int ListStyle() const override { return 1; }
    int GetIcon() const override { return info_.Icon; }
    bool AllowChild(int /*typ*/) const override { return false; }
    bool AllowDrop(TDataBasis* /*source*/) const override { return false; }
    void Drop(TDataBasis* /*source*/) override {}
    // The rows of AddRows with their change events (ValueRows). No grid: nothing.
    void BuildInfoWindow(TDrawGridSE* grid, TListView* list, bool flag, int column, int row) override;

protected:
    TParameterObjekt(platform::HWND windowHandle, std::int32_t system, std::int32_t parent, const std::string& name,
                     std::int32_t handle, const TClassInfo& info);

    // The rows of the values the object keeps, tagged with the object's own tags.
    virtual void AddRows(TDrawGridSE& grid) = 0;
    // A row's new value; true when the object took it.
    virtual bool ChangeValue(int tag, int value) = 0;
    // The ellipsis of a row was clicked; nothing by default.
    virtual void EllipseClick(int /*tag*/) {}

    // Writes the object into its own record; false without one.
    bool StoreRecord();

    // Sets member to value and asks the device with ask(); when the device refuses, the old
    // value is put back. False for an unchanged value and for a refusal.
    template <typename T, typename Ask>
    static bool ChangeAsking(T& member, T value, Ask ask)
    {
        if (member == value)
            return false;
        const T old = member;
        member = value;
        if (ask())
            return true;
        member = old;
        return false;
    }
    // Takes a value that needs nothing of the device; false when unchanged.
    template <typename T>
    static bool Change(T& member, T value)
    {
        if (member == value)
            return false;
        member = value;
        return true;
    }

    const TDeviceRequests Requests{*this};

private:
    TClassInfo info_;
};
