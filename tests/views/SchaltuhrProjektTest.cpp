#include "climalib/RaumtemperaturSchaltuhr.h"
#include "outside/clockfunc/ClockfuncFactory.h"
#include "outside/datacore/EibHandle.h"
#include "outside/sysfunc/SysfuncFactory.h"
#include "platform/MemoryStream.h"
#include "views/DlgRaumtempSchaltuhrDaten.h"
#include "views/DlgSchaltuhrDaten.h"
#include "tests/support/DeviceProject.h"
#include "tests/support/ScriptedUi.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <list>
#include <memory>
#include <vector>

namespace schaltzeit {
namespace {

using TRecordTable = TDeviceInstanz::TRecordTable;

void Klick(QWidget& dialog, const char* name)
{
    auto* knopf = dialog.findChild<QAbstractButton*>(QLatin1String(name));
    ASSERT_NE(knopf, nullptr) << name;
    QTest::mouseClick(knopf, Qt::LeftButton, {}, knopf->rect().center());
}

// The records chained behind the stored record of the object type (with Param3 = number for a
// time switch), as the data block holds them.
std::vector<TDatenStruktur> Kette(const TRecordTable& tabelle, int typ, int nummer)
{
    const TDatenStruktur* kopf = nullptr;
    for (const auto& [key, record] : tabelle.GetRecords())
        if (record.Typ == typ && (nummer == 0 || record.Param3 == nummer))
            kopf = &record;
    std::vector<TDatenStruktur> kette;
    for (std::int32_t next = kopf ? kopf->Next : 0; next != 0;) {
        const TDatenStruktur* glied = nullptr;
        for (const auto& [key, record] : tabelle.GetRecords())
            if (record.Handle == next && record.System == kopf->System)
                glied = &record;
        if (!glied)
            break;
        kette.push_back(*glied);
        next = glied->Next;
    }
    return kette;
}

// Slot 1 of a time switch's chain: day, format, hour, minute and value.
std::array<int, 5> ErsterSlot(const std::vector<TDatenStruktur>& kette)
{
    if (kette.empty())
        return {};
    const std::int32_t packed = kette.front().Param1;
    return {(packed >> 24) & 0xFF, (packed >> 16) & 0xFF, (packed >> 8) & 0xFF, packed & 0xFF, kette.front().Param2};
}

TEST(SchaltuhrenImProjekt, OkAndWriteStoreTheNewSwitchingTimesInTheDataBlock)
{
    testsupport::DeviceProject project;
    testsupport::ScriptedUi ui;
    auto device = project.MakeDevice();
    device->EibHandle = std::make_unique<TEibHandle>(std::list<int>{});
    const platform::HWND window = project.Window();
    const auto add = [&device](auto owned) {
        auto* raw = owned.get();
        EXPECT_TRUE(device->SetPointer2List(owned.release()));
        raw->Write(*device->GetDatenSatz(raw));
        return raw;
    };
    auto* system = add(TSysfuncFactory::Default().CreateTalvoSystem(window, 0, 0, device->GetDeviceName(),
                                                                    testsupport::DeviceProject::DeviceId, -1, 0, false));
    device->SetDevice(system);
    const std::int32_t parent = system->GetHandle();
    TSchaltuhr* schaltuhr1 = add(TClockfuncFactory::Default().CreateSchaltuhr(window, 0, parent, "Schaltuhr 1", 1, 0));
    TSchaltuhr* schaltuhr2 = add(TClockfuncFactory::Default().CreateSchaltuhr(window, 0, parent, "Schaltuhr 2", 2, 0));
    auto* raumtemp = add(std::make_unique<TRaumtemperaturSchaltuhr>(window, 0, parent, "Raumtemperatur-Schaltuhr", 0));
    device->SetSystemFlags(true, false, true, false, false, false);

    {
        TDlgSchaltuhrDaten dialog(nullptr, nullptr, device.get(), {{1, schaltuhr1}, {2, schaltuhr2}},
                                  {{1, schaltuhr1->GetPointerMapSchaltDaten()},
                                   {2, schaltuhr2->GetPointerMapSchaltDaten()}},
                                  false);
        dialog.show();
        Klick(dialog, "ChkBoxMontag");
        Klick(dialog, "BtnAdd");
        Klick(dialog, "ChkBoxSchaltzeitenUeberschreiben");
        Klick(dialog, "BtnOk");
        ASSERT_EQ(dialog.result(), 1);
    }
    for (TSchaltuhr* schaltuhr : {schaltuhr1, schaltuhr2})
        schaltuhr->Write(*device->GetDatenSatz(schaltuhr));
    {
        TDlgRaumtempSchaltuhrDaten dialog(nullptr, nullptr, device.get(), raumtemp->GetPointerMapSchaltDaten(), false);
        dialog.show();
        Klick(dialog, "RdGrpTage3"); // "Wochen&ende"
        dialog.findChild<QComboBox*>(QStringLiteral("CbxBetriebsmodus"))->activated(2);
        Klick(dialog, "BtnAdd");
        Klick(dialog, "BtnOk");
        ASSERT_EQ(dialog.result(), 1);
    }
    raumtemp->Write(*device->GetDatenSatz(raumtemp));
    device->CharSetStream.Write(testsupport::DeviceProject::CharSet());
    device->DeviceTextStream.Write(testsupport::DeviceProject::DeviceText());
    ASSERT_TRUE(device->WriteBlob());
    EXPECT_TRUE(ui.boxes().empty()) << ui.boxes().front().text;

    platform::TMemoryStream block(project.StoredBlock());
    platform::TMemoryStream db;
    ASSERT_TRUE(device->ParseData(&block, &db, "DB"));
    const TRecordTable tabelle(&db);

    // Time switch 1: Monday 07:00, switching 0; time switch 2 untouched.
    EXPECT_EQ(ErsterSlot(Kette(tabelle, TSchaltuhr::Typ, 1)), (std::array<int, 5>{1, 0, 7, 0, 0}));
    EXPECT_EQ(Kette(tabelle, TSchaltuhr::Typ, 2).front().Param1, -1);
    // The room-temperature time switch: Saturday and Sunday 07:00, night mode.
    const std::vector<TDatenStruktur> kette = Kette(tabelle, TRaumtemperaturSchaltuhr::Typ, 0);
    ASSERT_FALSE(kette.empty());
    const tagSchaltDaten slot1 = TRaumtemperaturSchaltuhr::IntToSchaltDaten(kette.front().Param1);
    EXPECT_EQ(slot1, (tagSchaltDaten{7, 0, 9, 0, 3}));
    EXPECT_EQ(TRaumtemperaturSchaltuhr::IntToSchaltDaten(kette.front().Param2), tagSchaltDaten{}); // slot 2 free

    // The owned download flags are written, the others kept.
    std::array<bool, 6> flags{};
    device->GetSystemFlags(flags[0], flags[1], flags[2], flags[3], flags[4], flags[5]);
    EXPECT_EQ(flags, (std::array<bool, 6>{true, false, true, false, true, true}));
}

} // namespace
} // namespace schaltzeit
