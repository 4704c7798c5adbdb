#pragma once

#include "outside/funcbase/ParameterObjekt.h"

#include <cstdint>
#include <string>

// A key or a rocker: the holder of one function (a TFunktionBasis child) and of the
// communication objects that function uses. It makes its function itself: it asks the device
// whether it may (code 0), registers the new function with the device (code 7) and, to delete
// it, asks the device to remove it (code 1). The function of its grid can be changed; a change
// the device refuses leaves the old function.
//
// Record: Param2 key or rocker number, Param3 type number of the function, Param4 handle of the
// function object.
class TFunktionsContainer : public TParameterObjekt {
public:
    enum TTag : int { tagFunktion = 1, tagStatusLed };

    void Write(TDatenStruktur& record) override;
    void InitFromDB(const TDatenStruktur& record) override;
    // Takes the function of the table's record of the container's type, through the change of
    // the grid; the function's values come with the function's own record. False without such a
    // record and when the change is refused.
    bool Paste(TRecordTable* table, std::string& message) override;

    // Makes the standard function (functionsAllowed) or the "no function"; false when the
    // device refuses or the function's communication objects cannot be had.
    virtual bool InitFunktion(bool functionsAllowed);
    // Removes the function's communication objects and the function; false when the device
    // refuses.
    virtual bool DeleteFunktion();
    // Whether the function needs something the device no longer has; with apply the function
    // becomes "no function". False on failure.
    virtual bool CheckFunktion(bool& changeNeeded, bool apply);
    // The functions' values depend on nothing of the device here: no change needed.
    virtual bool CheckFunktionValues(bool& changeNeeded, bool apply);

    std::int32_t GetNummer() const { return Nummer; }
    std::int32_t GetFunktionsTyp() const { return FunktionsTyp; }
    std::int32_t GetFunktionsHandle() const { return FunktionsHandle; }
    // The display order of the container's communication objects.
    virtual int GetDisplayOrder() const = 0;

protected:
    TFunktionsContainer(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                        const std::string& name, std::int32_t number, std::int32_t handle, const TClassInfo& info);

    virtual bool IsOwnFunktion(int typ) const = 0;
    virtual int StandardFunktion() const = 0;
    virtual int KeineFunktion() const = 0;
    virtual const std::string& FunktionCaption() const = 0;

    void AddRows(TDrawGridSE& grid) override;
    bool ChangeValue(int tag, int value) override;

    // Makes, registers and equips the function of the type; it becomes the container's
    // function only when all of that worked.
    bool MakeFunktion(int typ);
    // Asks the device to remove the registered function of the handle; true when there is none.
    bool RemoveFunktionObject(std::int32_t handle);
    // Asks the device whether the container's communication objects may go: false when one is
    // linked and the user says no.
    bool ObjekteLoeschenErlaubt() const;
    // Whether the device has what a function of the type needs.
    bool FunktionMoeglich(int typ);
    // Replaces the function; the old one comes back when the new one cannot be made. The
    // communication objects stay from one function to another; they go only for "no function",
    // after the device's question when one is linked. True when the function object changed.
    bool ChangeFunktion(int typ);

    std::int32_t Nummer;
    std::int32_t FunktionsTyp = 0;
    std::int32_t FunktionsHandle = 0;
};
