#include "outside/addrlink/AddrlinkTypes.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/addrlink/GrpAdrOrdner.h"
#include "outside/addrlink/SorvGrpAdrMain.h"
#include "outside/addrlink/SorvGrpAdrMiddle.h"
#include "outside/addrlink/SorvGrpAdrSub.h"
#include "outside/datacore/MainWindowMessages.h"
#include "tests/support/RecordingWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using TLinks = TObjektBasis::TGrpAdrIdList;

std::unique_ptr<TEtsObjekt> MakeObject(platform::HWND window = 0, std::uint8_t objectType = 10)
{
    return std::make_unique<TEtsObjekt>(window, 3, 40, "Uhrzeit [Empfangen]", 701, 801, 57, 901, 3300, 1, 0,
                                        objectType, 2, 0, 77);
}

TEST(ObjektBasisTest, LinksKeepTheirOrderAndTheLimit)
{
    auto object = MakeObject();
    EXPECT_TRUE(object->CheckAnzahlVerbindungen()); // no limit
    object->AddSubGroupLink(5, 0x0805, false);
    object->AddSubGroupLink(6, 0x0806, true);
    object->AddSubGroupLink(5, 0x0805, false); // the same address again is a further link
    EXPECT_EQ((TLinks{{5, 0x0805, false}, {6, 0x0806, true}, {5, 0x0805, false}}), object->GetGrpAdrIdList());
    EXPECT_TRUE(object->ExistSubGroupId(6));
    EXPECT_FALSE(object->ExistSubGroupId(7));

    object->SetNumberSelectableGrpAdr(3);
    EXPECT_FALSE(object->CheckAnzahlVerbindungen());
    object->DeleteSubGroupLink(5); // every link to it
    EXPECT_EQ((TLinks{{6, 0x0806, true}}), object->GetGrpAdrIdList());
    EXPECT_TRUE(object->CheckAnzahlVerbindungen());
    object->ClearAllSubGroupLink();
    EXPECT_TRUE(object->GetGrpAdrIdList().empty());
}

TEST(ObjektBasisTest, TheHostTypeIsTheTypeCodeMinusOne)
{
    EXPECT_EQ(9, MakeObject(0, 10)->GetEtsObjektTyp());
    EXPECT_EQ(10, MakeObject(0, 10)->GetObjTyp());
    EXPECT_EQ(-1, MakeObject(0, 0)->GetEtsObjektTyp());
}

TEST(EtsObjektTest, TheIconTellsWhetherItIsLinked)
{
    auto object = MakeObject();
    EXPECT_EQ(DT_ETS_OBJEKT, object->GetTyp());
    EXPECT_EQ(ICON_ETS_OBJEKT, object->GetIcon());
    object->AddSubGroupLink(5, 0x0805, false);
    EXPECT_EQ(ICON_ETS_OBJEKT_LINKED, object->GetIcon());
}

TEST(EtsObjektTest, ItsRecordLineCarriesIdsFlagsAndLinks)
{
    auto object = MakeObject();
    object->SetPosId(-443);
    object->AddSubGroupLink(12, 0x0A01, false);
    object->AddSubGroupLink(-3, 0xFFFF, true);
    object->SetNumberSelectableGrpAdr(4);
    ASSERT_TRUE(object->SetObjektFlags(true, false, true, true, false, true, false));
    TDatenStruktur record;
    object->Write(record);
    EXPECT_EQ(806, record.Typ);
    EXPECT_EQ(57, record.Param4);
    EXPECT_EQ(3300, record.Param16);
    EXPECT_EQ(1, record.Param17);

    TDatenStruktur line;
    line.Fill(record.ToString());
    auto restored = std::make_unique<TEtsObjekt>(0, 3, 40, "", -1, -1, -1, -1, -1, -1, 0, 0, 1, 0, 77);
    restored->InitFromDB(line);
    EXPECT_EQ("Uhrzeit [Empfangen]", restored->GetName(true));
    EXPECT_EQ(-443, restored->GetPosId());
    EXPECT_EQ(701, restored->GetCommObjectId());
    EXPECT_EQ(801, restored->GetDeviceObjectId());
    EXPECT_EQ(57, restored->GetObjectNumber());
    EXPECT_EQ(901, restored->GetParameterId());
    EXPECT_EQ(3300, restored->GetDisplayOrder());
    EXPECT_EQ(1, restored->GetParameterValue());
    EXPECT_EQ(9, restored->GetEtsObjektTyp());
    EXPECT_EQ(4, restored->GetNumberSelectableGrpAdr());
    EXPECT_EQ(object->GetGrpAdrIdList(), restored->GetGrpAdrIdList());
    bool read, write, communication, transmit, update, readOnInit;
    restored->GetFlags(read, write, communication, transmit, update, readOnInit);
    EXPECT_EQ((std::vector<bool>{false, true, true, true, false, true}),
              (std::vector<bool>{read, write, communication, transmit, update, readOnInit}));
    TDatenStruktur again;
    restored->Write(again);
    EXPECT_EQ(record.ToString(), again.ToString());
}

TEST(EtsObjektTest, BrokenLinkEntriesOfARecordAreLeftOut)
{
    TDatenStruktur record;
    MakeObject()->Write(record);
    record.String1 = "12:2561:0;x:1:0;13:70000:0;14:5;;15:7:1:9;16:7:1";
    auto object = MakeObject();
    object->AddSubGroupLink(99, 1, false);
    object->InitFromDB(record);
    EXPECT_EQ((TLinks{{12, 2561, false}, {16, 7, true}}), object->GetGrpAdrIdList());
}

TEST(EtsObjektTest, FlagsWrittenThroughGoOneByOneToTheMainWindowUntilOneIsRefused)
{
    testsupport::RecordingWindow window(1);
    std::vector<RecObjektFlag> requests;
    window.AnswerWith([&](const testsupport::RecordingWindow::Message& message) -> platform::LRESULT {
        const auto* request = reinterpret_cast<const RecObjektFlag*>(message.lParam);
        requests.push_back(*request);
        return message.message == WM_USER_OBJEKTFLAG && message.wParam == 0 && request->Flag != 3;
    });
    auto object = MakeObject(window.handle());
    EXPECT_FALSE(object->SetObjektFlags(true, false, true, false, true, false, true));
    ASSERT_EQ(4u, requests.size()); // the transmit flag was refused
    for (std::size_t kind = 0; kind < requests.size(); ++kind) {
        EXPECT_EQ(801, requests[kind].DeviceObjectId);
        EXPECT_EQ(static_cast<std::int32_t>(kind), requests[kind].Flag);
        EXPECT_EQ(kind % 2 == 0 ? 1 : 0, requests[kind].Value);
    }

    requests.clear();
    window.AnswerWith(1);
    EXPECT_TRUE(object->SetObjektFlags(true, true, true, true, true, true, true));
    EXPECT_EQ(6u, window.messages().size() - 4);
    EXPECT_TRUE(requests.empty());
}

TEST(GrpAdrNodeTest, NodesAnswerFromTheirHostGroup)
{
    TEtsMainGroup main(11, 1);
    TEtsMiddleGroup middle(21, 11);
    TEtsSubGroup sub(31, 21);
    const TSorvGrpAdrMain mainNode(0, 0, 0, "", 1, &main);
    const TSorvGrpAdrMiddle middleNode(0, 0, 0, "", 1, &middle);
    TSorvGrpAdrSub subNode(0, 0, 0, "", 1, &sub);
    EXPECT_EQ(11, mainNode.GetEtsId());
    EXPECT_EQ(21, middleNode.GetEtsId());
    EXPECT_EQ(31, subNode.GetEtsId());
    EXPECT_EQ(&sub, subNode.GetGroup());
    EXPECT_EQ(DT_SORV_GRP_ADR_MAIN, mainNode.GetTyp());
    EXPECT_EQ(DT_SORV_GRP_ADR_MIDDLE, middleNode.GetTyp());
    EXPECT_EQ(DT_SORV_GRP_ADR_SUB, subNode.GetTyp());
    EXPECT_EQ(-1, subNode.GetSubAdrTyp());
    subNode.SetSubAdrTyp(9);
    EXPECT_EQ(9, subNode.GetSubAdrTyp());

    const TSorvGrpAdrSub orphan(0, 0, 0, "ohne", 1, nullptr);
    EXPECT_EQ(0, orphan.GetEtsId());
    EXPECT_EQ(0, orphan.GetGroupNumber());
    EXPECT_EQ(0, orphan.GetGroupAddress(0));
    EXPECT_EQ("ohne", orphan.GetName(false));

    const TGrpAdrOrdner folder(0, 0, 0, "Gruppenadressen", 1);
    EXPECT_EQ(DT_GRP_ADR_ORDNER, folder.GetTyp());
    EXPECT_EQ("Gruppenadressen", folder.GetName(false));
}

} // namespace
