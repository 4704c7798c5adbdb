#pragma once

#include "outside/funcbase/ParameterObjekt.h"

#include <cstdint>
#include <string>

// One scene of the scene function: its number in the tree (its position id), its designation,
// the scene number it uses on the bus and, for each of the function's outputs, whether the
// scene sets it and to which value.
//
// Record: Param1 the scene's number (its position id), Param2 bus scene number, Param3 to
// Param10 values of outputs 1 to 8, Bool1 to Bool8 outputs 1 to 8 active, String1 designation.
class TSzene : public TParameterObjekt {
public:
    static constexpr int Typ = 6583; // DT_SZENE
    static constexpr int MaxAusgaenge = 8;
    // Tags of output n: tagAktiv + n - 1 and tagWert + n - 1.
    enum TTag : int { tagBezeichnung = 1, tagSzenennummer, tagAktiv = 10, tagWert = 20 };

    TSzene(platform::HWND windowHandle, std::int32_t system, std::int32_t parent, const std::string& name,
           std::int32_t handle);
    ~TSzene() override;

    void Write(TDatenStruktur& record) override;
    void InitFromDB(const TDatenStruktur& record) override;

    void SetBezeichnungSzene(const std::string& name) { Bezeichnung = name; }
    const std::string& GetBezeichnungSzene() const { return Bezeichnung; }
    // Bus scene number = the scene's own number; every output active with value 0.
    virtual void SetDefaultValues();
    // A scene has no communication objects of its own. True.
    virtual bool CreateObjects();
    virtual bool DeleteObjects();
    // After a change of the function's output: deactivate it (new data type) or reset its
    // value (new value type). False for an output that is not 1 to 8.
    virtual bool ModifyDefaultValues(int output, bool deactivate);
    // Whether the scene sets the output.
    virtual bool NeedAusgang(int output) const;

    std::int32_t GetSzenennummer() const { return Szenennummer; }
    std::int32_t GetWert(int output) const;

protected:
    void AddRows(TDrawGridSE& grid) override;
    bool ChangeValue(int tag, int value) override;
    // The outputs the scene function has (all when it cannot be asked).
    int AnzahlAusgaenge() const;

    std::string Bezeichnung;
    std::int32_t Szenennummer = 1;
    bool Aktiv[MaxAusgaenge] = {};
    std::int32_t Wert[MaxAusgaenge] = {};
};
