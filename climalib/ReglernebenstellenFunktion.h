#pragma once

#include "climalib/ClimaDataObject.h"
#include "outside/datacore/EnumDataBasis.h"

#include <cstdint>
#include <string>

// The function of the controller extension unit: it gives the device the extension unit's
// communication objects, among them on request the fan-stage display, whose use and object type
// are its one setting (group "Allgemein"). It takes no part in the global-parameter copy.
class TReglernebenstellenFunktion final : public TClimaDataObject {
public:
    static constexpr int Typ = 6593; // DT_REGLERNEBENSTELLEN_FUNKTION
    enum TTag : int { tagAllgemein = 0, tagLuefterstufenAnzeige = 1, tagObjekttypLuefterstufen = 2 };

    TReglernebenstellenFunktion(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                                const std::string& name, std::int32_t handle);
    ~TReglernebenstellenFunktion() override;

    void Write(TDatenStruktur& record) override;
    void InitFromDB(const TDatenStruktur& record) override;
    void BuildInfoWindow(TDrawGridSE* grid, TListView* list, bool flag, int column, int row) override;
    // Takes the setting from the first record of the type in the table; switches no object.
    bool Paste(TRecordTable* table, std::string& message) override;

    // All eleven object operations in order; the first that fails ends with false.
    bool CreateObjects();
    bool DeleteObjects();
    bool ModifyIstTemperaturObjekt(bool remove, bool ask);
    bool ModifyBetriebsmodusUmschaltungObjekte(bool remove, bool ask);
    bool ModifyBetriebsmodusZwangsObjekte(bool remove, bool ask);
    bool ModifyAktuelleSollwertverschiebungObjekte(bool remove, bool ask);
    bool ModifySollwertverschiebungObjekte(bool remove, bool ask);
    bool ModifyPraesenzObjekt(bool remove, bool ask);
    bool ModifyStatusBetriebsmodusObjekt(bool remove, bool ask);
    bool ModifyMeldungHeizenObjekt(bool remove, bool ask);
    bool ModifyMeldungKuehlenObjekt(bool remove, bool ask);
    bool ModifySollTemperaturObjekt(bool remove, bool ask);
    bool ModifyLuefterstufenAnzeigeObjekte(bool remove, bool ask);
    // Has the device enable (or disable) the flag cells of the communication object with that
    // number in the device's object list.
    bool CallModifyEnableCellFlagStatus(std::int32_t number, bool enable);

    void GridComboBoxChange(TObject* sender, TCell& cell, int column, int row);
    void GridEditChange(TObject* sender, TCell& cell, int column, int row);
    void GridSpinEditChange(TObject* sender, TCell& cell, int column, int row);
    void GridSpinEditOverflow(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row, double value);
    void GridSpinEditUnderflow(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row, double value);
    void GridExitCell(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row);
    void GridExit(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row);
    void GridEllipseClick(TObject* sender, TCell& cell, int column, int row);
    void GridGroupTitleClick(TObject* sender, TCell& cell, int column, int row, int phase);

    std::uint8_t GroupTitleToggle = 0;
    T_DB_EnumDataBasis::TEnumBool LuefterstufenAnzeige = T_DB_EnumDataBasis::Nein;
    std::int8_t ObjekttypLuefterstufen = 0; // 0 "3 x 1 Bit", 1 "1 Byte"
    TCell::TEnumGroupTitleState GruppeAllgemein = TCell::gtsOpen;

private:
    // What a failed object change does about the flag-cell request.
    enum class TAfterFailure : std::uint8_t { Stop, StillRequest };

    // Sets the object (variant 0 when removing) and, when not removing, has the device enable the
    // flag cells of the communication object flagNumber.
    bool ModifyWithFlagCells(int variant, int objectNumber, int positionBase, bool remove, bool ask,
                             std::int32_t flagNumber, TAfterFailure afterFailure);
    void ReadRecord(const TDatenStruktur& record);
};
