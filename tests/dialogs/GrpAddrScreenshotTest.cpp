#include "dialogs/project/DlgLinkToGrpAddr.h"
#include "dialogs/project/DlgSelGrpAddr.h"
#include "dialogs/project/GrpAddrEdit.h"
#include "tests/dialogs/GrpAddrDialogSupport.h"

#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

using namespace grpaddrtest;

// The four dialogs as a person sees them, saved as pictures.
class GrpAddrScreenshot : public GaDialogTest {
protected:
    static void Save(QWidget& dialog, const char* name)
    {
        const QString folder = QStringLiteral(GRPADDR_SCREENSHOT_DIR);
        ASSERT_TRUE(QDir().mkpath(folder));
        EXPECT_TRUE(dialog.grab().save(folder + "/" + name));
    }
};

TEST_F(GrpAddrScreenshot, LinkDialog)
{
    std::int16_t main = 0, middle = 0, sub = 0;
    std::string name;
    TDlgLinkToGrpAddr dialog(nullptr, 3, &main, &middle, &sub, &name, "1/0/1");
    dialog.show();
    QTest::keyClicks(dialog.EditGrpAddrName, "Flur Licht");
    Save(dialog, "link_dialog.png");
}

TEST_F(GrpAddrScreenshot, SelectGrpAddr)
{
    // A 1-byte object (host type 7): the 2/2/1 of its type and six of every type; two assigned.
    Query("DELETE FROM sub_group WHERE id = " + std::to_string(SubGroupId(3, 4, 20)));
    Load();
    auto* object = AddObject(100, ids_.WohnenTime, 57, 8);
    TObjektBasis::TGrpAdrIdList links{{SubGroupId(2, 2, 1), 0, false}, {SubGroupId(1, 0, 2), 0, false}};
    TDlgSelGrpAddr dialog(nullptr, device_->EtsGruppenAdressen.get(), &MidSub(), links, object, 3, NameQuery(), {});
    dialog.show();
    dialog.lvGrpAddrSource->header()->sectionClicked(1);
    dialog.lvGrpAddrDest->header()->sectionClicked(1);
    ASSERT_EQ(5, dialog.lvGrpAddrSource->topLevelItemCount());
    ASSERT_EQ(2, dialog.lvGrpAddrDest->topLevelItemCount());
    EXPECT_EQ("Name *", dialog.lvGrpAddrSource->headerItem()->text(1));
    dialog.lvGrpAddrSource->topLevelItem(1)->setSelected(true);
    QTest::keyClicks(dialog.edtGrpAddr, "1/0/3");
    Save(dialog, "select_grpaddr.png");
}

TEST_F(GrpAddrScreenshot, GaCheck)
{
    Load();
    AddObjectRecord(1, 12, "Schalten", 1, Adr(1, 0, 4));
    AddObjectRecord(2, 13, "Dimmen", 1, Adr(1, 1, 10));
    AddObjectRecord(3, 14, "Status", 1, Adr(5, 0, 1));
    ScriptedGaCheck dialog(nullptr, Mains(), MidSub(), true, used_, toCreate_);
    dialog.OnShow = [](TFDlgGaCheck& shown) {
        ASSERT_EQ(3, shown.ListView->topLevelItemCount());
        Save(shown, "ga_check.png");
        shown.ButtonOk->click();
    };
    EXPECT_EQ(1, dialog.CheckGaConsistence(&records_));
}

TEST_F(GrpAddrScreenshot, GaChange)
{
    Load();
    TRecGroupAddrInfo entry;
    entry.Current = Adr(5, 0, 1);
    entry.Typ = 4; // 4 bit: 1/1/10 suits, 1/1/1 does not
    entry.TypText = "4 Bit";
    entry.StatusText = "fehlt";
    entry.Target = Adr(1, 1, 10);
    int result = 0;
    TFDlgGrpAddrChange dialog(nullptr, &entry, Mains(), MidSub(), true, toCreate_, result, NameQuery());
    dialog.show();
    ASSERT_NE(nullptr, dialog.TreeView->currentItem());
    EXPECT_EQ("Kind Licht dimmen", dialog.TreeView->currentItem()->text(0));
    Save(dialog, "ga_change.png");
}

} // namespace
