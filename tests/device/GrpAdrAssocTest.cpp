#include "tests/device/GrpAdrFixture.h"

#include <gtest/gtest.h>

#include <list>
#include <map>
#include <string>

namespace grpadrtest {
namespace {

using TTable = std::map<std::int32_t, std::uint16_t>;
using TList = std::list<RecGroupAddress>;

// Tastsensor Wohnen's objects 57 (linked to 1/0/1 and 1/0/2, sending) and 58 (linked to 2/1/1).
class AssocTest : public GrpAdrTest {
protected:
    AssocTest() : time_(AddObject(100, ids_.WohnenTime, 57)), date_(AddObject(101, ids_.WohnenDate, 58)) {}

    void Link(std::int32_t subGroupId, std::int32_t deviceObjectId, int sending)
    {
        Execute("INSERT INTO sub_to_object (sub_group_id, device_object_id, send_flag) VALUES (" +
                std::to_string(subGroupId) + ", " + std::to_string(deviceObjectId) + ", " + std::to_string(sending) +
                ")");
    }

    TEtsObjekt* time_;
    TEtsObjekt* date_;
};

TEST_F(AssocTest, TheSendingAddressComesFirstAndTheOthersInTheProjectsOrder)
{
    const std::int32_t l1 = SubGroupId(3, 0, 1), l2 = SubGroupId(3, 0, 2), l3 = SubGroupId(0, 7, 255);
    Link(l1, ids_.FlurTime, 0);
    Link(l2, ids_.FlurTime, 1);
    Link(l3, ids_.FlurTime, 0);
    TList list{{1, 1}};
    std::string message;
    EXPECT_TRUE(device_->GetEtsAssociationTable(ids_.FlurTime, list, message));
    EXPECT_EQ((TList{{l2, 3 * 2048 + 2}, {1, 1}, {l1, 3 * 2048 + 1}, {l3, 0x07FF}}), list); // earlier entries stay
    EXPECT_TRUE(message.empty());
}

TEST_F(AssocTest, TheTableHoldsEachAddressOnce)
{
    Link(ids_.SubFlurLight, ids_.WohnenDate, 1);
    TTable table;
    EXPECT_TRUE(device_->GetAssociationTable(table));
    EXPECT_EQ((TTable{{ids_.SubFlurLight, 0x0801}, {ids_.SubWohnenLight, 0x0802}, {ids_.SubSetPoint, 0x1101}}), table);
    EXPECT_TRUE(ui_.detailBoxes().empty());

    // The addresses are read from the project once.
    const int reads = link_.Reads(TDalKind::SubGroup);
    table.clear();
    EXPECT_TRUE(device_->GetAssociationTable(table));
    EXPECT_EQ(3u, table.size());
    EXPECT_EQ(reads, link_.Reads(TDalKind::SubGroup));
}

TEST_F(AssocTest, TheSecondNodeKindIsRebuiltButNotInTheTable)
{
    device_->DeletePointerFromList(date_);
    TEtsObjekt* second = AddObject2(101, ids_.WohnenDate, 58);
    TTable table;
    EXPECT_TRUE(device_->GetAssociationTable(table));
    EXPECT_EQ((TTable{{ids_.SubFlurLight, 0x0801}, {ids_.SubWohnenLight, 0x0802}}), table);
    EXPECT_TRUE(device_->UpdateObjectAssociations());
    EXPECT_EQ((TObjektBasis::TGrpAdrIdList{{ids_.SubSetPoint, 0x1101, false}}), second->GetGrpAdrIdList());
}

TEST_F(AssocTest, ADeviceWithoutLinksGivesAnEmptyTable)
{
    Execute("DELETE FROM sub_to_object");
    TTable table;
    EXPECT_TRUE(device_->GetAssociationTable(table));
    EXPECT_TRUE(table.empty());
    EXPECT_TRUE(ui_.detailBoxes().empty());
}

TEST_F(AssocTest, TheObjectsLinksAreRebuiltSendingFirstAndEveryRecordRewritten)
{
    time_->AddSubGroupLink(ids_.SubKuecheLight, 0x0803, true); // the project does not hold it
    EXPECT_TRUE(device_->UpdateObjectAssociations());
    EXPECT_EQ((TObjektBasis::TGrpAdrIdList{{ids_.SubWohnenLight, 0x0802, false}, {ids_.SubFlurLight, 0x0801, false}}),
              time_->GetGrpAdrIdList());
    EXPECT_EQ(std::to_string(ids_.SubWohnenLight) + ":2050:0;" + std::to_string(ids_.SubFlurLight) + ":2049:0",
              RecordLinks(time_));
    // Unchanged links are written too.
    const TDatenStruktur* dateRecord = device_->GetDatenSatz(date_);
    EXPECT_EQ(806, dateRecord->Typ);
    EXPECT_EQ(58, dateRecord->Param4);
    EXPECT_EQ(std::to_string(ids_.SubSetPoint), std::to_string(dateRecord->Param14));
    EXPECT_EQ(4353, dateRecord->Param15);
    EXPECT_EQ(0, dateRecord->Next);
}

TEST_F(AssocTest, AnUnreadableAddressIsReportedAndTheOthersAreKept)
{
    link_.FailReads(TDalKind::MiddleGroup, DAL_ERR, 2); // 1/0/1 and 1/0/2 are read, 2/1/1 is not
    TTable table;
    EXPECT_FALSE(device_->GetAssociationTable(table));
    EXPECT_EQ((TTable{{ids_.SubFlurLight, 0x0801}, {ids_.SubWohnenLight, 0x0802}}), table);
    ASSERT_EQ(1u, ui_.detailBoxes().size());
    const auto& box = ui_.detailBoxes()[0];
    EXPECT_EQ("Beim Laden der Gruppendressen ist ein Fehler aufgetreten.", box.text);
    EXPECT_EQ("Talvo-Display", box.caption);
    EXPECT_EQ("TDeviceInstanz::GetAssociationTable", box.function);
    EXPECT_EQ(16u, box.style);
    EXPECT_EQ("\nEts2Cdi->DalGetMiddlegroupData()--> MiddleGroup not found!", box.detail);
}

TEST_F(AssocTest, AHostErrorWhileReadingLinksIsNoShortTable)
{
    link_.FailReads(TDalKind::SubToObject, DAL_ERR, 1); // the first object's second link read fails
    TTable table;
    EXPECT_FALSE(device_->GetAssociationTable(table));
    EXPECT_EQ(1u, ui_.detailBoxes().size());
    EXPECT_NE(std::string::npos, ui_.detailBoxes()[0].detail.find("DalGetSubgroupToObjectData"));

    // The rebuild leaves the links of an object it could not read.
    link_.Heal();
    time_->AddSubGroupLink(ids_.SubKuecheLight, 0x0803, false);
    link_.FailReads(TDalKind::SubToObject, DAL_ERR, 1);
    EXPECT_FALSE(device_->UpdateObjectAssociations());
    EXPECT_EQ((TObjektBasis::TGrpAdrIdList{{ids_.SubKuecheLight, 0x0803, false}}), time_->GetGrpAdrIdList());
    EXPECT_EQ("TDeviceInstanz::UpdateObjectAssociations", ui_.detailBoxes().back().function);
}

} // namespace
} // namespace grpadrtest
