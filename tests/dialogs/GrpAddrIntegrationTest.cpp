#include "dialogs/project/DlgLinkToGrpAddr.h"
#include "dialogs/project/DlgSelGrpAddr.h"
#include "dialogs/project/GrpAddrEdit.h"
#include "dialogs/project/LinkToGrpAddr.h"
#include "tests/dialogs/GrpAddrDialogSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>

namespace {

using namespace grpaddrtest;

// The selection dialog shown without a modal loop while a script plays the user's part.
class DrivenSelGrpAddr final : public TDlgSelGrpAddr {
public:
    using TDlgSelGrpAddr::TDlgSelGrpAddr;
    std::function<void(TDlgSelGrpAddr&)> Script;

    int ShowModal() override
    {
        show();
        Script(*this);
        return result();
    }
};

// The dialogs on the stand-in host's demo project, through the device model's operations.
class GrpAddrIntegration : public GaDialogTest {
protected:
    GrpAddrIntegration() : time_(AddObject(100, ids_.WohnenTime, 57))
    {
        main_.MakeSelection = [this](int level, TDataBasis* object, TObjektBasis::TGrpAdrIdList& links,
                                     const TGrpAdrNodes& nodes, TEtsGruppenAdressen* groups) {
            auto dialog = std::make_unique<DrivenSelGrpAddr>(
                nullptr, groups, &nodes.Map(), links, object, level, NameQuery(),
                CreateGrpAddrThrough([this] { return static_cast<TDeviceInstanz*>(device_.get()); }, groups));
            dialog->Script = script_;
            return dialog;
        };
    }

    static void Pick(QTreeWidget* list, const std::string& address)
    {
        const QList<QTreeWidgetItem*> found = list->findItems(QString::fromLatin1(address.c_str()), Qt::MatchExactly);
        ASSERT_EQ(1, found.size()) << address;
        list->clearSelection();
        list->setCurrentItem(found.front());
    }
    std::map<std::int32_t, int> Links() { return ProjectLinks(ids_.WohnenTime); }

    TEtsObjekt* time_;
    std::function<void(TDlgSelGrpAddr&)> script_;
};

TEST_F(GrpAddrIntegration, TheLinkDialogsAddressIsCreatedAndLinked)
{
    CreateDlgLinkToGrpAddr(nullptr, device_.get(), time_, [](TDlgLinkToGrpAddr& dialog) {
        EXPECT_EQ("3/4/21", dialog.EditGrpAddr->text()); // after the demo's highest
        QTest::keyClicks(dialog.EditGrpAddrName, "Neue GA");
        QTest::keyClick(dialog.EditGrpAddr, Qt::Key_Return);
        return dialog.result();
    });
    const std::int32_t created = SubGroupId(3, 4, 21);
    ASSERT_GT(created, 0);
    EXPECT_EQ(1, Links().count(created));
    EXPECT_TRUE(time_->ExistSubGroupId(created));
    EXPECT_EQ(1, Query("SELECT COUNT(*) FROM sub_group WHERE name = 'Neue GA'"));
}

TEST_F(GrpAddrIntegration, AfterTheLinkTheSendingAddressComesFirstAsTheProjectStoresIt)
{
    // The object as the editor holds it: its two links of the project, in the order read.
    time_->AddSubGroupLink(SubGroupId(1, 0, 1), 1 * 2048 + 1, false);
    time_->AddSubGroupLink(SubGroupId(1, 0, 2), 1 * 2048 + 2, false);
    CreateDlgLinkToGrpAddr(nullptr, device_.get(), time_, [](TDlgLinkToGrpAddr& dialog) {
        QTest::keyClick(dialog.EditGrpAddr, Qt::Key_Return);
        return dialog.result();
    });
    const std::map<std::int32_t, int> links = Links();
    const auto sending = std::find_if(links.begin(), links.end(), [](const auto& link) { return link.second > 0; });
    ASSERT_NE(sending, links.end()) << "the project keeps no sending link";
    const TObjektBasis::TGrpAdrIdList& shown = time_->GetGrpAdrIdList();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown.front().SubGroupId, sending->first);
    EXPECT_TRUE(time_->ExistSubGroupId(SubGroupId(3, 4, 21)));
}

TEST_F(GrpAddrIntegration, CancelOrAnotherObjectLinksNothing)
{
    const std::size_t before = Links().size();
    int shown = 0;
    const auto cancel = [&shown](TDlgLinkToGrpAddr& dialog) {
        ++shown;
        dialog.BtnCancel->click();
        return dialog.result();
    };
    CreateDlgLinkToGrpAddr(nullptr, device_.get(), time_, cancel);
    CreateDlgLinkToGrpAddr(nullptr, nullptr, time_, cancel);
    TSorvGrpAdrSub notAnObject(0, 0, 0, "", 1, nullptr);
    CreateDlgLinkToGrpAddr(nullptr, device_.get(), &notAnObject, cancel);
    EXPECT_EQ(1, shown);
    EXPECT_EQ(before, Links().size());
    EXPECT_EQ(-99, SubGroupId(3, 4, 21));
}

TEST_F(GrpAddrIntegration, TheSelectionLinksAndUnlinksWhatChangedAndKeepsWhatItHid)
{
    // Linked: 1/0/1 and 1/0/2 (both of every type), and 1/0/4 (1 bit), which a 3-byte object is
    // not offered.
    time_->AddSubGroupLink(ids_.SubFlurLight, Adr(1, 0, 1), false);
    time_->AddSubGroupLink(ids_.SubWohnenLight, Adr(1, 0, 2), false);
    const std::int32_t unfit = SubGroupId(1, 0, 4);
    Query("INSERT INTO sub_to_object (sub_group_id, device_object_id) VALUES (" + std::to_string(unfit) + ", " +
          std::to_string(ids_.WohnenTime) + ")");
    time_->AddSubGroupLink(unfit, Adr(1, 0, 4), false);
    const std::int32_t clock = SubGroupId(0, 0, 1); // "Uhrzeit", 3 bytes
    script_ = [](TDlgSelGrpAddr& dialog) {
        EXPECT_EQ(2, dialog.lvGrpAddrDest->topLevelItemCount());
        Pick(dialog.lvGrpAddrDest, "1/0/1");
        dialog.btnExclude->click();
        Pick(dialog.lvGrpAddrSource, "0/0/1");
        dialog.btnInclude->click();
        dialog.BtnOk->click();
    };
    EXPECT_TRUE(device_->OpenDlgGrpAdrToObject(time_));
    std::map<std::int32_t, int> links = Links();
    EXPECT_EQ(3u, links.size());
    EXPECT_EQ(0, links.count(ids_.SubFlurLight));
    EXPECT_EQ(1, links.count(ids_.SubWohnenLight));
    EXPECT_EQ(1, links.count(clock));
    EXPECT_EQ(1, links.count(unfit));
    EXPECT_FALSE(time_->ExistSubGroupId(ids_.SubFlurLight));
    EXPECT_TRUE(time_->ExistSubGroupId(clock));
    EXPECT_TRUE(time_->ExistSubGroupId(unfit));
}

TEST_F(GrpAddrIntegration, CancelAfterACreationKeepsTheLinksAndTheNewAddress)
{
    time_->AddSubGroupLink(ids_.SubFlurLight, Adr(1, 0, 1), false);
    ui_.Answer({platform::IDYES});
    nameAnswer_ = "Flur Nacht";
    script_ = [](TDlgSelGrpAddr& dialog) {
        QTest::keyClicks(dialog.edtGrpAddr, "3/4/22");
        QTest::keyClick(dialog.edtGrpAddr, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible()); // Enter does not reach the buttons
        EXPECT_EQ("3/4/22", dialog.lvGrpAddrSource->currentItem()->text(0));
        EXPECT_EQ("Flur Nacht", dialog.lvGrpAddrSource->currentItem()->text(1));
        dialog.btnInclude->click();
        dialog.BtnCancel->click();
    };
    const std::map<std::int32_t, int> before = Links();
    EXPECT_FALSE(device_->OpenDlgGrpAdrToObject(time_));
    EXPECT_EQ(before, Links());
    EXPECT_GT(SubGroupId(3, 4, 22), 0);
    EXPECT_EQ(1u, time_->GetGrpAdrIdList().size());
}

} // namespace
