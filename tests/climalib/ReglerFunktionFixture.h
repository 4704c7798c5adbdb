#pragma once

#include "climalib/ReglerFunktion.h"
#include "outside/datacore/MainWindowMessages.h"
#include "tests/climalib/support/FakeMainWindow.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace climatest {

// A new controller function (its handle from the device's table) registered with a fake device
// behind a fake main window, and a grid to fill. The messages of the set-up are cleared.
class ReglerFunktionFixture : public ::testing::Test {
protected:
    static constexpr std::int32_t System = 3;
    static constexpr std::int32_t Parent = 100;

    ReglerFunktionFixture() : regler(std::make_unique<TReglerFunktion>(window.Handle(), System, Parent, "Regler", 0))
    {
        Device().Register(regler.get());
        window.Clear();
    }

    FakeDevice& Device() { return window.Device(); }
    // The controller's record in the device, none when it has not been written.
    TDatenStruktur* StoredRecord() { return Device().FindRecord(System, regler->GetHandle()); }

    void Build(bool flag = false, int column = -1, int row = -1)
    {
        grid.Clear();
        regler->BuildInfoWindow(&grid, nullptr, flag, column, row);
    }
    // The tags of the grid's rows, top to bottom.
    std::vector<int> RowTags() const
    {
        std::vector<int> tags;
        for (int row = 0; row < grid.GetRowCount(); ++row)
            tags.push_back(grid.GetCell(0, row)->Tag);
        return tags;
    }
    int Row(int tag) const { return grid.FindRow(tag); }

    // A user's choice in the combo row of the tag: the item with that value. Builds the grid
    // first and forgets the messages of building it.
    void Choose(int tag, int value)
    {
        Build();
        window.Clear();
        const int row = Row(tag);
        ASSERT_GE(row, 0) << "no row " << tag;
        const TCell* cell = grid.GetCell(1, row);
        int index = -1;
        for (std::size_t i = 0; i < cell->Choices.size(); ++i) {
            if (cell->Choices[i].Value == value)
                index = static_cast<int>(i);
        }
        ASSERT_GE(index, 0) << "no item " << value << " in row " << tag;
        grid.SetActiveCell(1, row);
        grid.ChooseItem(index);
    }
    // A user's new number in the spin row of the tag, taken on leaving the cell.
    void Spin(int tag, double value)
    {
        Build();
        window.Clear();
        const int row = Row(tag);
        ASSERT_GE(row, 0) << "no row " << tag;
        grid.SetActiveCell(1, row);
        grid.SpinTo(value);
        grid.LeaveCell();
    }

    // The requests that reached the device, in the order they were sent:
    // "ask 3160 3200" (may the objects go), "set 3160=3 @-900" (ModifyObject; " ask" when the
    // device is to ask), "udm 8/0" (device request with its byte), "name".
    std::vector<std::string> Requests()
    {
        std::vector<std::string> lines;
        std::size_t deviceIndex = 0;
        std::size_t transportIndex = 0;
        const FakeDevice& fake = Device();
        for (const FakeMainWindow::Message& message : window.Messages()) {
            if (message.message == WM_USER_USERDEVICEMESSAGE && deviceIndex < fake.DeviceRequests().size()) {
                const auto& request = fake.DeviceRequests()[deviceIndex++];
                lines.push_back("udm " + std::to_string(request.Code) + "/" + std::to_string(request.Byte));
            } else if (message.message == WM_USER_DATENTRANSPORT
                       && transportIndex < fake.TransportRequests().size()) {
                const auto& request = fake.TransportRequests()[transportIndex++];
                if (request.Code == UDT_CHECK_IF_DELETE_OBJECTS_ALLOWED) {
                    std::string line = "ask";
                    for (const int number : request.ObjectNumbers)
                        line += " " + std::to_string(number);
                    lines.push_back(line);
                } else if (request.Code == UDT_ADD_ETS_OBJECT_BY_DISPLAY_ORDER) {
                    lines.push_back("set " + std::to_string(request.DisplayOrder) + "=" + std::to_string(request.Value)
                                    + " @" + std::to_string(request.PositionBase) + (request.Ask ? " ask" : ""));
                } else {
                    lines.push_back("name");
                }
            }
        }
        return lines;
    }
    // Only the object switches among the requests.
    std::vector<std::string> ObjectSwitches()
    {
        std::vector<std::string> switches;
        for (const std::string& line : Requests()) {
            if (line.rfind("set ", 0) == 0)
                switches.push_back(line);
        }
        return switches;
    }

    static FakeMainWindow::Message Post(platform::UINT message, int column, int row)
    {
        return {message, static_cast<platform::WPARAM>(static_cast<platform::LPARAM>(column)), row, true};
    }
    // What was posted, delivered now.
    std::vector<FakeMainWindow::Message> DeliveredPosts()
    {
        const std::size_t before = window.Messages().size();
        window.DeliverPosted();
        return {window.Messages().begin() + static_cast<std::ptrdiff_t>(before), window.Messages().end()};
    }

    FakeMainWindow window;
    std::unique_ptr<TReglerFunktion> regler;
    TDrawGridSE grid;
};

// Every member the controller keeps besides its saved copy and group states, in member order.
inline std::vector<std::int32_t> Members(const TReglerFunktion& r)
{
    std::vector<std::int32_t> values{r.BetriebsmodusUmschaltung,
                                     r.Regelkreise,
                                     r.ReglerBetriebsart,
                                     r.ArtHeizregelung,
                                     r.ArtHeizregelungRk2,
                                     r.ArtKuehlregelung,
                                     r.ArtKuehlregelungRk2,
                                     r.ArtRegelung,
                                     r.ArtRegelungZusatzstufe,
                                     r.ArtZusatzstufeHeizen,
                                     r.ArtZusatzstufeKuehlen,
                                     r.ArtHeizung,
                                     r.ArtHeizungRk2,
                                     r.ArtZusatzheizung,
                                     r.ArtKuehlung,
                                     r.ArtKuehlungRk2,
                                     r.ArtZusatzkuehlung,
                                     r.ReglerBedienungSperrbar,
                                     r.ReglerAbschalten,
                                     r.UmschaltungHeizenKuehlen,
                                     r.BetriebsartNachReset,
                                     r.AutomatischesSendenUmschaltung,
                                     r.FrostHitzeschutz,
                                     r.FrostschutzAutomatik,
                                     r.SperrobjektZusatzstufe,
                                     r.StellgrHeizenKuehlenGemObjekt,
                                     r.Ventilschutz,
                                     r.LuefterstufenAnzeige,
                                     r.ObjekttypLuefterstufen};
    for (const TRegelparameter* satz : {&r.RegelparameterHeizen, &r.RegelparameterKuehlen, &r.RegelparameterZusatzheizen,
                                        &r.RegelparameterZusatzkuehlen, &r.RegelparameterHeizenRk2,
                                        &r.RegelparameterKuehlenRk2}) {
        values.insert(values.end(), {satz->Proportionalbereich, satz->Nachstellzeit, satz->ObereHysteresegrenze,
                                     satz->UntereHysteresegrenze});
    }
    values.insert(values.end(), {r.ZyklischesSendenUmschaltung, r.VerzoegerungFensterstatus, r.FrostschutzdauerAutomatik});
    return values;
}

} // namespace climatest
