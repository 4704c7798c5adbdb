#include "dialogs/project/DlgGlobalParameter.h"
#include "outside/tablebox/DrawGridSE.h"
#include "platform/QtUiService.h"
#include "tests/dialogs/globalparam/GlobalParamFixture.h"
#include "tests/dialogs/globalparam/MarkedObject.h"
#include "views/TreeNode.h"

#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace globalparamtest;

// Step 1 in a real modal loop: going on hides it, which ends a Qt dialog's loop; back from
// step 2 it must be modal again until the user ends it.
TEST(ModalLoop, BackFromStepTwoShowsStepOneModalAgain)
{
    platform::TQtUiService ui;
    const platform::TScopedUiService scope(ui);
    FakeMainWindow main;
    TMarkedObject object(10, 1);
    object.SetGlobalParameterValue(TMarkedObject::tagBetrieb, gpvAendern);
    TTreeNode node;
    node.SetData(&object);
    int opened = 0;
    bool visibleAgain = false;
    TDlgGlobalParameter* step1 = nullptr;
    TDlgGlobalParameter dialog(nullptr, &main, &node, 1, nullptr, TGlobalParameterGridLook{},
                               [&](TDlgGlobalParameter&, const std::vector<std::string>&) {
                                   ++opened;
                                   // Once step 1 shows again, the user cancels it.
                                   QTimer::singleShot(0, [&] {
                                       visibleAgain = step1->isVisible();
                                       step1->BtnCancel->click();
                                   });
                                   return 3;
                               });
    step1 = &dialog;
    main.Dialog = &dialog;
    QTimer::singleShot(0, [&] { dialog.BtnNext->click(); });
    EXPECT_EQ(dialog.ShowModal(), 2);
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(visibleAgain);
}

} // namespace
