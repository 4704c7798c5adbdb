#include "outside/addrlink/AddrlinkFactory.h"
#include "outside/clockfunc/ClockfuncFactory.h"
#include "outside/keyplan/KeyplanFactory.h"
#include "outside/remotefunc/RemotefuncFactory.h"
#include "outside/scenefunc/ScenefuncFactory.h"
#include "outside/sysfunc/SysfuncFactory.h"
#include "tests/product/support/StandInFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace producttest {
namespace {

using TMake = std::function<std::unique_ptr<TDataBasis>(platform::HWND window, TTalvoSystem& system)>;
// Restores the object of a record as the device does: the record's System, Parent, Name and
// Handle, and the extra integer the device passes.
using TRestore = std::function<std::unique_ptr<TDataBasis>(platform::HWND window, const TDatenStruktur& record)>;

struct StandIn {
    const char* Name;
    TMake Make;
    TRestore Restore;
};

void PrintTo(const StandIn& standIn, std::ostream* out)
{
    *out << standIn.Name;
}

const TSysfuncFactory& Sys = TSysfuncFactory::Default();
const TKeyplanFactory& Key = TKeyplanFactory::Default();
constexpr int Keys = 10; // the key count of the fixture's system object

const StandIn StandIns[] = {
    {"TTalvoSystem",
     [](platform::HWND w, TTalvoSystem&) {
         auto object = Sys.CreateTalvoSystem(w, 0, 0, "Talvo", 815, -1, 0, false);
         object->SetAnzahlTasten(6);
         object->SetTastenAnordnung(1);
         object->SetPhysAdr("01.01.005");
         object->SetSystemFlags(false, true, false, true, true, false);
         return std::unique_ptr<TDataBasis>(std::move(object));
     },
     [](platform::HWND w, const TDatenStruktur& r) {
         return std::unique_ptr<TDataBasis>(
             Sys.CreateTalvoSystem(w, r.System, r.Parent, r.Name, 0, 0, r.Handle, false));
     }},
    {"TTalvoDisplay",
     [](platform::HWND w, TTalvoSystem& s) {
         return std::unique_ptr<TDataBasis>(Sys.CreateTalvoDisplay(w, s.GetSystem(), s.GetHandle(), "Anzeige", 0));
     },
     [](platform::HWND w, const TDatenStruktur& r) {
         return std::unique_ptr<TDataBasis>(Sys.CreateTalvoDisplay(w, r.System, r.Parent, r.Name, r.Handle));
     }},
    {"TTalvoDatumUhrzeitSenden",
     [](platform::HWND w, TTalvoSystem& s) {
         return std::unique_ptr<TDataBasis>(
             Sys.CreateTalvoDatumUhrzeitSenden(w, s.GetSystem(), s.GetHandle(), "Datum/Uhrzeit", 0));
     },
     [](platform::HWND w, const TDatenStruktur& r) {
         return std::unique_ptr<TDataBasis>(Sys.CreateTalvoDatumUhrzeitSenden(w, r.System, r.Parent, r.Name, r.Handle));
     }},
    {"TTastsensorFunktion",
     [](platform::HWND w, TTalvoSystem& s) {
         return std::unique_ptr<TDataBasis>(
             Key.CreateTastsensorFunktion(w, s.GetSystem(), s.GetHandle(), "Tastsensor-Funktion", 0));
     },
     [](platform::HWND w, const TDatenStruktur& r) {
         return std::unique_ptr<TDataBasis>(Key.CreateTastsensorFunktion(w, r.System, r.Parent, r.Name, r.Handle));
     }},
    {"TTsSperrverhalten",
     [](platform::HWND w, TTalvoSystem& s) {
         return std::unique_ptr<TDataBasis>(Key.CreateTsSperrverhalten(w, s.GetSystem(), 50, "Sperren", Keys, 0));
     },
     [](platform::HWND w, const TDatenStruktur& r) {
         return std::unique_ptr<TDataBasis>(Key.CreateTsSperrverhalten(w, r.System, r.Parent, r.Name, Keys, r.Handle));
     }},
    {"TTsBetaetigung",
     [](platform::HWND w, TTalvoSystem& s) {
         return std::unique_ptr<TDataBasis>(Key.CreateTsBetaetigung(w, s.GetSystem(), 50, "Bedienung", Keys, 0));
     },
     [](platform::HWND w, const TDatenStruktur& r) {
         return std::unique_ptr<TDataBasis>(Key.CreateTsBetaetigung(w, r.System, r.Parent, r.Name, Keys, r.Handle));
     }},
    {"TTsTaste",
     [](platform::HWND w, TTalvoSystem& s) {
         auto key = Key.CreateTsTaste(w, s.GetSystem(), 51, "Taste 3", 3, 0);
         key->SetPosId(3);
         return std::unique_ptr<TDataBasis>(std::move(key));
     },
     [](platform::HWND w, const TDatenStruktur& r) {
         return std::unique_ptr<TDataBasis>(Key.CreateTsTaste(w, r.System, r.Parent, r.Name, 0, r.Handle));
     }},
    {"TTsWippe",
     [](platform::HWND w, TTalvoSystem& s) {
         auto rocker = Key.CreateTsWippe(w, s.GetSystem(), 51, "Wippe 2", 2, 0);
         rocker->SetPosId(3);
         return std::unique_ptr<TDataBasis>(std::move(rocker));
     },
     [](platform::HWND w, const TDatenStruktur& r) {
         return std::unique_ptr<TDataBasis>(Key.CreateTsWippe(w, r.System, r.Parent, r.Name, 0, r.Handle));
     }},
    {"TTsTasteStatus",
     [](platform::HWND w, TTalvoSystem& s) {
         return std::unique_ptr<TDataBasis>(Key.CreateTsTasteStatus(w, s.GetSystem(), 52, "Status Taste", 3, 0));
     },
     [](platform::HWND w, const TDatenStruktur& r) {
         return std::unique_ptr<TDataBasis>(Key.CreateTsTasteStatus(w, r.System, r.Parent, r.Name, 0, r.Handle));
     }},
    {"TTsWippeStatus",
     [](platform::HWND w, TTalvoSystem& s) {
         return std::unique_ptr<TDataBasis>(Key.CreateTsWippeStatus(w, s.GetSystem(), 53, "Status Wippe", 2, 0));
     },
     [](platform::HWND w, const TDatenStruktur& r) {
         return std::unique_ptr<TDataBasis>(Key.CreateTsWippeStatus(w, r.System, r.Parent, r.Name, 0, r.Handle));
     }},
    {"TTastenFunktionDimmen",
     [](platform::HWND w, TTalvoSystem& s) {
         return std::unique_ptr<TDataBasis>(Key.CreateFunktion(6559, w, s.GetSystem(), 52, "Dimmen", 0));
     },
     [](platform::HWND w, const TDatenStruktur& r) {
         return std::unique_ptr<TDataBasis>(Key.CreateFunktion(r.Typ, w, r.System, r.Parent, r.Name, r.Handle));
     }},
    {"TWippenFunktionJalousie",
     [](platform::HWND w, TTalvoSystem& s) {
         return std::unique_ptr<TDataBasis>(Key.CreateFunktion(6572, w, s.GetSystem(), 53, "Jalousie", 0));
     },
     [](platform::HWND w, const TDatenStruktur& r) {
         return std::unique_ptr<TDataBasis>(Key.CreateFunktion(r.Typ, w, r.System, r.Parent, r.Name, r.Handle));
     }},
    {"TSzenenFunktion",
     [](platform::HWND w, TTalvoSystem& s) {
         auto function = TScenefuncFactory::Default().CreateSzenenFunktion(w, s.GetSystem(), s.GetHandle(),
                                                                           "Szenen-Funktion", 0);
         function->SetDefaultValues();
         return std::unique_ptr<TDataBasis>(std::move(function));
     },
     [](platform::HWND w, const TDatenStruktur& r) {
         return std::unique_ptr<TDataBasis>(
             TScenefuncFactory::Default().CreateSzenenFunktion(w, r.System, r.Parent, r.Name, r.Handle));
     }},
    {"TSzene",
     [](platform::HWND w, TTalvoSystem& s) {
         auto scene = TScenefuncFactory::Default().CreateSzene(w, s.GetSystem(), 54, "Szene 3", 0);
         scene->SetPosId(3);
         scene->SetBezeichnungSzene("Szene 3");
         scene->SetDefaultValues();
         return std::unique_ptr<TDataBasis>(std::move(scene));
     },
     [](platform::HWND w, const TDatenStruktur& r) {
         return std::unique_ptr<TDataBasis>(
             TScenefuncFactory::Default().CreateSzene(w, r.System, r.Parent, r.Name, r.Handle));
     }},
    {"TSchaltuhr",
     [](platform::HWND w, TTalvoSystem& s) {
         auto timeSwitch = TClockfuncFactory::Default().CreateSchaltuhr(w, s.GetSystem(), s.GetHandle(),
                                                                        "Schaltuhr 2", 2, 0);
         TMapSchaltuhrDaten& times = *timeSwitch->GetPointerMapSchaltDaten();
         times[1] = {6, 30, T_DB_EnumSchaltuhr::wtWerktage, T_DB_EnumSchaltuhr::dfWert, 200};
         times[8] = {22, 15, T_DB_EnumSchaltuhr::wtTaeglich, T_DB_EnumSchaltuhr::dfSchalten, 1};
         times[14] = {23, 59, T_DB_EnumSchaltuhr::wtSonntag, T_DB_EnumSchaltuhr::dfSzenenabruf, 8};
         return std::unique_ptr<TDataBasis>(std::move(timeSwitch));
     },
     [](platform::HWND w, const TDatenStruktur& r) {
         return std::unique_ptr<TDataBasis>(
             TClockfuncFactory::Default().CreateSchaltuhr(w, r.System, r.Parent, r.Name, 0, r.Handle));
     }},
    {"TIrFernbedienung",
     [](platform::HWND w, TTalvoSystem& s) {
         auto remote = TRemotefuncFactory::Default().CreateIrFernbedienung(w, s.GetSystem(), s.GetHandle(),
                                                                           "IR-Fernbedienung", Keys, 0);
         remote->SetDefaultValues();
         return std::unique_ptr<TDataBasis>(std::move(remote));
     },
     [](platform::HWND w, const TDatenStruktur& r) {
         return std::unique_ptr<TDataBasis>(
             TRemotefuncFactory::Default().CreateIrFernbedienung(w, r.System, r.Parent, r.Name, Keys, r.Handle));
     }},
    {"TEtsObjekt",
     [](platform::HWND w, TTalvoSystem& s) {
         auto object = TAddrlinkFactory::Default().CreateEtsObjekt(w, s.GetSystem(), s.GetHandle(), "Uhrzeit", 301,
                                                                   302, 57, 303, 3300, 1, 0, 10, 2, 1, 0);
         object->SetObjektWert(1234);
         object->SetEnableCellFlagStatus(true);
         object->AddSubGroupLink(71, 0x0801, true);
         object->AddSubGroupLink(72, 0x0802, false);
         object->SetObjektFlags(true, false, true, false, true, false, false);
         return std::unique_ptr<TDataBasis>(std::move(object));
     },
     [](platform::HWND w, const TDatenStruktur& r) {
         return std::unique_ptr<TDataBasis>(TAddrlinkFactory::Default().CreateEtsObjekt(
             w, r.System, r.Parent, r.Name, -1, -1, -1, -1, -1, -1, 0, 0, 1, 0, r.Handle));
     }},
};

class RoundTrip : public StandInFixture, public ::testing::WithParamInterface<StandIn> {};

TEST_P(RoundTrip, AnObjectSurvivesWriteThenInitFromDB)
{
    TDataBasis* original = Register(GetParam().Make(Window(), *system));
    original->SetPosId(original->GetPosId() == 0 ? 5 : original->GetPosId());
    const auto defaults = Snapshot(*original);
    const int changeable = ChangeEveryRow(*original); // every value the grid shows moves off its default
    const auto changed = Snapshot(*original);
    if (changeable > 0) {
        EXPECT_NE(changed, defaults) << "the grid changed nothing";
    }
    const TDatenStruktur written = WriteRecord(*original);
    const auto writtenChain = Chain(written);

    std::unique_ptr<TDataBasis> restored = GetParam().Restore(Window(), written);
    restored->InitFromDB(written);

    EXPECT_EQ(restored->GetTyp(), original->GetTyp());
    EXPECT_EQ(restored->GetHandle(), original->GetHandle());
    EXPECT_EQ(restored->GetParentHandle(), original->GetParentHandle());
    EXPECT_EQ(restored->GetSystem(), original->GetSystem());
    EXPECT_EQ(restored->GetName(false), original->GetName(false));
    EXPECT_EQ(restored->GetPosId(), original->GetPosId());
    EXPECT_EQ(Snapshot(*restored), changed) << "the restored object shows the values of the original";

    // Written again, the restored object gives the same record and the same additional records.
    TDatenStruktur again;
    restored->Write(again);
    const auto againChain = Chain(again);
    again.Next = written.Next;
    EXPECT_EQ(again.ToString(), written.ToString());
    ASSERT_EQ(againChain.size(), writtenChain.size());
    for (std::size_t i = 0; i < writtenChain.size(); ++i) {
        for (int n = 1; n <= TDatenStruktur::ParamCount; ++n)
            EXPECT_EQ(againChain[i]->ParamAt(n), writtenChain[i]->ParamAt(n))
                << "chained record " << i << " Param" << n;
    }
}

INSTANTIATE_TEST_SUITE_P(StandIns, RoundTrip, ::testing::ValuesIn(StandIns),
                         [](const ::testing::TestParamInfo<StandIn>& info) { return std::string(info.param.Name); });

TEST_F(StandInFixture, TheFieldsTheDeviceReadsAreWhereItReadsThem)
{
    auto scene = TScenefuncFactory::Default().CreateSzene(Window(), 0, 54, "Szene 3", 0);
    scene->SetPosId(3);
    EXPECT_EQ(WriteRecord(*Register(std::move(scene))).Param1, 3) << "scene number";

    auto timeSwitch = TClockfuncFactory::Default().CreateSchaltuhr(Window(), 0, 1, "Schaltuhr 2", 2, 0);
    TSchaltuhr* restoredSwitch = nullptr;
    {
        const TDatenStruktur record = WriteRecord(*Register(std::move(timeSwitch)));
        EXPECT_EQ(record.Param3, 2) << "time-switch number";
        auto restored = TClockfuncFactory::Default().CreateSchaltuhr(Window(), 0, 1, record.Name, 0, record.Handle);
        restored->InitFromDB(record);
        EXPECT_EQ(restored->GetSchaltuhrNummer(), 2);
        restoredSwitch = restored.get();
        EXPECT_EQ(restoredSwitch->GetPointerMapSchaltDaten()->size(), 14u);
    }

    EXPECT_EQ(WriteRecord(*system).Param4, 4711) << "host device id";

    auto key = TKeyplanFactory::Default().CreateTsTaste(Window(), 0, 51, "Taste 4", 4, 0);
    const TDatenStruktur keyRecord = WriteRecord(*Register(std::move(key)));
    auto restoredKey = TKeyplanFactory::Default().CreateTsTaste(Window(), 0, 51, "Taste 4", 0, keyRecord.Handle);
    restoredKey->InitFromDB(keyRecord);
    EXPECT_EQ(restoredKey->GetTastenNummer(), 4) << "the number comes from the record";
    EXPECT_EQ(restoredKey->GetDisplayOrder(), 400);
}

} // namespace
} // namespace producttest
