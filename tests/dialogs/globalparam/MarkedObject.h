#pragma once

#include "outside/datacore/DataBasis.h"

#include <cstdint>
#include <string>

namespace globalparamtest {

// A data object with three parameters that take part in the copy: Sollwert (tag 1, with
// Grenze, tag 2, depending on it) and Betrieb (tag 3). It writes Sollwert into the target's
// Param2 and Betrieb into Param3 of the target's chained record (Parent = the target's Handle),
// unless Answer is set to another result.
class TMarkedObject final : public TDataBasis {
public:
    static constexpr int Typ = 6594;
    enum TTag : int { tagSollwert = 1, tagGrenze = 2, tagBetrieb = 3 };

    TMarkedObject(std::int32_t handle, int posId, int style = 1);

    int GetQuickHelpIndexOffset() const override { return 0; }
    int GetTyp() const override { return Typ; }
    int ListStyle() const override { return Style; }
    int GetIcon() const override { return 0; }
    bool AllowChild(int) const override { return false; }
    bool AllowDrop(TDataBasis*) const override { return false; }
    void Drop(TDataBasis*) override {}
    bool GlobalParameterEnabled() const override { return true; }
    void BuildInfoWindow(TDrawGridSE* grid, TListView* list, bool flag, int column, int row) override;
    int WriteGlobalParameter(TRecordTable* table, TDatenStruktur* target, std::string& message) override;

    int Style;
    std::int32_t Sollwert = 21;
    std::int32_t Betrieb = 1;
    // When not 0: answered without writing, with Message.
    int Answer = 0;
    std::string Message;
};

} // namespace globalparamtest
