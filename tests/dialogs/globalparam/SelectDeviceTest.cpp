#include "dialogs/project/DlgSelectDevice.h"
#include "outside/progresslib/DlgProgressEx.h"
#include "tests/dialogs/globalparam/RunFixture.h"

#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace globalparamtest;

// Step 2 on the project of the run's tests, with a report that records what it was given.
class SelectDevice : public RunFixture {
protected:
    void Open()
    {
        dialog_ = std::make_unique<TDlgSelectDevice>(
            nullptr, &main_, &link_, &object_, 1, std::vector<std::string>{"+-+", "|x|", "+-+"},
            [this](TDlgSelectDevice&, const std::vector<SDeviceData*>& devices, const std::vector<std::string>& table) {
                reported_ = devices;
                table_ = table;
                return 1;
            });
    }
    QTreeWidget& List() { return *dialog_->lvProjectDevices; }
    std::vector<std::string> Column(int column)
    {
        std::vector<std::string> texts;
        for (int i = 0; i < List().topLevelItemCount(); ++i)
            texts.push_back(List().topLevelItem(i)->text(column).toStdString());
        return texts;
    }
    std::string Caption(int column) { return List().headerItem()->text(column).toStdString(); }

    std::unique_ptr<TDlgSelectDevice> dialog_;
    std::vector<SDeviceData*> reported_;
    std::vector<std::string> table_;
};

TEST_F(SelectDevice, ListsTheDevicesOfTheProgramInSearchOrder)
{
    Open();
    EXPECT_EQ(Column(0), (std::vector<std::string>{"1.1.2", "1.1.3", "1.2.17", "1.1.4", "1.1.5"}));
    EXPECT_EQ(Column(1)[2], "Bad");
    EXPECT_EQ(Caption(0), "Phys.Adr.") << "no sort before the first click";
    EXPECT_FALSE(dialog_->BtnNext->isEnabled());
    List().topLevelItem(1)->setSelected(true);
    EXPECT_TRUE(dialog_->BtnNext->isEnabled());
}

TEST_F(SelectDevice, ColumnsShowAddressesAndCaptionsWhole)
{
    Open();
    dialog_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog_.get())) << "step 2 was not shown";
    const QFontMetrics metrics(List().font());
    for (int column = 0; column < 3; ++column) {
        EXPECT_GE(List().columnWidth(column), List().header()->sectionSizeHint(column)) << "caption " << Caption(column);
        for (int i = 0; i < List().topLevelItemCount(); ++i)
            EXPECT_GE(List().columnWidth(column), metrics.horizontalAdvance(List().topLevelItem(i)->text(column)))
                << "column " << column << " cuts " << List().topLevelItem(i)->text(column).toStdString();
    }
    EXPECT_TRUE(QTest::qWaitFor([this] { return List().horizontalScrollBar()->maximum() == 0; }, 5000))
        << "the list scrolls sideways by " << List().horizontalScrollBar()->maximum();
}

TEST_F(SelectDevice, ColumnClicksSort)
{
    Open();
    List().header()->sectionClicked(1);
    EXPECT_EQ(Column(1).front(), "Tastsensor Wohnen") << "the name column is the sort column: descending";
    EXPECT_EQ(Caption(1), "Produkt *");
    List().header()->sectionClicked(0);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"1.1.2", "1.1.3", "1.1.4", "1.1.5", "1.2.17"}));
    EXPECT_EQ(Caption(0), "Phys.Adr. *");
    EXPECT_EQ(Caption(1), "Produkt");
    List().header()->sectionClicked(0);
    EXPECT_EQ(Column(0).front(), "1.2.17");
}

TEST_F(SelectDevice, AllSelectsEverythingThenNothing)
{
    Open();
    dialog_->BtnAll->click();
    EXPECT_EQ(List().selectedItems().size(), 5);
    dialog_->BtnAll->click();
    EXPECT_TRUE(List().selectedItems().isEmpty());
    EXPECT_FALSE(dialog_->BtnNext->isEnabled());
}

TEST_F(SelectDevice, TheCopyRunsOnlyAfterYes)
{
    Open();
    Store(4, Block(Records()));
    dialog_->BtnNextClick();
    EXPECT_TRUE(ui_.boxes().empty()) << "nothing chosen, nothing asked";

    List().header()->sectionClicked(0); // 2, 3, 5, 7, 4
    List().topLevelItem(4)->setSelected(true);
    List().topLevelItem(0)->setSelected(true);
    ui_.Answer({platform::IDNO});
    dialog_->BtnNext->click();
    ASSERT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(ui_.boxes()[0].caption, "Best\xE4tigen");
    EXPECT_EQ(ui_.boxes()[0].style, platform::MB_YESNO | platform::MB_ICONWARNING);
    EXPECT_TRUE(reported_.empty());

    ui_.Answer({platform::IDYES});
    dialog_->BtnNext->click();
    ASSERT_EQ(reported_.size(), 2u);
    EXPECT_EQ(reported_[0]->DeviceId, 2) << "in the shown order";
    EXPECT_EQ(reported_[1]->DeviceId, 4);
    EXPECT_EQ(reported_[1]->Status, gpsOk);
    EXPECT_EQ(table_.size(), 3u);
    EXPECT_EQ(dialog_->result(), 1);
}

TEST_F(SelectDevice, TheProgressCancelStopsTheRunAndClosesTheProgress)
{
    Open();
    StartDlgProgressEx({});
    platform::SendMessage(dialog_->Handle(), WM_USER_PROGRESSCANCELEX, 0, 0);
    EXPECT_TRUE(dialog_->Run().Stopped());
    EXPECT_FALSE(ui_.progressOpen());
}

TEST_F(SelectDevice, Screenshot)
{
    Open();
    List().header()->sectionClicked(0);
    List().topLevelItem(1)->setSelected(true);
    List().topLevelItem(3)->setSelected(true);
    dialog_->show();
    SaveScreenshot(*dialog_, "gp_step2.png");
}

} // namespace
