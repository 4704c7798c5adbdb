#include "app/DataModule.h"
#include "app/FormMain.h"
#include "outside/clockfunc/ClockfuncFactory.h"
#include "outside/datacore/EibHandle.h"
#include "outside/sysfunc/SysfuncFactory.h"
#include "tests/support/DeviceProject.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempDir.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <list>
#include <memory>

namespace schaltzeit {
namespace {

void Klick(QDialog& dialog, const char* name)
{
    auto* knopf = dialog.findChild<QAbstractButton*>(QLatin1String(name));
    ASSERT_NE(knopf, nullptr) << name;
    QTest::mouseClick(knopf, Qt::LeftButton, {}, knopf->rect().center());
}

// The program's data module and main window on a temporary program folder, editing a device of
// the stand-in host's project that has both time switches.
class SchaltuhrBefehl : public ::testing::Test {
protected:
    SchaltuhrBefehl()
    {
        setenv("PANELCONF_HOME", (Home.path().string() + "/").c_str(), 1);
        Device = Project.MakeDevice();
        Device->EibHandle = std::make_unique<TEibHandle>(std::list<int>{});
        const platform::HWND window = Project.Window();
        auto system = TSysfuncFactory::Default().CreateTalvoSystem(window, 0, 0, "Talvo", 1, -1, 0, false);
        TTalvoSystem* raw = system.get();
        EXPECT_TRUE(Device->SetPointer2List(system.release()));
        Device->SetDevice(raw);
        for (const int nummer : {1, 2}) {
            auto schaltuhr = TClockfuncFactory::Default().CreateSchaltuhr(window, 0, raw->GetHandle(),
                                                                          "Schaltuhr", nummer, 0);
            Schaltuhren[nummer - 1] = schaltuhr.get();
            EXPECT_TRUE(Device->SetPointer2List(schaltuhr.release()));
            Schaltuhren[nummer - 1]->Write(*Device->GetDatenSatz(Schaltuhren[nummer - 1]));
        }
        Main.AktDevInst = Device.get();
    }
    ~SchaltuhrBefehl() override
    {
        Main.AktDevInst = nullptr;
        unsetenv("PANELCONF_HOME");
    }

    testsupport::TempDir Home;
    testsupport::DeviceProject Project;
    testsupport::ScriptedUi Ui;
    std::unique_ptr<testsupport::ProjectDevice> Device;
    std::array<TSchaltuhr*, 2> Schaltuhren{};
    TDM Dm{nullptr};
    TFormMain Main{nullptr, {"panelconf"}};
};

TEST_F(SchaltuhrBefehl, OpensTheEditorAndOkHasTheTimeSwitchesWriteTheirRecords)
{
    // The sub-menu's own command enables the editor of the time switches the device has.
    DM->ASchaltuhrEditoren->trigger();
    ASSERT_TRUE(DM->ASchaltuhrEditor->isEnabled());
    EXPECT_FALSE(DM->ARaumtempSchaltuhrEditor->isEnabled());

    QString titel;
    Ui.OnModal([&titel](QDialog& dialog) {
        titel = dialog.windowTitle();
        dialog.show();
        Klick(dialog, "ChkBoxDonnerstag");
        Klick(dialog, "BtnAdd");
        Klick(dialog, "BtnOk");
        return dialog.result();
    });
    DM->ASchaltuhrEditor->trigger();
    EXPECT_EQ(titel, QStringLiteral("Schaltuhr-Schaltzeiten"));
    EXPECT_EQ((*Schaltuhren[0]->GetPointerMapSchaltDaten())[1], (tagSchaltuhrDaten{7, 0, 4, 0, 0}));

    // The record chain of time switch 1 holds the new switching time: Thursday 07:00.
    const TDatenStruktur* record = Device->GetDatenSatz(Schaltuhren[0]);
    ASSERT_NE(record, nullptr);
    ASSERT_NE(record->Next, 0);
    const TDatenStruktur* kette = Device->GetDatenSatz(record->System, record->Handle, record->Next);
    ASSERT_NE(kette, nullptr);
    EXPECT_EQ(kette->Param1, (4 << 24) | (7 << 8));
}

TEST_F(SchaltuhrBefehl, CancelChangesNothing)
{
    Ui.OnModal([](QDialog& dialog) {
        dialog.show();
        Klick(dialog, "ChkBoxDonnerstag");
        Klick(dialog, "BtnAdd");
        Klick(dialog, "BtnCancel");
        return dialog.result();
    });
    DM->ASchaltuhrEditor->trigger();
    EXPECT_EQ((*Schaltuhren[0]->GetPointerMapSchaltDaten())[1], tagSchaltuhrDaten{});
}

} // namespace
} // namespace schaltzeit
