#pragma once

#include "climalib/ClimaDataObject.h"
#include "outside/datacore/EnumDataBasis.h"

#include <cstdint>
#include <string>

class TReglerFunktion;

// The choices of the actuating-value and status output; each value is the value of its item.
namespace T_DB_EnumReglerStellgroessenStatusAusgabe {

// Output direction of an actuating value.
enum TEnumAusgabe : std::int8_t {
    agInvertiert = 0,
    agNormal = 1,
};

enum TEnumStatusRegler : std::int8_t {
    srKeinStatus = 0,
    srReglerAllgemein = 1,
    srEinzelnerZustand = 2,
};

} // namespace T_DB_EnumReglerStellgroessenStatusAusgabe

// The controller page "Stellgrößen- und Status-Ausgabe": the output direction of every actuating
// value that the controller's operating type produces, the time base of the actuating values,
// the heating and cooling messages and the controller status, with the three communication
// objects these need. Its rows follow the controller function, which it asks on every build.
class TReglerStellgroessenStatusAusgabe final : public TClimaDataObject {
public:
    static constexpr int Typ = 6580; // DT_REGLER_STELLGROESSEN_STATUS_AUSGABE
    // Row tags, which are also the global-parameter indices.
    enum TTag : int {
        tagAutomatischesSendenBeiAenderung = 0,
        tagStellzykluszeit = 1,
        tagZykluszeitAutomatischesSenden = 2,
        tagAusgabeStellgroesseHeizen = 4,
        tagAusgabeStellgroesseKuehlen = 5,
        tagAusgabeStellgroesse = 6,
        tagMeldungHeizen = 7,
        tagMeldungKuehlen = 8,
        tagStatusRegler = 9,
        tagEinzelStatus = 10,
        tagAusgabeStellgroesseHeizenRk2 = 11,
        tagAusgabeStellgroesseKuehlenRk2 = 12,
        tagAusgabeStellgroesseGrundstufeHeizen = 13,
        tagAusgabeStellgroesseZusatzstufeHeizen = 14,
        tagAusgabeStellgroesseGrundstufeKuehlen = 15,
        tagAusgabeStellgroesseZusatzstufeKuehlen = 16,
        tagAusgabeStellgroesseGrundstufe = 17,
        tagAusgabeStellgroesseZusatzstufe = 18,
    };
    // Communication objects and the position bases of their data objects.
    static constexpr int ObjektStatusRegler = 3100;
    static constexpr int ObjektMeldungHeizen = 3110;
    static constexpr int ObjektMeldungKuehlen = 3120;

    TReglerStellgroessenStatusAusgabe(platform::HWND windowHandle, std::int32_t system, std::int32_t parent,
                                      const std::string& name, std::int32_t handle);
    ~TReglerStellgroessenStatusAusgabe() override;

    // Shown in the function tree only with full access.
    bool IsVisible() const override;
    bool GlobalParameterEnabled() const override { return true; }
    void Write(TDatenStruktur& record) override;
    void InitFromDB(const TDatenStruktur& record) override;
    void BuildInfoWindow(TDrawGridSE* grid, TListView* list, bool flag, int column, int row) override;
    // Takes the members of the first record of the type in the table; switches no object.
    bool Paste(TRecordTable* table, std::string& message) override;
    // 4 written; 0 when the target's controller differs in circuits, operating type or (heating
    // and cooling) common object; -9 without table, target, own controller or the target's.
    int WriteGlobalParameter(TRecordTable* table, TDatenStruktur* target, std::string& message) override;

    bool CreateObjects();
    bool DeleteObjects();
    bool ModifyMeldungHeizenObjekt(bool remove, bool ask);
    bool ModifyMeldungKuehlenObjekt(bool remove, bool ask);
    bool ModifyStatusBetriebsmodusObjekt(bool remove, bool ask);

    // Called by the device after the controller's operating type or common object changed;
    // none of them writes the record or posts.
    // Every output direction back to "Normal".
    bool ModifyValueAusgabeStellgroessen();
    // Sets the message and its object; on failure the old value is back and the answer false.
    bool ModifyValueMeldungHeizen(T_DB_EnumDataBasis::TEnumBool value, bool ask);
    bool ModifyValueMeldungKuehlen(T_DB_EnumDataBasis::TEnumBool value, bool ask);

    void SetGlobalParameter();

    void GridComboBoxChange(TObject* sender, TCell& cell, int column, int row);
    void GridEditChange(TObject* sender, TCell& cell, int column, int row);
    void GridSpinEditChange(TObject* sender, TCell& cell, int column, int row);
    void GridSpinEditOverflow(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row, double value);
    void GridSpinEditUnderflow(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row, double value);
    void GridExitCell(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row);
    void GridExit(TDrawGridSE* grid, TObject* sender, TCell& cell, int column, int row);
    void GridEllipseClick(TObject* sender, TCell& cell, int column, int row);

    // Output directions (T_DB_EnumReglerStellgroessenStatusAusgabe::TEnumAusgabe). The three
    // common ones exist for the grid only: a change goes into the heating and the cooling
    // member of the same kind, and reading sets them from the heating member.
    std::int8_t AusgabeStellgroesse = 1;
    std::int8_t AusgabeStellgroesseHeizen = 1;
    std::int8_t AusgabeStellgroesseKuehlen = 1;
    std::int8_t AusgabeStellgroesseHeizenRk2 = 1;
    std::int8_t AusgabeStellgroesseKuehlenRk2 = 1;
    std::int8_t AusgabeStellgroesseGrundstufeHeizen = 1;
    std::int8_t AusgabeStellgroesseZusatzstufeHeizen = 1;
    std::int8_t AusgabeStellgroesseGrundstufeKuehlen = 1;
    std::int8_t AusgabeStellgroesseZusatzstufeKuehlen = 1;
    std::int8_t AusgabeStellgroesseGrundstufe = 1;
    std::int8_t AusgabeStellgroesseZusatzstufe = 1;
    std::int8_t StatusRegler = 0; // T_DB_EnumReglerStellgroessenStatusAusgabe::TEnumStatusRegler
    std::int8_t EinzelStatus = 0; // the single state sent: 0 comfort … 7 frost alarm
    T_DB_EnumDataBasis::TEnumBool MeldungHeizen = T_DB_EnumDataBasis::Nein;
    T_DB_EnumDataBasis::TEnumBool MeldungKuehlen = T_DB_EnumDataBasis::Nein;
    T_DB_EnumDataBasis::TEnumBool Flag3 = T_DB_EnumDataBasis::Ja; // no row; kept in the record
    std::int32_t AutomatischesSendenBeiAenderung = 3; // %, 0 = inactive
    std::int32_t Stellzykluszeit = 15;                // min
    std::int32_t ZykluszeitAutomatischesSenden = 10;  // min, 0 = inactive

private:
    // The parent controller function, looked up on every use; none when the parent is missing
    // or is not a controller function.
    TReglerFunktion* GetReglerFunktion() const;
    void ReadRecord(const TDatenStruktur& record);
    // The stored output direction of a row tag, or none.
    std::int8_t* Ausgabe(int tag);
    std::int32_t* Zeit(int tag);
};
