#pragma once

#include "outside/keyplan/FunktionsContainer.h"

#include <cstdint>
#include <string>

// A single key of a key pair, with its function and its status LED. The setting 7 of the status
// LED gives the key a status object: a change of the setting asks the device to create or
// delete it (code 32); a refusal puts the old setting back. Its communication objects have the
// display order 100 × key number.
//
// Record: as every key or rocker, and Param5 the status-LED setting.
class TTsTaste : public TFunktionsContainer {
public:
    static constexpr int Typ = 6555; // DT_TS_TASTE
    // The status-LED setting that needs a status object.
    static constexpr std::uint8_t StatusLedUeberObjekt = 7;

    TTsTaste(platform::HWND windowHandle, std::int32_t system, std::int32_t parent, const std::string& name,
             std::int32_t number, std::int32_t handle);
    ~TTsTaste() override;

    void Write(TDatenStruktur& record) override;
    void InitFromDB(const TDatenStruktur& record) override;
    // The function, then the status-LED setting, each through its change in the grid (the
    // status object comes or goes with it).
    bool Paste(TRecordTable* table, std::string& message) override;
    int GetDisplayOrder() const override { return 100 * Nummer; }

    std::int32_t GetTastenNummer() const { return Nummer; }
    // What the display shows while the key is chosen: "Taste " and its number.
    std::string GetTastenHilfeText1() const { return "Taste " + std::to_string(Nummer); }
    std::uint8_t GetFktStatusLed() const { return FktStatusLed; }
    // With a status object the device hands it the key's group addresses (code 34); true
    // without one.
    virtual bool ConvertDBDataAfterTemplateImport();

protected:
    bool IsOwnFunktion(int typ) const override;
    int StandardFunktion() const override;
    int KeineFunktion() const override;
    const std::string& FunktionCaption() const override;
    void AddRows(TDrawGridSE& grid) override;
    bool ChangeValue(int tag, int value) override;

    std::uint8_t FktStatusLed = 0;
};
