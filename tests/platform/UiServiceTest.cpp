#include "platform/CursorHourGlass.h"
#include "platform/UiService.h"

#include "tests/support/ScriptedUi.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

namespace {

using platform::crDefault;
using platform::crHourGlass;
using testsupport::ScriptedUi;
using Kind = ScriptedUi::CallKind;

std::vector<platform::TCursor> CursorsSet(const ScriptedUi& ui)
{
    std::vector<platform::TCursor> cursors;
    for (const auto& call : ui.calls(Kind::Cursor))
        cursors.push_back(call.value);
    return cursors;
}

TEST(CursorHourGlass, NestedOnesKeepTheHourglassUntilTheOutermostEnds)
{
    ScriptedUi ui;
    {
        platform::TCursorHourGlass outer;
        EXPECT_EQ(ui.ScreenCursor(), crHourGlass);
        {
            platform::TCursorHourGlass inner;
            EXPECT_EQ(ui.ScreenCursor(), crHourGlass);
        }
        EXPECT_EQ(ui.ScreenCursor(), crHourGlass);
    }
    EXPECT_EQ(ui.ScreenCursor(), crDefault);
    EXPECT_THAT(CursorsSet(ui), ::testing::ElementsAre(crHourGlass, crHourGlass, crHourGlass, crDefault));
}

TEST(CursorHourGlass, EndedEarlyItPutsBackWhatWasShownBefore)
{
    ScriptedUi ui;
    auto early = std::make_unique<platform::TCursorHourGlass>();
    platform::SetScreenCursor(crDefault); // an operation that sets the default cursor on its own
    early.reset();
    EXPECT_EQ(ui.ScreenCursor(), crDefault);

    platform::SetScreenCursor(-21);
    {
        platform::TCursorHourGlass scope;
    }
    EXPECT_EQ(ui.ScreenCursor(), -21);
}

TEST(ScriptedUi, LogsEveryCallWithItsTextsAndStyle)
{
    ScriptedUi ui;
    ui.Answer({platform::IDNO});

    EXPECT_EQ(platform::MessageBox("Soll gel\xF6scht werden?", "Best\xE4tigen", platform::MB_YESNO | platform::MB_ICONQUESTION),
              platform::IDNO);
    EXPECT_EQ(platform::MessageBox("Weiter?", "Best\xE4tigen", platform::MB_YESNO), platform::IDYES);
    EXPECT_EQ(platform::ShowDetailMessageBox("Ausnahme-Fehler", "Fehler", "Ausnahme-Fehler\nbad", "app/Main.cpp", 42,
                                             "TFormMain::DoDownloadRs232", platform::MB_ICONERROR),
              platform::IDOK);
    ui.StartProgress({"Import", "", 6}, nullptr);
    ui.SetProgress(1, {"Import", "Lade Daten...\nL\xF6sche ETS-Objekte", 6});
    ui.StopProgress();

    ASSERT_EQ(ui.boxes().size(), 2u);
    EXPECT_EQ(ui.boxes()[0].text, "Soll gel\xF6scht werden?");
    EXPECT_EQ(ui.boxes()[0].caption, "Best\xE4tigen");
    EXPECT_EQ(ui.boxes()[0].style, platform::MB_YESNO | platform::MB_ICONQUESTION);

    ASSERT_EQ(ui.detailBoxes().size(), 1u);
    const auto& detail = ui.detailBoxes()[0];
    EXPECT_EQ(detail.text, "Ausnahme-Fehler");
    EXPECT_EQ(detail.caption, "Fehler");
    EXPECT_EQ(detail.detail, "Ausnahme-Fehler\nbad");
    EXPECT_EQ(detail.file, "app/Main.cpp");
    EXPECT_EQ(detail.line, 42);
    EXPECT_EQ(detail.function, "TFormMain::DoDownloadRs232");
    EXPECT_EQ(detail.style, platform::MB_ICONERROR);

    std::vector<Kind> kinds;
    for (const auto& call : ui.calls())
        kinds.push_back(call.kind);
    EXPECT_THAT(kinds, ::testing::ElementsAre(Kind::MessageBox, Kind::MessageBox, Kind::DetailBox, Kind::ProgressStart,
                                              Kind::ProgressStep, Kind::ProgressStop));
    const auto step = ui.calls(Kind::ProgressStep).at(0);
    EXPECT_EQ(step.value, 1);
    EXPECT_EQ(step.stepCount, 6);
    EXPECT_EQ(step.caption, "Import");
    EXPECT_EQ(step.text, "Lade Daten...\nL\xF6sche ETS-Objekte");
}

TEST(ScriptedUi, CancelsTheProgressAtTheScriptedStepOnly)
{
    ScriptedUi ui;
    int cancelled = 0;
    ui.CancelProgressAtStep(2);

    ui.SetProgress(2, {}); // closed: no dialog to cancel
    EXPECT_EQ(cancelled, 0);

    ui.StartProgress({"Plug-In starten", "Lade Ets Daten...", 6}, [&] { ++cancelled; });
    ui.SetProgress(1, {});
    EXPECT_EQ(cancelled, 0);
    ui.SetProgress(2, {});
    EXPECT_EQ(cancelled, 1);
    ui.SetProgress(2, {});
    EXPECT_EQ(cancelled, 1);
    ui.StopProgress();
    ui.StopProgress(); // closing twice is harmless
    EXPECT_FALSE(ui.progressOpen());
}

TEST(ScriptedUi, RestoresTheFormerServiceWhenItEnds)
{
    platform::TUiService* outer = &platform::Ui();
    {
        ScriptedUi ui;
        EXPECT_EQ(&platform::Ui(), &ui);
    }
    EXPECT_EQ(&platform::Ui(), outer);
}

} // namespace
