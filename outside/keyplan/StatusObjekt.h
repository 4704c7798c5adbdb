#pragma once

#include "outside/funcbase/ParameterObjekt.h"

#include <cstdint>
#include <string>

// The status object of a key or a rocker: it holds the communication object through which the
// status LED is driven, switched on by CreateObjects and off by DeleteObjects (the device has
// asked before).
//
// Record: Param2 key or rocker number, Param3 whether the status is read after a reset.
class TStatusObjekt : public TParameterObjekt {
public:
    enum TTag : int { tagStatusLesen = 1 };

    void Write(TDatenStruktur& record) override;
    void InitFromDB(const TDatenStruktur& record) override;
    // Takes the values of the table's record of the object's type; the number stays.
    bool Paste(TRecordTable* table, std::string& message) override;

    virtual bool CreateObjects();
    virtual bool DeleteObjects();
    // The display order of the status object's communication objects.
    virtual int GetDisplayOrder() const = 0;

    std::int32_t GetNummer() const { return Nummer; }
    std::int32_t GetStatusLesen() const { return StatusLesen; }

protected:
    TStatusObjekt(platform::HWND windowHandle, std::int32_t system, std::int32_t parent, const std::string& name,
                  std::int32_t number, std::int32_t handle, const TClassInfo& info);

    void AddRows(TDrawGridSE& grid) override;
    bool ChangeValue(int tag, int value) override;

    std::int32_t Nummer;
    std::int32_t StatusLesen = 0;
};

// The status object of key k; its communication objects have the display order
// 4610 + 10 × (k − 1).
class TTsTasteStatus : public TStatusObjekt {
public:
    static constexpr int Typ = 6590; // DT_TS_TASTE_STATUS

    TTsTasteStatus(platform::HWND windowHandle, std::int32_t system, std::int32_t parent, const std::string& name,
                   std::int32_t number, std::int32_t handle);
    ~TTsTasteStatus() override;

    int GetDisplayOrder() const override { return 4610 + 10 * (Nummer - 1); }
};

// The status object of rocker p; its communication objects have the display order
// 1700 + 10 × (p − 1).
class TTsWippeStatus : public TStatusObjekt {
public:
    static constexpr int Typ = 6575; // DT_TS_WIPPE_STATUS

    TTsWippeStatus(platform::HWND windowHandle, std::int32_t system, std::int32_t parent, const std::string& name,
                   std::int32_t number, std::int32_t handle);
    ~TTsWippeStatus() override;

    int GetDisplayOrder() const override { return 1700 + 10 * (Nummer - 1); }
    // The device hands the rocker's group addresses on within the status object (code 35).
    virtual bool ConvertDBDataAfterTemplateImport();
};
