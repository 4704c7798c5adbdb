#pragma once

#include "outside/funcbase/ParameterObjekt.h"

#include <cstdint>
#include <string>

// The device's display: its lighting, contrast and the units and formats it shows.
//
// Record: Param2 lighting on, Param3 brightness, Param4 contrast, Param5 switch-off delay,
// Param6 temperature unit, Param7 time format, Param8 date format.
class TTalvoDisplay : public TParameterObjekt {
public:
    static constexpr int Typ = 6551; // DT_TALVO_DISPLAY
    enum TTag : int {
        tagBeleuchtung = 1,
        tagHelligkeit,
        tagKontrast,
        tagAusschaltverzoegerung,
        tagTemperatureinheit,
        tagUhrzeitformat,
        tagDatumsformat,
    };

    TTalvoDisplay(platform::HWND windowHandle, std::int32_t system, std::int32_t parent, const std::string& name,
                  std::int32_t handle);
    ~TTalvoDisplay() override;

    void Write(TDatenStruktur& record) override;
    void InitFromDB(const TDatenStruktur& record) override;
    // Nothing of the display's data changes after a template import. True.
    virtual bool ConvertDBDataAfterTemplateImport();

    std::int32_t GetBeleuchtung() const { return Beleuchtung; }
    std::int32_t GetHelligkeit() const { return Helligkeit; }
    std::int32_t GetKontrast() const { return Kontrast; }
    std::int32_t GetAusschaltverzoegerung() const { return Ausschaltverzoegerung; }
    // 0 degrees Celsius, 1 degrees Fahrenheit.
    std::int32_t GetTemperatureinheit() const { return Temperatureinheit; }
    // 0 24 hours, 1 12 hours.
    std::int32_t GetUhrzeitformat() const { return Uhrzeitformat; }
    // 0 DD.MM.YYYY, 1 MM/DD/YYYY.
    std::int32_t GetDatumsformat() const { return Datumsformat; }
    // The two lines of the basic display, in the display's units and formats: a room
    // temperature, then a time and a date.
    void GetGrundanzeigeTexte(std::string& line1, std::string& line2) const;

protected:
    void AddRows(TDrawGridSE& grid) override;
    bool ChangeValue(int tag, int value) override;

    std::int32_t Beleuchtung = 1;
    std::int32_t Helligkeit = 80;
    std::int32_t Kontrast = 50;
    std::int32_t Ausschaltverzoegerung = 30;
    std::int32_t Temperatureinheit = 0;
    std::int32_t Uhrzeitformat = 0;
    std::int32_t Datumsformat = 0;
};
