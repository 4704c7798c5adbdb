#pragma once

#include "outside/funcbase/ParameterObjekt.h"

#include <cstdint>
#include <string>

// The sending of date and time on the bus: what is sent, how often, and whether the device is
// the time master. Its grid offers the device's time to be set (code 29: the device shows the
// edit dialog through ShowDlgEditTime).
//
// Record: Param2 what is sent, Param3 cycle in minutes, Param4 time master.
class TTalvoDatumUhrzeitSenden : public TParameterObjekt {
public:
    static constexpr int Typ = 6585; // DT_TALVO_DATUM_UHRZEIT_SENDEN
    enum TTag : int { tagSenden = 1, tagZyklisch, tagZeitmaster, tagUhrzeitStellen };
    // What is sent.
    enum TEnumSenden : std::int32_t { sdKeine = 0, sdUhrzeit = 1, sdDatum = 2, sdUhrzeitUndDatum = 3 };

    TTalvoDatumUhrzeitSenden(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                             const std::string& name, std::int32_t handle);
    ~TTalvoDatumUhrzeitSenden() override;

    void Write(TDatenStruktur& record) override;
    void InitFromDB(const TDatenStruktur& record) override;

    // The dialog that sets the device's time, owned by the window: 1 (OK) or 2 (cancelled).
    virtual int ShowDlgEditTime(platform::HWND mainWindow);
    // Asks the device to show the dialog; its answer, or 0 when the device refused.
    int CallShowDlgEditTime();

    std::int32_t GetSenden() const { return Senden; }
    std::int32_t GetZyklisch() const { return Zyklisch; }
    std::int32_t GetZeitmaster() const { return Zeitmaster; }

protected:
    void AddRows(TDrawGridSE& grid) override;
    bool ChangeValue(int tag, int value) override;
    void EllipseClick(int tag) override;

    std::int32_t Senden = sdUhrzeitUndDatum;
    std::int32_t Zyklisch = 0;
    std::int32_t Zeitmaster = 1;
};
