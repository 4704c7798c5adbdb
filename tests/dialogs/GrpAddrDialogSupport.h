#pragma once

#include "dialogs/project/FDlgGaCheck.h"
#include "dialogs/project/FDlgGrpAddrChange.h"
#include "device/RecGroupAddrInfo.h"
#include "tests/device/GrpAdrFixture.h"

#include <QTreeWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace grpaddrtest {

constexpr std::uint16_t Adr(int main, int middle, int sub)
{
    return static_cast<std::uint16_t>(main * 2048 + middle * 256 + sub);
}

// The check dialog shown without a modal loop: a script plays the user's part (in the list and
// in each change dialog) and the dialog's result is answered.
class ScriptedGaCheck final : public TFDlgGaCheck {
public:
    using TFDlgGaCheck::TFDlgGaCheck;

    std::function<void(TFDlgGaCheck&)> OnShow;
    std::function<void(TFDlgGrpAddrChange&)> OnChange;
    int Shown = 0;

protected:
    int ShowModal() override
    {
        ++Shown;
        show();
        if (OnShow)
            OnShow(*this);
        return result();
    }
    int ShowChangeDialog(TFDlgGrpAddrChange& dialog) override
    {
        dialog.show();
        if (OnChange)
            OnChange(dialog);
        return dialog.result();
    }
};

// The demo project's group addresses loaded into the device model, with records of imported
// communication objects to check and a name query that answers as told.
class GaDialogTest : public grpadrtest::GrpAdrTest {
protected:
    GaDialogTest();

    // A communication-object record (806) and a child record of it, both with an address.
    void AddObjectRecord(std::int32_t handle, int number, const std::string& name, int objTyp, std::uint16_t address);
    void AddChildRecord(std::int32_t handle, std::int32_t parent, std::uint16_t address);
    // The project's middle and sub nodes, after LoadGrpAdr.
    const TGrpAdrNodes::TMap& MidSub() const { return device_->GrpAdrNodes.Map(); }
    const TGrpAdrNodes::TMap& Mains() const { return device_->MainGroupNodes.Map(); }
    void Load();

    TGrpAddrNameQuery NameQuery();

    TDatenManager<TDatenStruktur> records_{"", 0};
    TUsedGroupAddrMap used_;
    TNewGroupAddrList toCreate_;
    std::optional<std::string> nameAnswer_ = "";
    int nameQueries_ = 0;
};

// The texts of a row, joined by "|".
std::string RowText(const QTreeWidgetItem* item);
// The texts of a tree item and its descendants, indented by depth; expanded ones marked "+".
std::vector<std::string> TreeLines(const QTreeWidgetItem* item, int depth = 0);

} // namespace grpaddrtest
