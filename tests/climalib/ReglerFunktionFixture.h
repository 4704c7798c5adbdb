#pragma once

#include "climalib/ReglerFunktion.h"
#include "tests/climalib/support/DataObjectFixtureBase.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace climatest {

// Short names of the control types for the tables of the tests.
constexpr T_DB_EnumReglerFunktion::TEnumArtRegelung PI = T_DB_EnumReglerFunktion::arStetigePI;
constexpr T_DB_EnumReglerFunktion::TEnumArtRegelung PWM = T_DB_EnumReglerFunktion::arSchaltendePWM;
constexpr T_DB_EnumReglerFunktion::TEnumArtRegelung P2 = T_DB_EnumReglerFunktion::arZweiPunkt;

// A new controller function (its handle from the device's table) registered with a fake device
// behind a fake main window, and a grid to fill. The messages of the set-up are cleared.
class ReglerFunktionFixture : public DataObjectFixtureBase {
protected:
    ReglerFunktionFixture() : regler(std::make_unique<TReglerFunktion>(window.Handle(), System, Parent, "Regler", 0))
    {
        SetSubject(*regler);
        Device().Register(regler.get());
        window.Clear();
    }

    // A user's choice in the combo row of the tag: the item with that value. Builds the grid
    // first and forgets the messages of building it.
    void Choose(int tag, int value)
    {
        Build();
        window.Clear();
        ChooseValue(tag, value);
    }
    // A user's new number in the spin row of the tag, taken on leaving the cell.
    void Spin(int tag, double value)
    {
        Build();
        window.Clear();
        SpinAndLeave(tag, value);
    }

    // The requests that reached the device, in the order they were sent:
    // "ask 3160 3200" (may the objects go), "set 3160=3 @-900" (ModifyObject; " ask" when the
    // device is to ask), "udm 8/0" (device request with its byte), "name".
    std::vector<std::string> Requests() const
    {
        std::vector<std::string> lines;
        for (const Delivery& delivery : Deliveries()) {
            if (const FakeDevice::DeviceRequest* request = delivery.device) {
                lines.push_back("udm " + std::to_string(request->Code) + "/" + std::to_string(request->Byte));
            } else if (const FakeDevice::TransportRequest* request = delivery.transport) {
                if (request->Code == UDT_CHECK_IF_DELETE_OBJECTS_ALLOWED) {
                    std::string line = "ask";
                    for (const int number : request->ObjectNumbers)
                        line += " " + std::to_string(number);
                    lines.push_back(line);
                } else if (request->Code == UDT_ADD_ETS_OBJECT_BY_DISPLAY_ORDER) {
                    lines.push_back("set " + std::to_string(request->DisplayOrder) + "="
                                    + std::to_string(request->Value) + " @" + std::to_string(request->PositionBase)
                                    + (request->Ask ? " ask" : ""));
                } else {
                    lines.push_back("name");
                }
            }
        }
        return lines;
    }
    // Only the object switches among the requests.
    std::vector<std::string> ObjectSwitches() const
    {
        std::vector<std::string> switches;
        for (const std::string& line : Requests()) {
            if (line.rfind("set ", 0) == 0)
                switches.push_back(line);
        }
        return switches;
    }

    // What was posted, delivered now.
    std::vector<FakeMainWindow::Message> DeliveredPosts()
    {
        const std::size_t before = window.Messages().size();
        window.DeliverPosted();
        return {window.Messages().begin() + static_cast<std::ptrdiff_t>(before), window.Messages().end()};
    }

    std::unique_ptr<TReglerFunktion> regler;
};

// The questions before objects go, as Requests shows them: the heating, the cooling and the
// common objects, and those an operating type and a number of circuits take along.
inline const std::string AskHeating = "ask 3160 3200 3170 3210";
inline const std::string AskCooling = "ask 3180 3220 3190 3230";
inline const std::string AskCommonObject = "ask 3160 3200 3170 3210 3180 3220 3190 3230 3090 3110 3120";
inline const std::string AskOperatingType = "ask 3150 3160 3200 3170 3210 3180 3220 3190 3230 3090 3110 3120";
inline const std::string AskCircuits =
    "ask 3150 3160 3200 3170 3210 3180 3220 3190 3230 3090 3110 3120 3250 3040 3010";

// The switches of the four heating or cooling objects with their values, as Requests shows them.
inline std::vector<std::string> Heating(int a, int b, int c, int d)
{
    return {"set 3160=" + std::to_string(a) + " @-900", "set 3200=" + std::to_string(b) + " @-899",
            "set 3170=" + std::to_string(c) + " @-898", "set 3210=" + std::to_string(d) + " @-897"};
}

inline std::vector<std::string> Cooling(int a, int b, int c, int d)
{
    return {"set 3180=" + std::to_string(a) + " @-500", "set 3220=" + std::to_string(b) + " @-499",
            "set 3190=" + std::to_string(c) + " @-498", "set 3230=" + std::to_string(d) + " @-497"};
}

// Joins lines and groups of lines into one expected list.
inline std::vector<std::string> Lines(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> lines;
    for (const auto& part : parts)
        lines.insert(lines.end(), part.begin(), part.end());
    return lines;
}

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
