#include "outside/addrlink/AddrlinkTypes.h"
#include "outside/addrlink/SorvGrpAdrMain.h"
#include "outside/addrlink/SorvGrpAdrMiddle.h"
#include "tests/device/GrpAdrFixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace grpadrtest {
namespace {

struct AddressText {
    std::uint16_t Address;
    std::string Three;
    std::string Two;
};

void PrintTo(const AddressText& c, std::ostream* os)
{
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%04X", static_cast<unsigned>(c.Address));
    *os << hex;
}

class GroupAddressStringTest : public ::testing::TestWithParam<AddressText> {};

TEST_P(GroupAddressStringTest, WritesBothLevelForms)
{
    EXPECT_EQ(GetParam().Three, TDeviceInstanz::GetGroupAddressString(GetParam().Address, true));
    EXPECT_EQ(GetParam().Two, TDeviceInstanz::GetGroupAddressString(GetParam().Address, false));
}

INSTANTIATE_TEST_SUITE_P(Addresses, GroupAddressStringTest,
                         ::testing::Values(AddressText{0x0801, "1/0/1", "1/1"}, AddressText{0, "0/0/0", "0/0"},
                                           AddressText{0x110A, "2/1/10", "2/266"},
                                           AddressText{0x7FFF, "15/7/255", "15/2047"},
                                           AddressText{0x8801, "1/0/1", "1/1"})); // bit 15 ignored

using GrpAdrTreeTest = GrpAdrTest;

TEST_F(GrpAdrTreeTest, TheMainGroupsAndTheFolderComeFromTheServer)
{
    device_->GetGrpAdrFromServer();
    std::vector<std::pair<int, int>> mains; // number, position
    for (const auto& [id, node] : device_->MainGroupNodes.Map()) {
        EXPECT_EQ(id, node->GetEtsId());
        EXPECT_EQ(DT_SORV_GRP_ADR_MAIN, node->GetTyp());
        mains.emplace_back(node->GetGroupNumber(), node->GetPosId());
    }
    EXPECT_EQ((std::vector<std::pair<int, int>>{{1, 1}, {2, 2}, {3, 3}, {0, 0}}), mains);
    EXPECT_EQ("Beleuchtung", device_->MainGroupNodes.Map().begin()->second->GetName(false));
    ASSERT_TRUE(device_->GrpAdrOrdner);
    EXPECT_EQ("Gruppenadressen", device_->GrpAdrOrdner->GetName(false));
    EXPECT_EQ(100, device_->GrpAdrOrdner->GetPosId());
    EXPECT_EQ(DT_GRP_ADR_ORDNER, device_->GrpAdrOrdner->GetTyp());
    EXPECT_TRUE(device_->GrpAdrNodes.Empty());
    EXPECT_FALSE(device_->GrpAdrLoaded);
    EXPECT_EQ(1, config_.GrpAdrDrops);
}

TEST_F(GrpAdrTreeTest, MiddleAndSubGroupsLoadOnFirstNeedBehindTheStatusText)
{
    TEtsGruppenAdressen* groups = device_->LoadGrpAdr();
    ASSERT_NE(nullptr, groups);
    EXPECT_EQ(groups, device_->EtsGruppenAdressen.get());
    EXPECT_TRUE(device_->GrpAdrLoaded);
    EXPECT_EQ((std::vector<std::string>{"3:Lade Gruppenadressen... Bitte warten.", "process", "3:"}),
              main_.StatusTexts);
    EXPECT_EQ(platform::crDefault, ui_.ScreenCursor());
    EXPECT_EQ(platform::crHourGlass, ui_.calls(testsupport::ScriptedUi::CallKind::Cursor).at(0).value);

    int middles = 0, subs = 0;
    for (const auto& [id, node] : device_->GrpAdrNodes.Map()) {
        EXPECT_EQ(id, node->GetEtsId());
        middles += node->GetTyp() == DT_SORV_GRP_ADR_MIDDLE;
        subs += node->GetTyp() == DT_SORV_GRP_ADR_SUB;
    }
    EXPECT_EQ(9, middles);
    EXPECT_EQ(18, subs);

    // The second need reads nothing.
    const int reads = link_.Reads(TDalKind::SubGroup);
    main_.StatusTexts.clear();
    EXPECT_EQ(groups, device_->LoadGrpAdr());
    EXPECT_EQ(reads, link_.Reads(TDalKind::SubGroup));
    EXPECT_TRUE(main_.StatusTexts.empty());
}

TEST_F(GrpAdrTreeTest, SubNodesArePlacedAndTypedByLevel)
{
    device_->LoadGrpAdr();
    const TSorvGrpAdrSub* dimmer = SubNode(1 * 2048 + 1 * 256 + 10);
    ASSERT_NE(nullptr, dimmer);
    EXPECT_EQ(10, dimmer->GetPosId());
    EXPECT_EQ(3, dimmer->GetSubAdrTyp());
    EXPECT_EQ(-1, SubNode(1 * 2048 + 1)->GetSubAdrTyp());

}

TEST_F(GrpAdrTreeTest, WithTwoLevelsASubNodeIsPlacedByItsAddress)
{
    dataModule_.Level = 2;
    device_->LoadGrpAdr();
    EXPECT_EQ(266, SubNode(1 * 2048 + 1 * 256 + 10)->GetPosId());
    EXPECT_FALSE(device_->EtsGruppenAdressen->ThreeLevels);
}

TEST_F(GrpAdrTreeTest, ARebuildDropsTheOldNodesWithTheLoadedFlagAndTheCache)
{
    device_->LoadGrpAdr();
    RecGroupAddress address;
    std::string message;
    ASSERT_TRUE(device_->GetSubGroupAddressInfo(ids_.SubSetPoint, address, message));
    const int subReads = link_.Reads(TDalKind::SubGroup);

    device_->GetGrpAdrFromServer();
    EXPECT_EQ(2, config_.GrpAdrDrops);
    EXPECT_FALSE(device_->GrpAdrLoaded);
    EXPECT_TRUE(device_->GrpAdrNodes.Empty());
    TSorvGrpAdrBasis* node = nullptr;
    ASSERT_TRUE(device_->GetGrpAdrDataPointer(ids_.SubSetPoint, node)); // loads again
    EXPECT_EQ(ids_.SubSetPoint, node->GetEtsId());
    EXPECT_TRUE(device_->GrpAdrLoaded);
    ASSERT_TRUE(device_->GetSubGroupAddressInfo(ids_.SubSetPoint, address, message));
    EXPECT_LT(subReads + 1, link_.Reads(TDalKind::SubGroup)); // the cache had gone
}

TEST_F(GrpAdrTreeTest, AReloadKeepsTheNodesThatExistAndAddsNewOnes)
{
    device_->LoadGrpAdr();
    TSorvGrpAdrSub* flur = SubNode(1 * 2048 + 1);
    const std::vector<std::pair<int, TSorvGrpAdrBasis*>> before(device_->GrpAdrNodes.Map().begin(),
                                                                device_->GrpAdrNodes.Map().end());
    Execute("INSERT INTO sub_group (middle_group_id, number, name) VALUES (1, 9, 'Neu')");
    Execute("INSERT INTO middle_group (main_group_id, number, name) SELECT main_group_id, 5, 'Neu' FROM middle_group "
            "WHERE id = 1");
    Execute("INSERT INTO sub_group (middle_group_id, number, name) SELECT MAX(id), 3, 'Neu' FROM middle_group");
    device_->GrpAdrLoaded = false; // as the main window does after a host event
    device_->LoadGrpAdr();
    EXPECT_EQ(flur, SubNode(1 * 2048 + 1));
    for (const auto& [id, node] : before)
        EXPECT_EQ(node, device_->GrpAdrNodes.Find(id));
    EXPECT_EQ(before.size() + 3, device_->GrpAdrNodes.Map().size());
    ASSERT_NE(nullptr, SubNode(1 * 2048 + 9));
    ASSERT_NE(nullptr, SubNode(1 * 2048 + 5 * 256 + 3));
    TSorvGrpAdrBasis* found = nullptr;
    EXPECT_FALSE(device_->GetGrpAdrDataPointer(4711, found));
    EXPECT_EQ(nullptr, found);
}

TEST_F(GrpAdrTreeTest, SubGroupsNumberedAcrossTheirMiddleGroupsEachGetTheirOwnNode)
{
    // The ids of the new sub groups alternate between two middle groups.
    const std::int64_t second = Query("SELECT id FROM middle_group WHERE id <> 1 ORDER BY id LIMIT 1");
    for (int number = 20; number < 26; ++number)
        Execute("INSERT INTO sub_group (middle_group_id, number, name) VALUES (" +
                std::to_string(number % 2 ? second : 1) + ", " + std::to_string(number) + ", 'Quer')");
    device_->LoadGrpAdr();

    int subs = 0;
    for (const auto& [id, node] : device_->GrpAdrNodes.Map()) {
        EXPECT_EQ(id, node->GetEtsId());
        subs += node->GetTyp() == DT_SORV_GRP_ADR_SUB;
    }
    EXPECT_EQ(Query("SELECT COUNT(*) FROM sub_group"), subs);
    for (int number = 20; number < 26; ++number) {
        const std::int64_t middle = number % 2 ? second : 1;
        const TSorvGrpAdrSub* node = SubNode(static_cast<std::uint16_t>(
            Query("SELECT mg.number * 2048 + mi.number * 256 FROM middle_group mi JOIN main_group mg ON mg.id = "
                  "mi.main_group_id WHERE mi.id = " + std::to_string(middle)) + number));
        ASSERT_NE(nullptr, node) << number;
        EXPECT_EQ(Query("SELECT id FROM sub_group WHERE middle_group_id = " + std::to_string(middle) +
                        " AND number = " + std::to_string(number)),
                  node->GetEtsId());
    }
}

TEST_F(GrpAdrTreeTest, AFailedLoadIsTriedAgain)
{
    link_.FailReads(TDalKind::SubGroup, DAL_ERR);
    device_->LoadGrpAdr();
    EXPECT_FALSE(device_->GrpAdrLoaded);
    link_.Heal();
    device_->LoadGrpAdr();
    EXPECT_TRUE(device_->GrpAdrLoaded);
    EXPECT_NE(nullptr, SubNode(1 * 2048 + 1));
}

TEST_F(GrpAdrTreeTest, CreatingAnAddressInAThreeLevelProject)
{
    device_->LoadGrpAdr();
    TSorvGrpAdrBasis* lights = device_->MainGroupNodes.Find(1);
    TSorvGrpAdrSub* created = device_->CreateGrpAddr(1, 2, 7, "Keller Licht");
    ASSERT_NE(nullptr, created);
    EXPECT_EQ(1 * 2048 + 2 * 256 + 7, created->GetGroupAddress(0));
    EXPECT_EQ("Keller Licht", created->GetName(false));
    EXPECT_EQ(7, created->GetPosId());
    EXPECT_EQ(created, SubNode(1 * 2048 + 2 * 256 + 7));
    EXPECT_EQ(created->GetEtsId(), SubGroupId(1, 2, 7));
    ASSERT_EQ(1u, main_.NewAddresses.size());
    EXPECT_EQ(lights, main_.NewAddresses[0].Main); // the main node is reused
    ASSERT_NE(nullptr, main_.NewAddresses[0].Middle);
    EXPECT_EQ(2, main_.NewAddresses[0].Middle->GetGroupNumber());
    EXPECT_EQ(created, main_.NewAddresses[0].Sub);
    EXPECT_EQ(4u, device_->MainGroupNodes.Map().size());

    // A new main group gets its node too.
    TSorvGrpAdrSub* garden = device_->CreateGrpAddr(6, 0, 1, "Garten");
    ASSERT_NE(nullptr, garden);
    EXPECT_EQ(5u, device_->MainGroupNodes.Map().size());
    EXPECT_EQ(6, main_.NewAddresses[1].Main->GetGroupNumber());
    EXPECT_TRUE(ui_.boxes().empty());
}

TEST_F(GrpAdrTreeTest, CreatingAnAddressInATwoLevelProjectMakesNoMiddleNode)
{
    dataModule_.Level = 2;
    device_->LoadGrpAdr();
    const std::size_t nodes = device_->GrpAdrNodes.Map().size();
    // 6/300 comes from the link dialog as 6, 1, 44.
    TSorvGrpAdrSub* created = device_->CreateGrpAddr(6, 1, 44, "Garten");
    ASSERT_NE(nullptr, created);
    EXPECT_EQ(6 * 2048 + 300, created->GetGroupAddress(0));
    EXPECT_EQ(300, created->GetPosId());
    EXPECT_EQ(nodes + 1, device_->GrpAdrNodes.Map().size());
    ASSERT_EQ(1u, main_.NewAddresses.size());
    EXPECT_NE(nullptr, main_.NewAddresses[0].Main);
    EXPECT_EQ(nullptr, main_.NewAddresses[0].Middle);
    EXPECT_EQ(created, main_.NewAddresses[0].Sub);
}

TEST_F(GrpAdrTreeTest, CreatingAnAddressFailsQuietly)
{
    EXPECT_EQ(nullptr, device_->CreateGrpAddr(1, 0, 9, "")); // no host group addresses yet
    device_->LoadGrpAdr();
    EXPECT_EQ(nullptr, device_->CreateGrpAddr(-1, 0, 9, ""));
    EXPECT_EQ(nullptr, device_->CreateGrpAddr(1, -1, 9, ""));
    EXPECT_EQ(nullptr, device_->CreateGrpAddr(1, 0, -9, ""));
    EXPECT_EQ(0, link_.Writes(TCoCall::CreateGroupAddress));
    link_.FailWrites(TCoCall::CreateGroupAddress, -1);
    EXPECT_EQ(nullptr, device_->CreateGrpAddr(1, 0, 9, ""));
    EXPECT_TRUE(ui_.boxes().empty());
    EXPECT_TRUE(main_.NewAddresses.empty());
}

TEST_F(GrpAdrTreeTest, AnAddressIsReadFromTheProjectOnce)
{
    RecGroupAddress address;
    std::string message;
    ASSERT_TRUE(device_->GetSubGroupAddressInfo(ids_.SubSetPoint, address, message));
    EXPECT_EQ((RecGroupAddress{ids_.SubSetPoint, 2 * 2048 + 1 * 256 + 1}), address);
    address = {};
    ASSERT_TRUE(device_->GetSubGroupAddressInfo(ids_.SubSetPoint, address, message));
    EXPECT_EQ(2 * 2048 + 256 + 1, address.GrpAdr);
    EXPECT_EQ(1, link_.Reads(TDalKind::SubGroup));
    EXPECT_EQ(1, link_.Reads(TDalKind::MainGroup));
    EXPECT_TRUE(message.empty());
}

struct ReadFailure {
    TDalKind Kind;
    std::string Text;
};

void PrintTo(const ReadFailure& c, std::ostream* os)
{
    switch (c.Kind) {
    case TDalKind::SubGroup:
        *os << "SubGroup";
        break;
    case TDalKind::MiddleGroup:
        *os << "MiddleGroup";
        break;
    case TDalKind::MainGroup:
        *os << "MainGroup";
        break;
    default:
        *os << "Kind" << static_cast<int>(c.Kind);
        break;
    }
}

class SubGroupAddressFailureTest : public GrpAdrTest, public ::testing::WithParamInterface<ReadFailure> {};

TEST_P(SubGroupAddressFailureTest, AppendsWhyTheAddressWasNotFound)
{
    link_.FailReads(GetParam().Kind, DAL_ERR);
    RecGroupAddress address{7, 7};
    std::string message = "before";
    EXPECT_FALSE(device_->GetSubGroupAddressInfo(ids_.SubSetPoint, address, message));
    EXPECT_EQ("before" + GetParam().Text, message);
    EXPECT_EQ((RecGroupAddress{7, 7}), address);
    EXPECT_TRUE(device_->SubGroupAddrCache.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Reads, SubGroupAddressFailureTest,
    ::testing::Values(ReadFailure{TDalKind::SubGroup, "\nEts2Cdi->DalGetSubgroupData()--> SubGroup not found!"},
                      ReadFailure{TDalKind::MiddleGroup,
                                  "\nEts2Cdi->DalGetMiddlegroupData()--> MiddleGroup not found!"},
                      ReadFailure{TDalKind::MainGroup, "\nEts2Cdi->DalGetMaingroupData()--> MainGroup not found!"}));

TEST_F(GrpAdrTreeTest, TheAddressAsTextOrNumberAndTheBoxWhenItIsMissing)
{
    std::string text;
    int number = 0;
    ASSERT_TRUE(device_->GetGrpAdrNr(ids_.SubSetPoint, text));
    EXPECT_EQ("2/1/1", text);
    ASSERT_TRUE(device_->GetGrpAdrNrAsZahl(ids_.SubSetPoint, number));
    EXPECT_EQ(2 * 2048 + 256 + 1, number);
    dataModule_.Level = 2;
    ASSERT_TRUE(device_->GetGrpAdrNr(ids_.SubSetPoint, text));
    EXPECT_EQ("2/1/1", text); // always three levels
    EXPECT_TRUE(ui_.detailBoxes().empty());

    text = "kept";
    EXPECT_FALSE(device_->GetGrpAdrNr(4711, text));
    EXPECT_EQ("kept", text);
    EXPECT_FALSE(device_->GetGrpAdrNrAsZahl(4711, number));
    ASSERT_EQ(2u, ui_.detailBoxes().size());
    const auto& box = ui_.detailBoxes()[0];
    EXPECT_EQ("Beim Laden der Gruppendressen ist ein Fehler aufgetreten.", box.text);
    EXPECT_EQ("Talvo-Display", box.caption);
    EXPECT_EQ("Gruppenadresse nicht gefunden", box.detail);
    EXPECT_EQ("TDeviceInstanz::GetGrpAdrNr", box.function);
    EXPECT_EQ(16u, box.style);
    EXPECT_EQ("TDeviceInstanz::GetGrpAdrNrAsZahl", ui_.detailBoxes()[1].function);
}

class NextFreeAddressTest : public GrpAdrTest {
protected:
    // Leaves the project with exactly the group addresses main/middle/sub given.
    void Addresses(const std::vector<std::tuple<int, int, int>>& addresses)
    {
        Execute("DELETE FROM main_group");
        std::string sql = "BEGIN;";
        for (int main = 0; main < 16; ++main) {
            sql += "INSERT INTO main_group (id, project_id, number) VALUES (" + std::to_string(main + 1) + ", 1, " +
                   std::to_string(main) + ");";
            for (int middle = 0; middle < 8; ++middle)
                sql += "INSERT INTO middle_group (id, main_group_id, number) VALUES (" +
                       std::to_string(main * 8 + middle + 1) + ", " + std::to_string(main + 1) + ", " +
                       std::to_string(middle) + ");";
        }
        for (const auto& [main, middle, sub] : addresses)
            sql += "INSERT INTO sub_group (middle_group_id, number) VALUES (" + std::to_string(main * 8 + middle + 1) +
                   ", " + std::to_string(sub) + ");";
        Execute(sql + "COMMIT;");
    }
};

TEST_F(NextFreeAddressTest, AProjectWithoutAddressesStartsAtOne)
{
    Addresses({});
    int level = 0;
    EXPECT_EQ("0/0/1", device_->GetNextHighestAndFreeGrpAddr(level));
    EXPECT_EQ(3, level);
    dataModule_.Level = 2;
    EXPECT_EQ("0/1", device_->GetNextHighestAndFreeGrpAddr(level));
    EXPECT_EQ(2, level);
}

TEST_F(NextFreeAddressTest, TheOneAfterTheHighest)
{
    int level = 0;
    EXPECT_EQ("3/4/21", device_->GetNextHighestAndFreeGrpAddr(level)); // the demo's highest is 3/4/20
    Addresses({{1, 0, 5}, {0, 0, 2}});
    device_->GetGrpAdrFromServer();
    EXPECT_EQ("1/0/6", device_->GetNextHighestAndFreeGrpAddr(level));
    Addresses({{1, 0, 255}});
    device_->GetGrpAdrFromServer();
    EXPECT_EQ("1/1/0", device_->GetNextHighestAndFreeGrpAddr(level));
    dataModule_.Level = 2;
    EXPECT_EQ("1/256", device_->GetNextHighestAndFreeGrpAddr(level));
}

TEST_F(NextFreeAddressTest, AfterTheLastAddressTheLowestFreeOne)
{
    Addresses({{15, 7, 255}, {0, 0, 1}, {0, 0, 2}, {0, 0, 4}});
    int level = 0;
    EXPECT_EQ("0/0/3", device_->GetNextHighestAndFreeGrpAddr(level));

    // The search goes on past the addresses of main group 0.
    std::vector<std::tuple<int, int, int>> mainGroupZero{{15, 7, 255}};
    for (int address = 1; address <= 0x7FF; ++address)
        mainGroupZero.emplace_back(address >> 11, (address >> 8) & 7, address & 255);
    Addresses(mainGroupZero);
    device_->GetGrpAdrFromServer();
    EXPECT_EQ("1/0/0", device_->GetNextHighestAndFreeGrpAddr(level));

    std::vector<std::tuple<int, int, int>> full{{15, 7, 255}};
    for (int address = 1; address <= 0xFFF; ++address)
        full.emplace_back(address >> 11, (address >> 8) & 7, address & 255);
    Addresses(full);
    device_->GetGrpAdrFromServer();
    EXPECT_EQ("", device_->GetNextHighestAndFreeGrpAddr(level));
}

class NoDataModuleTest : public hosttest::DemoProjectTest {};

TEST_F(NoDataModuleTest, NoProposalWithoutADataModule)
{
    testsupport::ScriptedUi ui;
    TEts2CdiFaults link(path_);
    GrpAdrMainWindow mainWindow;
    mainWindow.Link = &link;
    GrpAdrDevice device(&mainWindow, nullptr, nullptr);
    ASSERT_EQ(nullptr, TDataModuleServices::Current());
    int level = 7;
    EXPECT_EQ("", device.GetNextHighestAndFreeGrpAddr(level));
    EXPECT_EQ(7, level);
    EXPECT_TRUE(device.GrpAdrLoaded); // loaded all the same, as three levels
    EXPECT_TRUE(device.EtsGruppenAdressen->ThreeLevels);
}

} // namespace
} // namespace grpadrtest
