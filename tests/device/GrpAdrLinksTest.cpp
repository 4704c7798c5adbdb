#include "outside/addrlink/AddrlinkTypes.h"
#include "outside/addrlink/ObjektFlag.h"
#include "outside/datacore/MainWindowMessages.h"
#include "tests/device/GrpAdrFixture.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace grpadrtest {
namespace {

using TLinks = std::map<std::int32_t, int>;
using TModelLinks = TObjektBasis::TGrpAdrIdList;

const std::string LinkCaption = "Verbindung Objekt <-> Gruppenadresse";

// The demo's "Uhrzeit" of Tastsensor Wohnen: linked to 1/0/1 and 1/0/2 (sending) in the project,
// not yet in the model.
class LinksTest : public GrpAdrTest {
protected:
    LinksTest() : time_(AddObject(100, ids_.WohnenTime, 57)) {}

    std::vector<std::string> BoxTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : ui_.boxes())
            texts.push_back(box.text + " | " + box.caption + " | " + std::to_string(box.style));
        return texts;
    }

    TEtsObjekt* time_;
};

TEST_F(LinksTest, ALinkIsMadeInTheProjectAndInTheModel)
{
    ASSERT_TRUE(device_->LinkToSubGroup(ids_.SubKuecheLight, 100, true));
    EXPECT_EQ((TLinks{{ids_.SubFlurLight, 0}, {ids_.SubWohnenLight, 0}, {ids_.SubKuecheLight, 1}}),
              ProjectLinks(ids_.WohnenTime));
    EXPECT_EQ((TModelLinks{{ids_.SubKuecheLight, 0x0803, false}}), time_->GetGrpAdrIdList());
    EXPECT_EQ(std::to_string(ids_.SubKuecheLight) + ":2051:0", RecordLinks(time_));
    EXPECT_EQ(9, SubNode(0x0803)->GetSubAdrTyp()); // the address took the object's type
    ASSERT_EQ(1u, config_.NodeImages.size());
    EXPECT_EQ(time_, config_.NodeImages[0].first);
    EXPECT_EQ(ICON_ETS_OBJEKT_LINKED, config_.NodeImages[0].second);
    EXPECT_EQ(std::vector<std::int32_t>{ids_.SubKuecheLight}, device_->ResourceChecks);
    EXPECT_TRUE(ui_.boxes().empty());
    EXPECT_EQ(platform::crDefault, ui_.ScreenCursor());
}

TEST_F(LinksTest, ALinkTheHostMadeIsOnlyRecordedInTheModel)
{
    ASSERT_TRUE(device_->LinkToSubGroup(ids_.SubFlurLight, 100, false));
    EXPECT_EQ(0, link_.Writes(TCoCall::LinkObject));
    EXPECT_EQ((TModelLinks{{ids_.SubFlurLight, 0x0801, false}}), time_->GetGrpAdrIdList());
    EXPECT_EQ(1u, config_.NodeImages.size());
    EXPECT_EQ(-1, SubNode(0x0801)->GetSubAdrTyp()); // untouched without the project
}

struct RefusedLink {
    const char* Name;
    std::int32_t HostAnswer; // 0: the host is not asked for a fault
    std::string Box;
};

void PrintTo(const RefusedLink& c, std::ostream* os)
{
    *os << c.Name;
}

class RefusedLinkTest : public LinksTest, public ::testing::WithParamInterface<RefusedLink> {};

TEST_P(RefusedLinkTest, LeavesProjectAndModelAlone)
{
    if (GetParam().HostAnswer != 0)
        link_.FailWrites(TCoCall::LinkObject, GetParam().HostAnswer);
    EXPECT_FALSE(device_->LinkToSubGroup(ids_.SubKuecheLight, 100, true));
    EXPECT_EQ(std::vector<std::string>{GetParam().Box}, BoxTexts());
    EXPECT_TRUE(time_->GetGrpAdrIdList().empty());
    EXPECT_EQ(2u, ProjectLinks(ids_.WohnenTime).size());
    EXPECT_TRUE(config_.NodeImages.empty());
    EXPECT_EQ(platform::crDefault, ui_.ScreenCursor());
}

INSTANTIATE_TEST_SUITE_P(
    Host, RefusedLinkTest,
    ::testing::Values(RefusedLink{"Failed", CO_LINK_FAILED,
                                  "Herstellen der Verbindung fehlgeschlagen. | " + LinkCaption + " | 48"},
                      RefusedLink{"TypeUnfit", CO_LINK_TYPE_UNFIT,
                                  "Herstellen der Verbindung nicht m\xF6glich.\n Objekt hat den falschen Typ. | " +
                                      LinkCaption + " | 48"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(LinksTest, AnAddressOfAnotherTypeIsRefusedByTheProject)
{
    EXPECT_FALSE(device_->LinkToSubGroup(SubGroupId(1, 0, 4), 100, true)); // "Flur Licht Status", 1 bit
    EXPECT_EQ(std::vector<std::string>{"Herstellen der Verbindung nicht m\xF6glich.\n Objekt hat den falschen Typ. | " +
                                       LinkCaption + " | 48"},
              BoxTexts());
    EXPECT_TRUE(time_->GetGrpAdrIdList().empty());
}

TEST_F(LinksTest, WhatCannotBeLinkedIsToldWithoutAskingTheProject)
{
    device_->LoadGrpAdr();
    auto* folder = new TGrpAdrOrdner(0, 1, 0, "Ordner", 300); // a data object that is no communication object
    ASSERT_TRUE(device_->SetPointer2List(folder));
    const std::string error = " | Error: TDeviceInstanz::LinkToSubGroup | 0";
    const std::int32_t middleGroup = device_->GrpAdrNodes.Map().rbegin()->first;
    ASSERT_EQ(DT_SORV_GRP_ADR_MIDDLE, device_->GrpAdrNodes.Map().rbegin()->second->GetTyp());

    EXPECT_FALSE(device_->LinkToSubGroup(ids_.SubKuecheLight, 999, true));
    EXPECT_FALSE(device_->LinkToSubGroup(4711, 100, true));
    EXPECT_FALSE(device_->LinkToSubGroup(ids_.SubKuecheLight, 300, true));
    EXPECT_FALSE(device_->LinkToSubGroup(middleGroup, 100, true));
    time_->AddSubGroupLink(ids_.SubKuecheLight, 0x0803, false);
    EXPECT_FALSE(device_->LinkToSubGroup(ids_.SubKuecheLight, 100, true));
    EXPECT_EQ((std::vector<std::string>{"Object not found.\nAbort function" + error,
                                        "Group Address not found.\nAbort function" + error,
                                        "Invalid DataPointer" + error, "Invalid DataPointer" + error,
                                        "Objekt ist schon mit einer Gruppenadresse verbunden. | " + LinkCaption +
                                            " | 48"}),
              BoxTexts());
    EXPECT_EQ(0, link_.Writes(TCoCall::LinkObject));
    EXPECT_TRUE(device_->ResourceChecks.empty());
}

TEST_F(LinksTest, ALimitOrTheDeviceRefusingEndsTheLinkSilently)
{
    time_->SetNumberSelectableGrpAdr(1);
    time_->AddSubGroupLink(ids_.SubFlurLight, 0x0801, false);
    EXPECT_FALSE(device_->LinkToSubGroup(ids_.SubKuecheLight, 100, true));
    time_->SetNumberSelectableGrpAdr(0);
    device_->AllowLinks = false;
    EXPECT_FALSE(device_->LinkToSubGroup(ids_.SubKuecheLight, 100, true));
    EXPECT_TRUE(ui_.boxes().empty());
    EXPECT_EQ(0, link_.Writes(TCoCall::LinkObject));
    EXPECT_EQ(platform::crDefault, ui_.ScreenCursor());
}

TEST_F(LinksTest, LinkingToANewAddressCreatesItLinksAndRefreshesTheViews)
{
    device_->LoadGrpAdr();
    device_->LinkObjectToGrpAddr(time_, 5, 3, 7, "Garage");
    const std::int32_t garage = SubGroupId(5, 3, 7);
    ASSERT_GT(garage, 0);
    EXPECT_EQ(1, ProjectLinks(ids_.WohnenTime).at(garage));
    EXPECT_EQ((TModelLinks{{garage, 5 * 2048 + 3 * 256 + 7, false}}), time_->GetGrpAdrIdList());
    EXPECT_EQ((std::vector<platform::UINT>{WM_USER_UPDATEALLVIEWS, WM_USER_UPDATETREENAMES}), Posted());
}

TEST_F(LinksTest, LinkingToAnAddressHeldAlreadyStillWritesAndRefreshes)
{
    device_->LoadGrpAdr();
    time_->AddSubGroupLink(ids_.SubFlurLight, 0x0801, false);
    device_->LinkObjectToGrpAddr(time_, 1, 0, 1, "anders");
    EXPECT_TRUE(ui_.boxes().empty());
    EXPECT_EQ(0, link_.Writes(TCoCall::LinkObject));
    EXPECT_EQ(std::to_string(ids_.SubFlurLight) + ":2049:0", RecordLinks(time_));
    EXPECT_EQ((std::vector<platform::UINT>{WM_USER_UPDATEALLVIEWS, WM_USER_UPDATETREENAMES}), Posted());
    EXPECT_EQ("Flur Licht", SubNode(0x0801)->GetName(false));

    device_->LinkObjectToGrpAddr(time_, -1, 0, 1, "");
    device_->LinkObjectToGrpAddr(nullptr, 1, 0, 1, "");
    EXPECT_TRUE(Posted().size() == 2u);
}

TEST_F(LinksTest, UnlinkingRemovesTheLinkFromProjectAndModel)
{
    time_->AddSubGroupLink(ids_.SubFlurLight, 0x0801, false);
    time_->AddSubGroupLink(ids_.SubWohnenLight, 0x0802, false);
    EXPECT_TRUE(device_->UnLinkFromSubGroup(ids_.SubFlurLight, ids_.WohnenTime));
    EXPECT_EQ((TLinks{{ids_.SubWohnenLight, 1}}), ProjectLinks(ids_.WohnenTime));
    EXPECT_EQ((TModelLinks{{ids_.SubWohnenLight, 0x0802, false}}), time_->GetGrpAdrIdList());
    EXPECT_EQ(std::to_string(ids_.SubWohnenLight) + ":2050:0", RecordLinks(time_));
}

TEST_F(LinksTest, ALinkTheProjectDoesNotHoldIsRemovedFromTheModel)
{
    time_->AddSubGroupLink(ids_.SubKuecheLight, 0x0803, false);
    EXPECT_TRUE(device_->UnLinkFromSubGroup(ids_.SubKuecheLight, ids_.WohnenTime));
    EXPECT_TRUE(time_->GetGrpAdrIdList().empty());
    EXPECT_EQ(0, link_.Writes(TCoCall::UnlinkObject));
    EXPECT_EQ(ICON_ETS_OBJEKT, config_.NodeImages.back().second);
}

TEST_F(LinksTest, AnUnlinkTheProjectRefusesOrCannotReadStaysInTheModel)
{
    time_->AddSubGroupLink(ids_.SubFlurLight, 0x0801, false);
    link_.FailWrites(TCoCall::UnlinkObject, 0);
    EXPECT_FALSE(device_->UnLinkFromSubGroup(ids_.SubFlurLight, ids_.WohnenTime));
    EXPECT_EQ(1u, time_->GetGrpAdrIdList().size());
    link_.Heal();
    link_.FailReads(TDalKind::SubToObject, DAL_ERR);
    EXPECT_FALSE(device_->UnLinkFromSubGroup(ids_.SubFlurLight, ids_.WohnenTime));
    EXPECT_EQ(1u, time_->GetGrpAdrIdList().size());
    EXPECT_EQ(2u, ProjectLinks(ids_.WohnenTime).size());
}

TEST_F(LinksTest, UnlinkingAllStopsAtTheFirstRefusal)
{
    time_->AddSubGroupLink(ids_.SubFlurLight, 0x0801, false);
    time_->AddSubGroupLink(ids_.SubWohnenLight, 0x0802, false);
    EXPECT_TRUE(device_->UnLinkAllSubGroups(time_));
    EXPECT_TRUE(ProjectLinks(ids_.WohnenTime).empty());
    EXPECT_TRUE(time_->GetGrpAdrIdList().empty());
    EXPECT_FALSE(device_->UnLinkAllSubGroups(nullptr));

    TEtsObjekt* date = AddObject(101, ids_.WohnenDate, 58);
    date->AddSubGroupLink(ids_.SubSetPoint, 0x1101, false);
    date->AddSubGroupLink(ids_.SubKuecheLight, 0x0803, false);
    link_.FailWrites(TCoCall::UnlinkObject, 0);
    EXPECT_FALSE(device_->UnLinkAllSubGroups(date));
    EXPECT_EQ(2u, date->GetGrpAdrIdList().size());
}

TEST_F(LinksTest, WhetherAnObjectIsLinked)
{
    EXPECT_FALSE(device_->CheckObjectVerbunden(time_));
    time_->AddSubGroupLink(ids_.SubFlurLight, 0x0801, false);
    EXPECT_TRUE(device_->CheckObjectVerbunden(time_));
    device_->LoadGrpAdr();
    EXPECT_THROW(device_->CheckObjectVerbunden(nullptr), std::runtime_error);
    EXPECT_THROW(device_->CheckObjectVerbunden(device_->GrpAdrOrdner.get()), std::runtime_error);
}

TEST_F(LinksTest, ObjectsAreFoundByHostIdAndNumberAmongTheFirstNodeKindOnly)
{
    TEtsObjekt* second = AddObject2(90, ids_.WohnenTime, 57); // lower handle, other node kind
    TEtsObjekt* date = AddObject(120, ids_.WohnenDate, 58);
    EXPECT_EQ(time_, device_->GetObjectFromDeviceObjectId(ids_.WohnenTime));
    EXPECT_EQ(time_, device_->GetObjectFromObjectNr(57));
    EXPECT_EQ(date, device_->GetObjectFromObjectNr(58));
    EXPECT_EQ(nullptr, device_->GetObjectFromObjectNr(59));
    EXPECT_EQ(nullptr, device_->GetObjectFromDeviceObjectId(4711));
    EXPECT_NE(nullptr, second);
}

class SelectionTest : public LinksTest {
protected:
    SelectionTest()
    {
        time_->AddSubGroupLink(ids_.SubFlurLight, 0x0801, false);
        time_->AddSubGroupLink(ids_.SubWohnenLight, 0x0802, false);
    }
};

TEST_F(SelectionTest, ConfirmedWithoutChangesNeitherUnlinksNorLinks)
{
    main_.Chosen = {{ids_.SubWohnenLight, 0, false}, {ids_.SubFlurLight, 0, false}};
    EXPECT_TRUE(device_->OpenDlgGrpAdrToObject(time_));
    EXPECT_EQ(0, link_.Writes(TCoCall::LinkObject));
    EXPECT_EQ(0, link_.Writes(TCoCall::UnlinkObject));
    EXPECT_EQ(std::vector<platform::UINT>{WM_USER_UPDATETREENAMES}, Posted());

    ASSERT_EQ(1u, main_.Selections.size());
    const auto& call = main_.Selections[0];
    EXPECT_EQ(3, call.Level);
    EXPECT_EQ(time_, call.Object);
    EXPECT_EQ(time_->GetGrpAdrIdList(), call.Links);
    EXPECT_EQ(&device_->GrpAdrNodes, call.Nodes);
    EXPECT_EQ(device_->EtsGruppenAdressen.get(), call.Groups);
    EXPECT_EQ(platform::crDefault, main_.CursorAtShow); // the hourglass was gone
}

TEST_F(SelectionTest, TheChosenLinksReplaceTheOldOnes)
{
    main_.Chosen = {{ids_.SubKuecheLight, 0, false}, {ids_.SubWohnenLight, 0, false}};
    EXPECT_TRUE(device_->OpenDlgGrpAdrToObject(time_));
    EXPECT_EQ((TLinks{{ids_.SubWohnenLight, 0}, {ids_.SubKuecheLight, 1}}), ProjectLinks(ids_.WohnenTime));
    EXPECT_EQ((TModelLinks{{ids_.SubWohnenLight, 0x0802, false}, {ids_.SubKuecheLight, 0x0803, false}}),
              time_->GetGrpAdrIdList());
    EXPECT_EQ(std::to_string(ids_.SubWohnenLight) + ":2050:0;" + std::to_string(ids_.SubKuecheLight) + ":2051:0",
              RecordLinks(time_));
}

TEST_F(SelectionTest, CancelOrNoDialogChangesNothing)
{
    main_.SelectionAnswer = 2;
    main_.Chosen = {};
    EXPECT_FALSE(device_->OpenDlgGrpAdrToObject(time_));
    main_.SelectionAnswer = 0;
    EXPECT_FALSE(device_->OpenDlgGrpAdrToObject(time_));
    EXPECT_EQ(2u, time_->GetGrpAdrIdList().size());
    EXPECT_EQ(2u, ProjectLinks(ids_.WohnenTime).size());
    EXPECT_TRUE(Posted().empty());
    EXPECT_FALSE(device_->OpenDlgGrpAdrToObject(nullptr));
}

TEST_F(SelectionTest, AFailingLinkEndsTheSelection)
{
    main_.Chosen = {{SubGroupId(1, 0, 4), 0, false}}; // 1 bit, unfit
    EXPECT_FALSE(device_->OpenDlgGrpAdrToObject(time_));
    EXPECT_TRUE(time_->GetGrpAdrIdList().empty()); // the removals were done
    EXPECT_TRUE(ProjectLinks(ids_.WohnenTime).empty());
    EXPECT_TRUE(Posted().empty());
}

class SendingTest : public LinksTest {
protected:
    SendingTest()
    {
        time_->AddSubGroupLink(ids_.SubFlurLight, 0x0801, false);
        time_->AddSubGroupLink(ids_.SubWohnenLight, 0x0802, false);
    }
};

TEST_F(SendingTest, SettingRelinksTheAddressAsTheSendingOne)
{
    EXPECT_TRUE(device_->GrpAdrSendend(ids_.SubFlurLight, ids_.WohnenTime, true));
    EXPECT_EQ((TLinks{{ids_.SubFlurLight, 1}, {ids_.SubWohnenLight, 0}}), ProjectLinks(ids_.WohnenTime));
    EXPECT_EQ(2u, time_->GetGrpAdrIdList().size());
    EXPECT_EQ(platform::crDefault, ui_.ScreenCursor());
    EXPECT_TRUE(ui_.boxes().empty());
}

TEST_F(SendingTest, ClearingTakesTheSendingFlagOffOneLink)
{
    EXPECT_TRUE(device_->GrpAdrSendend(ids_.SubWohnenLight, ids_.WohnenTime, false));
    EXPECT_EQ((TLinks{{ids_.SubFlurLight, 0}, {ids_.SubWohnenLight, 0}}), ProjectLinks(ids_.WohnenTime));
}

TEST_F(SendingTest, WithoutTheLinkOrOnAHostErrorNothingChanges)
{
    EXPECT_FALSE(device_->GrpAdrSendend(ids_.SubKuecheLight, ids_.WohnenTime, true));
    link_.FailReads(TDalKind::SubToObject, DAL_ERR);
    EXPECT_FALSE(device_->GrpAdrSendend(ids_.SubFlurLight, ids_.WohnenTime, true));
    EXPECT_EQ(0, link_.Writes(TCoCall::UnlinkObject));
    EXPECT_EQ(0, link_.Writes(TCoCall::SendFlag));
    EXPECT_TRUE(ui_.boxes().empty());
}

TEST_F(SendingTest, ARefusedUnlinkIsTold)
{
    link_.FailWrites(TCoCall::UnlinkObject, 0);
    EXPECT_FALSE(device_->GrpAdrSendend(ids_.SubFlurLight, ids_.WohnenTime, true));
    EXPECT_EQ(std::vector<std::string>{"Unlink geht nicht | Fehler | 0"}, BoxTexts());
    EXPECT_EQ(0, link_.Writes(TCoCall::LinkObject));
}

TEST_F(SendingTest, AFailedRelinkLeavesTheModelAgreeingWithTheProject)
{
    link_.FailWrites(TCoCall::LinkObject, CO_LINK_FAILED);
    EXPECT_FALSE(device_->GrpAdrSendend(ids_.SubFlurLight, ids_.WohnenTime, true));
    EXPECT_EQ(std::vector<std::string>{"Herstellen der Verbindung fehlgeschlagen. | " + LinkCaption + " | 48"},
              BoxTexts());
    EXPECT_EQ((TLinks{{ids_.SubWohnenLight, 1}}), ProjectLinks(ids_.WohnenTime));
    EXPECT_EQ((TModelLinks{{ids_.SubWohnenLight, 0x0802, false}}), time_->GetGrpAdrIdList());
}

TEST_F(SendingTest, AFailedFlagClearIsToldWhenTheHostSaysFailed)
{
    link_.FailWrites(TCoCall::SendFlag, SQL_FAILED);
    EXPECT_FALSE(device_->GrpAdrSendend(ids_.SubWohnenLight, ids_.WohnenTime, false));
    EXPECT_EQ(std::vector<std::string>{"SubGroupId " + std::to_string(ids_.SubWohnenLight) +
                                       " | Error: TDeviceInstanz::GrpAdrSendend | 48"},
              BoxTexts());
    link_.FailWrites(TCoCall::SendFlag, 7);
    EXPECT_FALSE(device_->GrpAdrSendend(ids_.SubWohnenLight, ids_.WohnenTime, false));
    EXPECT_EQ(1u, ui_.boxes().size());
    EXPECT_EQ(1, ProjectLinks(ids_.WohnenTime).at(ids_.SubWohnenLight));
}

struct FlagKind {
    std::int32_t Kind;
    TCoCall Call;
    const char* Column;
};

void PrintTo(const FlagKind& flag, std::ostream* os)
{
    *os << flag.Column;
}

class FlagTest : public LinksTest, public ::testing::WithParamInterface<FlagKind> {};

TEST_P(FlagTest, AChangeReachesTheProjectAndATestComparesExactly)
{
    const FlagKind& flag = GetParam();
    const std::string column =
        "SELECT " + std::string(flag.Column) + " FROM device_object WHERE id = " + std::to_string(ids_.WohnenDate);
    RecObjektFlag request{ids_.WohnenDate, flag.Kind, 2};
    EXPECT_TRUE(device_->ChangeObjektFlag(&request));
    EXPECT_EQ(1, Query(column));
    request.Value = 1;
    EXPECT_TRUE(device_->CheckObjektFlag(&request));
    request.Value = 2;
    EXPECT_FALSE(device_->CheckObjektFlag(&request)); // stored 1, expected 2
    request.Value = 0;
    EXPECT_TRUE(device_->ChangeObjektFlag(&request));
    EXPECT_EQ(0, Query(column));
    EXPECT_TRUE(device_->CheckObjektFlag(&request));
    EXPECT_EQ(2, link_.Writes(flag.Call));

    link_.FailWrites(flag.Call, SQL_FAILED);
    EXPECT_FALSE(device_->ChangeObjektFlag(&request));
    link_.FailWrites(flag.Call, 7);
    EXPECT_FALSE(device_->ChangeObjektFlag(&request));
    EXPECT_EQ(std::vector<std::string>{"Setting flag: " + std::to_string(flag.Kind) +
                                       " | Error: TDeviceInstanz::ChangeObjektFlag | 48"},
              BoxTexts());
}

INSTANTIATE_TEST_SUITE_P(Kinds, FlagTest,
                         ::testing::Values(FlagKind{OBJEKT_FLAG_KOMMUNIKATION, TCoCall::CommFlag, "comm_flag"},
                                           FlagKind{OBJEKT_FLAG_LESEN, TCoCall::ReadFlag, "read_flag"},
                                           FlagKind{OBJEKT_FLAG_SCHREIBEN, TCoCall::WriteFlag, "write_flag"},
                                           FlagKind{OBJEKT_FLAG_UEBERTRAGEN, TCoCall::TransFlag, "trans_flag"},
                                           FlagKind{OBJEKT_FLAG_AKTUALISIEREN, TCoCall::UpdateFlag, "update_flag"}));

TEST_F(LinksTest, TheSixthFlagChangesNothingAndCannotBeTested)
{
    RecObjektFlag request{ids_.WohnenDate, OBJEKT_FLAG_LESEN_BEI_INIT, 1};
    EXPECT_TRUE(device_->ChangeObjektFlag(&request));
    for (TCoCall call : {TCoCall::CommFlag, TCoCall::ReadFlag, TCoCall::WriteFlag, TCoCall::TransFlag,
                         TCoCall::UpdateFlag})
        EXPECT_EQ(0, link_.Writes(call));
    try {
        device_->CheckObjektFlag(&request);
        FAIL() << "no exception";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string("unknown flag: 5"), error.what());
    }
    request.Flag = 9;
    EXPECT_FALSE(device_->ChangeObjektFlag(&request));
    EXPECT_EQ((std::vector<std::string>{"unknown flag: 5 | Error: TDeviceInstanz::CheckObjektFlag | 0",
                                        "Setting flag: 9 | Error: TDeviceInstanz::ChangeObjektFlag | 48"}),
              BoxTexts());
}

TEST_F(LinksTest, AFlagTestOfAnUnreadableObjectThrows)
{
    RecObjektFlag request{4711, OBJEKT_FLAG_LESEN, 1};
    EXPECT_THROW(device_->CheckObjektFlag(&request), std::runtime_error);
    request.DeviceObjectId = ids_.FlurTime; // another device's object
    EXPECT_THROW(device_->CheckObjektFlag(&request), std::runtime_error);
    link_.FailReads(TDalKind::DeviceObject, DAL_ERR);
    request.DeviceObjectId = ids_.WohnenDate;
    try {
        device_->CheckObjektFlag(&request);
        FAIL() << "no exception";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string("Error DALE_ERR at DalGetDeviceObjectData"), error.what());
    }
    const std::string caption = " | Error: TDeviceInstanz::CheckObjektFlag | 0";
    EXPECT_EQ((std::vector<std::string>{"DAL_END: DalGetDeviceObjectData" + caption,
                                        "DAL_END: DalGetDeviceObjectData" + caption,
                                        "DAL_ERR: DalGetDeviceObjectData" + caption}),
              BoxTexts());
}

TEST_F(LinksTest, TheObjectsOfASubGroup)
{
    device_->LoadGrpAdr();
    std::list<RecSubGroupObjekt> objects;
    ASSERT_TRUE(device_->GetObjektDataFromSubGroup(SubNode(0x0802), objects));
    ASSERT_EQ(1u, objects.size());
    const RecSubGroupObjekt& time = objects.front();
    EXPECT_EQ("01.01.002", time.PhysAdr);
    EXPECT_EQ(57, time.ObjectNumber);
    EXPECT_EQ("Tastsensor Wohnen", time.DeviceName);
    EXPECT_EQ("Wohnzimmer", time.DeviceDescription);
    EXPECT_EQ("", time.Text);
    EXPECT_EQ("Empfangen", time.FunctionText);
    EXPECT_EQ("Uhrzeit", time.ObjectName);
    EXPECT_EQ("3 Byte", time.SizeText);
    EXPECT_EQ((std::vector<int>{1, 0, 0, 1, 0}),
              (std::vector<int>{time.Communication, time.Read, time.Write, time.Transmit, time.Update}));
    EXPECT_EQ("1/0/2, 1/0/1", time.ObjectText);
    EXPECT_EQ(-1, time.Value);

    dataModule_.Level = 2;
    Execute("UPDATE device_object SET type = -1 WHERE id = " + std::to_string(ids_.WohnenTime));
    objects.clear();
    ASSERT_TRUE(device_->GetObjektDataFromSubGroup(SubNode(0x0801), objects));
    ASSERT_EQ(1u, objects.size());
    EXPECT_EQ("1/2, 1/1", objects.front().ObjectText);
    EXPECT_EQ("Frei", objects.front().SizeText);

    objects.clear();
    ASSERT_TRUE(device_->GetObjektDataFromSubGroup(SubNode(0x0803), objects));
    EXPECT_TRUE(objects.empty());
}

struct SizeCase {
    int Type;
    std::string Text;
};

void PrintTo(const SizeCase& c, std::ostream* os)
{
    *os << "Type" << c.Type;
}

class SizeTextTest : public LinksTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(SizeTextTest, NamesTheObjectType)
{
    device_->LoadGrpAdr();
    Execute("UPDATE device_object SET type = " + std::to_string(GetParam().Type) +
            " WHERE id = " + std::to_string(ids_.WohnenTime));
    std::list<RecSubGroupObjekt> objects;
    ASSERT_TRUE(device_->GetObjektDataFromSubGroup(SubNode(0x0801), objects));
    ASSERT_EQ(1u, objects.size());
    EXPECT_EQ(GetParam().Text, objects.front().SizeText);
}

INSTANTIATE_TEST_SUITE_P(Types, SizeTextTest,
                         ::testing::Values(SizeCase{-1, "Frei"}, SizeCase{0, "1 Bit"}, SizeCase{6, "7 Bit"},
                                           SizeCase{7, "1 Byte"}, SizeCase{10, "4 Byte"}, SizeCase{11, "6 Byte"},
                                           SizeCase{12, "8 Byte"}, SizeCase{13, "10 Byte"}, SizeCase{14, "14 Byte"},
                                           SizeCase{15, "VARDATA"}));

} // namespace
} // namespace grpadrtest
