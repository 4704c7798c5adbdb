#include "outside/addrlink/AddrlinkTypes.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/addrlink/GrpAdrOrdner.h"
#include "outside/addrlink/SorvGrpAdrMain.h"
#include "outside/addrlink/SorvGrpAdrMiddle.h"
#include "outside/addrlink/SorvGrpAdrSub.h"
#include "outside/datacore/EibHandle.h"
#include "outside/datacore/MainWindowMessages.h"
#include "outside/tablebox/DrawGridSE.h"
#include "tests/support/RecordingWindow.h"

#include <gtest/gtest.h>

#include <array>
#include <list>
#include <map>
#include <memory>
#include <string>
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

// A main window that keeps the records of the objects by handle and answers their record,
// handle-table, flag and address requests.
class RecordWindow {
public:
    RecordWindow()
    {
        window_.AnswerWith([this](const testsupport::RecordingWindow::Message& m) -> platform::LRESULT {
            const auto handle = static_cast<std::int32_t>(m.lParam);
            switch (m.message) {
            case WM_USER_GETEIBHANDLE:
                return reinterpret_cast<platform::LRESULT>(&handles_);
            case WM_USER_GETDATENSATZ:
            case WM_USER_GETDATENSATZANYPARENT: {
                TDatenStruktur& record = Records[handle];
                record.Handle = handle;
                return reinterpret_cast<platform::LRESULT>(&record);
            }
            case WM_USER_FINDDATENSATZ: {
                const auto it = Records.find(handle);
                return reinterpret_cast<platform::LRESULT>(it == Records.end() ? nullptr : &it->second);
            }
            case WM_USER_DELETENEXTDATENSATZ:
                for (std::int32_t next = handle; next != 0 && Records.contains(next);) {
                    const std::int32_t after = Records[next].Next;
                    Records.erase(next);
                    next = after;
                }
                return 0;
            case WM_USER_OBJEKTFLAG: {
                const auto* request = reinterpret_cast<const RecObjektFlag*>(m.lParam);
                return ProjectKnowsObject && ProjectFlags[static_cast<std::size_t>(request->Flag)] == request->Value;
            }
            case WM_USER_OBJEKTFLAGSLESEN: {
                if (ProjectUnreadable)
                    return OBJEKT_LESEN_FEHLER;
                if (!ProjectKnowsObject)
                    return OBJEKT_LESEN_FEHLT;
                auto* request = reinterpret_cast<RecObjektFlagsLesen*>(m.lParam);
                for (std::size_t kind = 0; kind < request->Flags.size(); ++kind)
                    request->Flags[kind] = ProjectFlags[kind] != 0;
                return OBJEKT_LESEN_OK;
            }
            case WM_USER_GETGRPADRNRASZAHL: {
                const auto found = Addresses.find(static_cast<std::int32_t>(m.wParam));
                if (found == Addresses.end())
                    return 0;
                *reinterpret_cast<int*>(m.lParam) = found->second;
                return 1;
            }
            default:
                return 0;
            }
        });
    }

    platform::HWND Handle() const { return window_.handle(); }
    int Count(platform::UINT message) const
    {
        int count = 0;
        for (const auto& m : window_.messages())
            count += m.message == message ? 1 : 0;
        return count;
    }

    std::map<std::int32_t, TDatenStruktur> Records;
    std::array<int, 6> ProjectFlags{};
    bool ProjectKnowsObject = true;
    bool ProjectUnreadable = false;
    std::map<std::int32_t, int> Addresses; // sub group -> address

private:
    TEibHandle handles_{std::list<int>{77, 90, 91}}; // 90 and 91: a chain of stored records
    testsupport::RecordingWindow window_;
};

TEST(EtsObjektTest, ItsRecordHoldsIdsNumbersFlagsAndTheFirstLinkAndChainsTheOthers)
{
    RecordWindow window;
    auto object = MakeObject(window.Handle());
    object->SetPosId(-443);
    object->AddSubGroupLink(12, 0x0A01, false);
    object->AddSubGroupLink(-3, 0xFFFF, true);
    object->AddSubGroupLink(14, 0x0803, false);
    object->SetNumberSelectableGrpAdr(4);
    object->SetObjektWert(1234);
    object->SetEnableCellFlagStatus(true);
    object->SetEnableFlags(true, true, true, true, false, false);
    ASSERT_TRUE(object->SetObjektFlags(true, false, true, true, false, true, false));
    TDatenStruktur& record = window.Records[77];
    object->Write(record);

    EXPECT_EQ(806, record.Typ);
    EXPECT_EQ(40, record.Parent);
    EXPECT_EQ(3, record.System);
    EXPECT_EQ(-443, record.Param1);
    EXPECT_EQ(701, record.Param3);  // communication-object id
    EXPECT_EQ(57, record.Param4);   // object number
    EXPECT_EQ(901, record.Param5);  // parameter id
    EXPECT_EQ(10, record.Param8);   // object type code
    EXPECT_EQ(0, record.Param9);    // identification value
    EXPECT_EQ(801, record.Param10); // the id links use
    EXPECT_EQ(1234, record.Param11);
    EXPECT_EQ(4, record.Param12);
    EXPECT_EQ(0x0F, record.Param13);
    EXPECT_EQ(12, record.Param14);
    EXPECT_EQ(0x0A01, record.Param15);
    EXPECT_EQ(3300, record.Param16);
    EXPECT_EQ(1, record.Param17);
    EXPECT_EQ((std::vector<bool>{true, false, true, true, false, true, true, false}),
              (std::vector<bool>{record.Bool1, record.Bool2, record.Bool3, record.Bool4, record.Bool5, record.Bool6,
                                 record.Bool7, record.Bool10}));
    EXPECT_TRUE(record.String1.empty());

    ASSERT_NE(0, record.Next);
    const TDatenStruktur& second = window.Records.at(record.Next);
    EXPECT_EQ(77, second.Parent);
    EXPECT_EQ(0, second.Typ);
    EXPECT_EQ(-3, second.Param14);
    EXPECT_EQ(0xFFFF, second.Param15);
    EXPECT_TRUE(second.Bool10);
    ASSERT_NE(0, second.Next);
    const TDatenStruktur& third = window.Records.at(second.Next);
    EXPECT_EQ(14, third.Param14);
    EXPECT_EQ(0x0803, third.Param15);
    EXPECT_EQ(0, third.Next);
}

TEST(EtsObjektTest, ARecordLineAndItsChainGiveTheObjectBack)
{
    RecordWindow window;
    auto object = MakeObject(window.Handle());
    object->AddSubGroupLink(12, 0x0A01, false);
    object->AddSubGroupLink(13, 0x0A02, true);
    object->SetEnableFlags(false, true, false, false, true, false);
    ASSERT_TRUE(object->SetObjektFlags(true, false, true, false, true, false, false));
    object->Write(window.Records[77]);

    TDatenStruktur line;
    line.Fill(window.Records[77].ToString());
    auto restored = std::make_unique<TEtsObjekt>(window.Handle(), 3, 40, "", -1, -1, -1, -1, -1, -1, 0, 0, 1, 0, 77);
    restored->InitFromDB(line);
    EXPECT_EQ("Uhrzeit [Empfangen]", restored->GetName(true));
    EXPECT_EQ(701, restored->GetCommObjectId());
    EXPECT_EQ(801, restored->GetDeviceObjectId());
    EXPECT_EQ(57, restored->GetObjectNumber());
    EXPECT_EQ(901, restored->GetParameterId());
    EXPECT_EQ(3300, restored->GetDisplayOrder());
    EXPECT_EQ(1, restored->GetParameterValue());
    EXPECT_EQ(9, restored->GetEtsObjektTyp());
    EXPECT_EQ(object->GetGrpAdrIdList(), restored->GetGrpAdrIdList());
    EXPECT_TRUE(restored->GetEnableFlag(1));
    EXPECT_TRUE(restored->GetEnableFlag(4));
    EXPECT_FALSE(restored->GetEnableFlag(0));
    bool read, write, communication, transmit, update, readOnInit;
    restored->GetFlags(read, write, communication, transmit, update, readOnInit);
    EXPECT_EQ((std::vector<bool>{false, true, true, false, true, false}),
              (std::vector<bool>{read, write, communication, transmit, update, readOnInit}));

    // Written again, the chain is replaced: one further link, the old chained record gone.
    const std::int32_t oldNext = window.Records[77].Next;
    restored->DeleteSubGroupLink(12);
    restored->AddSubGroupLink(15, 0x0A03, false);
    restored->Write(window.Records[77]);
    EXPECT_FALSE(window.Records.contains(oldNext));
    EXPECT_EQ(13, window.Records[77].Param14);
    ASSERT_TRUE(window.Records.contains(window.Records[77].Next));
    EXPECT_EQ(15, window.Records[window.Records[77].Next].Param14);
    EXPECT_EQ(2u, window.Records.size());
}

TEST(EtsObjektTest, AnObjectWithoutLinksWritesNoneAndAChainEndsAtAMissingOrRepeatedRecord)
{
    RecordWindow window;
    auto object = MakeObject(window.Handle());
    TDatenStruktur& record = window.Records[77];
    object->Write(record);
    EXPECT_EQ(0, record.Param14);
    EXPECT_EQ(0, record.Param15);
    EXPECT_EQ(0, record.Next);

    record.Param14 = 12;
    record.Param15 = 0x0A01;
    record.Next = 90; // loops back to itself through 91
    window.Records[90].Param14 = 13;
    window.Records[90].Param15 = 0x0A02;
    window.Records[90].Next = 91;
    window.Records[91].Next = 90;
    object->InitFromDB(record);
    EXPECT_EQ((TLinks{{12, 0x0A01, false}, {13, 0x0A02, false}}), object->GetGrpAdrIdList());

    record.Next = 500; // not in use: the chain ends
    object->InitFromDB(record);
    EXPECT_EQ((TLinks{{12, 0x0A01, false}}), object->GetGrpAdrIdList());
}

TEST(EtsObjektTest, WithoutAMainWindowOnlyTheFirstLinkIsWritten)
{
    auto object = MakeObject();
    object->AddSubGroupLink(12, 0x0A01, false);
    object->AddSubGroupLink(13, 0x0A02, false);
    TDatenStruktur record;
    object->Write(record);
    EXPECT_EQ(12, record.Param14);
    EXPECT_EQ(0, record.Next);
}

TEST(EtsObjektTest, AlignmentTakesTheProjectsFlagsAndFailsWhenTheProjectLacksTheObject)
{
    RecordWindow window;
    auto object = MakeObject(window.Handle());
    ASSERT_TRUE(object->SetObjektFlags(false, false, false, false, false, true, false));
    window.ProjectFlags = {1, 0, 1, 1, 0, 0};
    EXPECT_TRUE(object->DatenAbgleich(true, false));
    bool read, write, communication, transmit, update, readOnInit;
    object->GetFlags(read, write, communication, transmit, update, readOnInit);
    EXPECT_EQ((std::vector<bool>{false, true, true, true, false, true}),
              (std::vector<bool>{read, write, communication, transmit, update, readOnInit}));

    window.ProjectKnowsObject = false;
    window.ProjectFlags = {0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(object->DatenAbgleich(true, false));
    EXPECT_EQ(object->GetProjektStand(), TEtsObjekt::psFehlt);
    object->GetFlags(read, write, communication, transmit, update, readOnInit);
    EXPECT_TRUE(communication && write && transmit && readOnInit); // unchanged
}

TEST(EtsObjektTest, AFailedReadOfTheProjectIsNoMissingObject)
{
    RecordWindow window;
    auto object = MakeObject(window.Handle());
    ASSERT_TRUE(object->SetObjektFlags(true, false, true, false, false, false, false));
    window.ProjectUnreadable = true;
    EXPECT_FALSE(object->DatenAbgleich(true, false));
    EXPECT_EQ(object->GetProjektStand(), TEtsObjekt::psUnlesbar);
    bool read, write, communication, transmit, update, readOnInit;
    object->GetFlags(read, write, communication, transmit, update, readOnInit);
    EXPECT_EQ((std::vector<bool>{false, true, true, false, false, false}),
              (std::vector<bool>{read, write, communication, transmit, update, readOnInit}));

    window.ProjectUnreadable = false;
    EXPECT_TRUE(object->DatenAbgleich(true, false));
    EXPECT_EQ(object->GetProjektStand(), TEtsObjekt::psGelesen);
}

TEST(EtsObjektTest, TheAddressesOfTheLinksAreReadAnew)
{
    RecordWindow window;
    auto object = MakeObject(window.Handle());
    object->AddSubGroupLink(12, 0x0A01, true);
    object->AddSubGroupLink(13, 0x0A02, false);
    window.Addresses = {{12, 0x0B01}};
    std::string error = "earlier";
    EXPECT_FALSE(object->UpdateAssociatedAddress(error));
    EXPECT_EQ((TLinks{{12, 0x0B01, true}, {13, 0x0A02, false}}), object->GetGrpAdrIdList());
    EXPECT_EQ("earlier\nUhrzeit [Empfangen]: group address of sub group 13 not read", error);
    window.Addresses[13] = 0x0B02;
    error.clear();
    EXPECT_TRUE(object->UpdateAssociatedAddress(error));
    EXPECT_TRUE(error.empty());
    EXPECT_EQ(0x0B02, object->GetGrpAdrIdList()[1].GrpAdr);
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

namespace {

TEST(EtsObjektGridTest, TheGroupAddressRowsEllipsisAsksForTheSelection)
{
    testsupport::RecordingWindow window(1);
    auto object = MakeObject(window.handle());
    object->AddSubGroupLink(5, 0x0801, false);
    object->AddSubGroupLink(6, 0x1102, false);
    EXPECT_EQ(1, object->ListStyle());
    TDrawGridSE grid;
    object->BuildInfoWindow(&grid, nullptr, false, -1, -1);
    ASSERT_EQ(1, grid.GetRowCount());
    EXPECT_EQ("Gruppenadressen", grid.GetCell(0, 0)->Text);
    EXPECT_EQ("1/0/1, 2/1/2", grid.GetCell(1, 0)->Text);
    grid.SetActiveCell(1, 0);
    grid.ClickEllipsis();
    ASSERT_EQ(1u, window.messages().size());
    EXPECT_EQ(WM_USER_OPENDLGGRPADRTOOBJECT, window.messages()[0].message);
    EXPECT_EQ(reinterpret_cast<platform::LPARAM>(static_cast<TDataBasis*>(object.get())),
              window.messages()[0].lParam);
}

} // namespace
