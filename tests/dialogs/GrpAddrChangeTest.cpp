#include "dialogs/project/GaTree.h"
#include "dialogs/project/GrpAddrEdit.h"
#include "dialogs/project/GrpAddrImages.h"
#include "outside/addrlink/SorvGrpAdrMain.h"
#include "platform/Cp1252.h"
#include "tests/dialogs/GrpAddrDialogSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using namespace grpaddrtest;

const std::string InvalidText = "Es wurde eine ung\xFCltige Gruppenadresse eingegeben!";

class GrpAddrChange : public GaDialogTest {
protected:
    GrpAddrChange()
    {
        Load();
        entry_.Current = Adr(1, 0, 4);
        entry_.Typ = 1;
        entry_.TypText = "1 Bit";
        entry_.StatusText = "falscher Typ";
    }

    TFDlgGrpAddrChange& Open(bool threeLevels = true)
    {
        dialog_.emplace(nullptr, &entry_, Mains(), MidSub(), threeLevels, toCreate_, result_, NameQuery());
        dialog_->show();
        return *dialog_;
    }
    QTreeWidgetItem* Item(const std::string& text) const
    {
        const QList<QTreeWidgetItem*> found = dialog_->TreeView->findItems(
            QString::fromLatin1(text.c_str()), Qt::MatchExactly | Qt::MatchRecursive);
        return found.size() == 1 ? found.front() : nullptr;
    }
    std::string Current() const
    {
        const QTreeWidgetItem* item = dialog_->TreeView->currentItem();
        return item ? platform::FromQString(item->text(0)) : "";
    }
    void Type(const std::string& text)
    {
        dialog_->EditSollGa->clear();
        QTest::keyClicks(dialog_->EditSollGa, QString::fromLatin1(text.c_str()));
    }
    void Enter() { QTest::keyClick(dialog_->EditSollGa, Qt::Key_Return); }
    QImage IconOf(const QTreeWidgetItem* item) const { return item->icon(0).pixmap(16, 16).toImage(); }

    TRecGroupAddrInfo entry_;
    int result_ = -5;
    std::optional<TFDlgGrpAddrChange> dialog_;
};

TEST_F(GrpAddrChange, OpensWithTheTargetSelectedAndExpanded)
{
    entry_.Target = Adr(1, 0, 1);
    Open();
    EXPECT_EQ("Flur Licht", Current());
    const QTreeWidgetItem* middle = dialog_->TreeView->currentItem()->parent();
    EXPECT_TRUE(middle->isExpanded());
    EXPECT_TRUE(middle->parent()->isExpanded());
    EXPECT_TRUE(dialog_->TreeView->topLevelItem(0)->isExpanded());
    EXPECT_EQ("1/0/1", dialog_->EditSollGa->text());
    EXPECT_TRUE(dialog_->ButtonOk->isEnabled());
    EXPECT_EQ(dialog_->TreeView, dialog_->focusWidget());
    EXPECT_EQ("Adresse: 1/0/4", dialog_->lblIstGa->text());
    EXPECT_EQ("Status: falscher Typ", dialog_->lblSatusIstGa->text());
    EXPECT_EQ("Adresse (Typ: 1 Bit):", dialog_->lblGrpAddrEditText->text());
    EXPECT_EQ("Gruppenadresse wechseln", dialog_->windowTitle());
    EXPECT_EQ(QSize(469, 478), dialog_->size());
}

TEST_F(GrpAddrChange, WithoutTargetTheFocusIsInTheAddressField)
{
    Open();
    EXPECT_EQ("", Current());
    EXPECT_EQ(dialog_->EditSollGa, dialog_->focusWidget());
    EXPECT_TRUE(dialog_->ButtonOk->isEnabled());
    EXPECT_FALSE(dialog_->btnSearchAdd->isEnabled());
    EXPECT_EQ("Gruppenadressen", dialog_->TreeView->topLevelItem(0)->text(0));
    EXPECT_EQ(1, dialog_->TreeView->topLevelItemCount());
}

TEST_F(GrpAddrChange, TheTreeIsSortedByNumber)
{
    Open();
    const QTreeWidgetItem* kitchen = Item("K\xFC" "che Jalousie Auf/Ab"); // 3/4/20
    ASSERT_NE(nullptr, kitchen);
    const QTreeWidgetItem* main3 = kitchen->parent()->parent();
    ASSERT_EQ(2, main3->childCount());
    EXPECT_EQ(kitchen->parent(), main3->child(1)); // middle 4 after middle 0
    const QTreeWidgetItem* root = dialog_->TreeView->topLevelItem(0);
    for (int i = 1; i < root->childCount(); ++i)
        EXPECT_LT(dialog_->NodeOf(root->child(i - 1))->Number, dialog_->NodeOf(root->child(i))->Number);
}

TEST_F(GrpAddrChange, AnUnsuitableSubGroupIsCrossedAndCannotBeChosen)
{
    Open();
    const std::vector<QPixmap> images = MakeGaChangeImages();
    QTreeWidgetItem* crossed = Item("Kind Licht dimmen"); // 1/1/10, type 3
    QTreeWidgetItem* plain = Item("Flur Licht Status");  // 1/0/4, type 0
    EXPECT_EQ(WithOverlay(images[4], images[0]).toImage(), IconOf(crossed));
    EXPECT_EQ(images[4].toImage(), IconOf(plain));
    EXPECT_EQ(images[3].toImage(), IconOf(plain->parent()));
    EXPECT_EQ(images[2].toImage(), IconOf(plain->parent()->parent()));
    dialog_->TreeView->setCurrentItem(crossed);
    EXPECT_FALSE(dialog_->ButtonOk->isEnabled());
    EXPECT_EQ("1/1/10", dialog_->EditSollGa->text());
    dialog_->TreeView->setCurrentItem(plain);
    EXPECT_TRUE(dialog_->ButtonOk->isEnabled());
    dialog_->TreeView->setCurrentItem(plain->parent()); // a middle group
    EXPECT_FALSE(dialog_->ButtonOk->isEnabled());
}

TEST_F(GrpAddrChange, AddressZeroIsRefused)
{
    Open();
    Type("0/0/0");
    Enter();
    ASSERT_EQ(1u, ui_.boxes().size());
    EXPECT_EQ(InvalidText, ui_.boxes()[0].text);
    EXPECT_EQ(0, nameQueries_);
}

TEST_F(GrpAddrChange, ATypedAddressOfTheProjectIsSelected)
{
    Open();
    Type("1.0.4");
    EXPECT_FALSE(dialog_->ButtonOk->isEnabled()); // every key press
    EXPECT_TRUE(dialog_->btnSearchAdd->isEnabled());
    Enter();
    EXPECT_EQ("Flur Licht Status", Current());
    EXPECT_EQ(dialog_->TreeView, dialog_->focusWidget());
    EXPECT_TRUE(dialog_->ButtonOk->isEnabled());
    Type("1/1/10");
    dialog_->btnSearchAdd->click();
    EXPECT_EQ("Kind Licht dimmen", Current());
    EXPECT_FALSE(dialog_->ButtonOk->isEnabled());
    EXPECT_TRUE(ui_.boxes().empty());
}

TEST_F(GrpAddrChange, AMissingAddressIsAddedAndQueued)
{
    Open();
    const int mains = dialog_->TreeView->topLevelItem(0)->childCount();
    ui_.Answer({platform::IDYES, platform::IDYES});
    Type("2/3/4");
    Enter();
    ASSERT_EQ(1u, ui_.boxes().size());
    EXPECT_EQ("Die Gruppenadresse [2/3/4] wurde nicht gefunden!\n\nSoll diese angelegt werden?", ui_.boxes()[0].text);
    EXPECT_EQ("Hinweis", ui_.boxes()[0].caption);
    EXPECT_EQ(platform::MB_YESNO | platform::MB_ICONQUESTION, ui_.boxes()[0].style);
    EXPECT_EQ("[4]Neue Untergruppe", Current());
    EXPECT_EQ("[3] Neue Mittelgruppe", platform::FromQString(dialog_->TreeView->currentItem()->parent()->text(0)));
    EXPECT_EQ(mains, dialog_->TreeView->topLevelItem(0)->childCount()); // main group 2 exists
    EXPECT_TRUE(dialog_->ButtonOk->isEnabled());
    EXPECT_EQ("2/3/4", dialog_->EditSollGa->text());

    Type("5/3/4");
    Enter();
    EXPECT_EQ("[4]Neue Untergruppe", Current());
    const QTreeWidgetItem* newMain = dialog_->TreeView->currentItem()->parent()->parent();
    EXPECT_EQ("[5] Neue Hauptgruppe", newMain->text(0));
    EXPECT_EQ(mains + 1, dialog_->TreeView->topLevelItem(0)->childCount());
    EXPECT_EQ(newMain, dialog_->TreeView->topLevelItem(0)->child(mains)); // sorted in after main 3

    ASSERT_EQ(2u, toCreate_.size());
    EXPECT_EQ(Adr(2, 3, 4), toCreate_.front().Address);
    EXPECT_EQ("Neue Untergruppe", toCreate_.front().Name);
    EXPECT_EQ(0, toCreate_.front().SubAdrTyp);
    EXPECT_EQ(Adr(5, 3, 4), toCreate_.back().Address);
    EXPECT_EQ(2, nameQueries_);

    // Found now, without a question; Cancel keeps the queue.
    Type("5/3/4");
    Enter();
    EXPECT_EQ(2u, ui_.boxes().size());
    dialog_->ButtonCancel->click();
    EXPECT_EQ(3, dialog_->result());
    EXPECT_EQ(2u, toCreate_.size());
}

TEST_F(GrpAddrChange, NoOrACancelledNameAddsNothing)
{
    Open();
    ui_.Answer({platform::IDNO, platform::IDYES});
    Type("2/3/4");
    Enter();
    EXPECT_FALSE(dialog_->ButtonOk->isEnabled());
    nameAnswer_.reset();
    dialog_->btnSearchAdd->click();
    EXPECT_FALSE(dialog_->ButtonOk->isEnabled());
    EXPECT_EQ(1, nameQueries_);
    EXPECT_TRUE(toCreate_.empty());
    EXPECT_EQ(nullptr, Item("[4]Neue Untergruppe"));
}

TEST_F(GrpAddrChange, TwoLevelsPutTheSubGroupsBelowTheMainGroups)
{
    dataModule_.Level = 2;
    device_->GetGrpAdrFromServer();
    Load();
    entry_.Target = Adr(1, 1, 1); // 1/257
    Open(false);
    EXPECT_EQ("Bad Licht", Current());
    EXPECT_EQ(dialog_->TreeView->topLevelItem(0), dialog_->TreeView->currentItem()->parent()->parent());
    EXPECT_EQ("1/257", dialog_->EditSollGa->text());
    ui_.Answer({platform::IDYES});
    nameAnswer_ = "Test";
    Type("1/300");
    Enter();
    EXPECT_EQ("[300]Test", Current());
    EXPECT_EQ(dialog_->TreeView->topLevelItem(0), dialog_->TreeView->currentItem()->parent()->parent());
    EXPECT_EQ("Die Gruppenadresse [1/300] wurde nicht gefunden!\n\nSoll diese angelegt werden?", ui_.boxes()[0].text);
    ASSERT_EQ(1u, toCreate_.size());
    EXPECT_EQ(1 * 2048 + 300, static_cast<int>(toCreate_.front().Address));
    dialog_->ButtonOk->click();
    EXPECT_EQ(1 * 2048 + 300, result_);
}

TEST_F(GrpAddrChange, QueuedAddressesAreInTheTree)
{
    toCreate_.push_back({Adr(5, 0, 1), "Neue Untergruppe", 0});
    toCreate_.push_back({Adr(1, 0, 9), "Neue Untergruppe", 0});
    Open();
    const QTreeWidgetItem* queued = Item("[1]Neue Untergruppe");
    ASSERT_NE(nullptr, queued);
    EXPECT_EQ("[0] Neue Mittelgruppe", queued->parent()->text(0));
    EXPECT_EQ("[5] Neue Hauptgruppe", queued->parent()->parent()->text(0));
    const QTreeWidgetItem* nine = Item("[9]Neue Untergruppe");
    ASSERT_NE(nullptr, nine);
    EXPECT_EQ(Item("Flur Licht")->parent(), nine->parent()); // 1/0
    EXPECT_EQ(nine, nine->parent()->child(nine->parent()->childCount() - 1));
}

TEST_F(GrpAddrChange, NoAddressThenOkAnswersZero)
{
    entry_.Target = Adr(1, 0, 1);
    Open();
    Type("1");
    EXPECT_FALSE(dialog_->ButtonOk->isEnabled());
    dialog_->btnNoGroupAddr->click();
    EXPECT_EQ("", dialog_->EditSollGa->text());
    EXPECT_EQ(nullptr, dialog_->TreeView->currentItem());
    EXPECT_EQ(0, result_);
    EXPECT_TRUE(dialog_->ButtonOk->isEnabled());
    EXPECT_TRUE(dialog_->isVisible());
    dialog_->ButtonOk->click();
    EXPECT_EQ(1, dialog_->result());
    EXPECT_EQ(0, result_);
}

TEST_F(GrpAddrChange, OkAnswersTheSelectedAddressButNotForTheRoot)
{
    Open();
    dialog_->TreeView->setCurrentItem(dialog_->TreeView->topLevelItem(0));
    dialog_->ButtonOk->click();
    EXPECT_TRUE(dialog_->isVisible());
    dialog_->TreeView->setCurrentItem(Item("Flur Licht Status"));
    dialog_->ButtonOk->click();
    EXPECT_EQ(1, dialog_->result());
    EXPECT_EQ(Adr(1, 0, 4), result_);
}

TEST_F(GrpAddrChange, TheTreeIsBuiltOnce)
{
    Open();
    ui_.Answer({platform::IDYES});
    Type("2/3/4");
    Enter();
    const std::vector<std::string> before = TreeLines(dialog_->TreeView->topLevelItem(0));
    dialog_->InitTreeView();
    dialog_->hide();
    dialog_->show();
    EXPECT_EQ(1, dialog_->TreeView->topLevelItemCount());
    EXPECT_EQ(before, TreeLines(dialog_->TreeView->topLevelItem(0)));
}

TEST_F(GrpAddrChange, CancelAndClose)
{
    Open();
    dialog_->ButtonCancel->click();
    EXPECT_EQ(3, dialog_->result());
    Open();
    dialog_->close();
    EXPECT_EQ(2, dialog_->result());
}

TEST_F(GrpAddrChange, WithoutAnEntryThereIsNoDialog)
{
    try {
        TFDlgGrpAddrChange dialog(nullptr, nullptr, Mains(), MidSub(), true, toCreate_, result_, NameQuery());
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ("TFDlgGrpAddrChange::TFDlgGrpAddrChange: FEHLER, Gruppenadress-Daten sind leer!", e.what());
    }
}

TEST(GaLists, FreeIdsAndLookUps)
{
    const std::vector<RecGA> list{{1, 0, 4, "a", 0, 0}, {3, 0, 5, "b", 0, 0}, {2, 7, 4, "c", 0, 0}};
    EXPECT_EQ(4, GetFreeId(list));
    EXPECT_EQ(1, GetFreeId({}));
    EXPECT_EQ(2, GetFreeId({{1, 0, 0, "", 0, 0}, {3, 0, 0, "", 0, 0}}));
    EXPECT_EQ(&list[2], FindGa(list, 4, 7));
    EXPECT_EQ(&list[0], FindGa(list, 4, 0));
    EXPECT_EQ(nullptr, FindGa(list, 5, 7));
}

TEST(GaLists, AGroupWithoutHostRecordLeavesNoTree)
{
    TGrpAdrNodes mains;
    mains.Insert(mains.Make<TSorvGrpAdrMain>(0, 0, 0, "", 1, nullptr));
    TGrpAdrNodes none;
    TGaLists lists;
    lists.Main.push_back({});
    EXPECT_FALSE(BuildGaLists(mains.Map(), none.Map(), true, {}, lists));
    EXPECT_EQ(1u, lists.Main.size()); // untouched
}

} // namespace
