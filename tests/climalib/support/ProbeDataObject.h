#pragma once

#include "climalib/ClimaDataObject.h"

#include <cstdint>
#include <string>

namespace climatest {

// A data object built on the frame the way the library's classes are, for the tests: one row of
// each kind, one group, a record with a chain of two additional records, one communication
// object, one device request and three global parameters.
//
// Record map: main Param2 Auswahl, Bool1 Freigabe, Param3 Zeit; 1st additional Param1
// Temperatur (tenths); 2nd additional Bool1 Extra.
class TProbeDataObject final : public TClimaDataObject {
public:
    static constexpr int Typ = 6590;
    static constexpr int Icon = 7;
    static constexpr int QuickHelpOffset = 700;
    enum TTag : int { tagAuswahl = 0, tagFreigabe = 1, tagZeit = 2, tagTemperatur = 3, tagGruppe = 4, tagExtra = 5 };
    // The communication object that Auswahl switches, and its position base.
    static constexpr int ObjektAuswahl = 3050;
    static constexpr int PositionBase = -600;

    TProbeDataObject(platform::HWND windowHandle, std::int32_t system, std::int32_t parent, const std::string& name,
                     std::int32_t handle);
    ~TProbeDataObject() override;

    void Write(TDatenStruktur& record) override;
    void InitFromDB(const TDatenStruktur& record) override;
    void BuildInfoWindow(TDrawGridSE* grid, TListView* list, bool flag, int column, int row) override;
    bool Paste(TRecordTable* table, std::string& message) override;
    bool GlobalParameterEnabled() const override { return true; }
    // 4 written, 0 the target is of another type or its chain is short (message says where),
    // -9 no table or target.
    int WriteGlobalParameter(TRecordTable* table, TDatenStruktur* target, std::string& message) override;

    // Grid handlers. Auswahl: the object changes (asking before it goes), store, objects
    // changed, all views. Freigabe: asks the device (UDM 10), store, other views. Extra: store,
    // all views. Zeit and Temperatur (on leaving the cell): store, other views. Posts in the
    // order objects changed, all views, other views.
    void GridComboBoxChange(TObject* sender, TCell& cell, int column, int row);
    void GridEditChange(TObject* sender, TCell& cell, int column, int row);
    void GridSpinEditChange(TObject* sender, TCell& cell, int column, int row);
    void GridSpinEditOverflow(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row, double value);
    void GridSpinEditUnderflow(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row, double value);
    void GridExitCell(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row);
    void GridExit(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row);
    void GridEllipseClick(TObject* sender, TCell& cell, int column, int row);
    void GridGroupTitleClick(TObject* sender, TCell& cell, int column, int row, int phase);

    bool CreateObjects();
    bool DeleteObjects();
    bool ModifyAuswahlObjekt(bool remove, bool ask);
    bool CallModifyTastenWippenFunktion();
    bool CallGetValueOfZugriffAufBedienebenen(std::uint8_t& level);
    void SetGlobalParameter();
    TDataBasis* ParentObject() const { return GetParentObject(); }

    std::uint8_t Auswahl = 1;
    std::uint8_t Freigabe = 0;
    std::int32_t Zeit = 10;
    double Temperatur = 21.5;
    std::uint8_t Extra = 0;
    std::uint8_t GroupTitleToggle = 0;
    TCell::TEnumGroupTitleState GruppeState = TCell::gtsOpen;

private:
    void ReadMainRecord(const TDatenStruktur& record);
};

} // namespace climatest
