#include "tests/climalib/support/ProbeFixture.h"

namespace climatest {
namespace {

using P = TProbeDataObject;

class ModifyObject : public ProbeFixture, public ::testing::WithParamInterface<bool> {};

TEST_P(ModifyObject, ArrivesAtTheDeviceAsAddObjectByDisplayOrder)
{
    const bool ask = GetParam();
    EXPECT_TRUE(probe->ModifyObject(2, 3060, -500, ask));
    ASSERT_EQ(Device().TransportRequests().size(), 1u);
    const auto& request = Device().TransportRequests()[0];
    EXPECT_EQ(request.Code, 8);
    EXPECT_EQ(request.Handle, probe->GetHandle());
    EXPECT_EQ(request.Sender, probe.get()) << "the owner of the new objects";
    EXPECT_EQ(request.DisplayOrder, 3060);
    EXPECT_EQ(request.Value, 2);
    EXPECT_EQ(request.PositionBase, -500);
    EXPECT_EQ(request.Ask, ask ? 1 : 0);
    EXPECT_EQ(window.Messages().size(), 1u);

    Device().AnswerAddObject(0);
    EXPECT_FALSE(probe->ModifyObject(2, 3060, -500, ask));
}

INSTANTIATE_TEST_SUITE_P(Ask, ModifyObject, ::testing::Bool());

TEST_F(ProbeFixture, AnObjectOperationAsksItselfBeforeAnObjectGoes)
{
    EXPECT_TRUE(probe->ModifyAuswahlObjekt(true, true));
    const auto& requests = Device().TransportRequests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].Code, UDT_CHECK_IF_DELETE_OBJECTS_ALLOWED);
    EXPECT_EQ(requests[0].ObjectNumbers, std::list<int>{P::ObjektAuswahl});
    EXPECT_EQ(requests[1].Code, UDT_ADD_ETS_OBJECT_BY_DISPLAY_ORDER);
    EXPECT_EQ(requests[1].Value, 0);
    EXPECT_EQ(requests[1].PositionBase, P::PositionBase);
    EXPECT_EQ(requests[1].Ask, 0) << "asked already";
}

TEST_F(ProbeFixture, ARefusedQuestionChangesNoObject)
{
    Device().AnswerDeleteAllowed(0);
    EXPECT_FALSE(probe->ModifyAuswahlObjekt(true, true));
    ASSERT_EQ(Device().TransportRequests().size(), 1u);
    EXPECT_EQ(Device().TransportRequests()[0].Code, UDT_CHECK_IF_DELETE_OBJECTS_ALLOWED);
}

TEST_F(ProbeFixture, AnObjectThatStaysIsNotAskedFor)
{
    EXPECT_TRUE(probe->ModifyAuswahlObjekt(false, true));
    ASSERT_EQ(Device().TransportRequests().size(), 1u);
    EXPECT_EQ(Device().TransportRequests()[0].Value, 1);
}

TEST_F(ProbeFixture, CreateAndDeleteObjectsSwitchTheObjectsOnAndOffWithoutAsking)
{
    EXPECT_TRUE(probe->CreateObjects());
    EXPECT_TRUE(probe->DeleteObjects());
    const auto& requests = Device().TransportRequests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].Value, 1);
    EXPECT_EQ(requests[1].Value, 0);
    EXPECT_EQ(requests[1].Ask, 0);
}

TEST_F(ProbeFixture, ADeviceRequestCarriesSenderCodeAndByte)
{
    EXPECT_TRUE(probe->CallModifyTastenWippenFunktion());
    ASSERT_EQ(Device().DeviceRequests().size(), 1u);
    const auto& request = Device().DeviceRequests()[0];
    EXPECT_EQ(request.Handle, probe->GetHandle());
    EXPECT_EQ(request.Code, UDM_MODIFY_TASTEN_WIPPEN_FUNKTION);
    EXPECT_EQ(request.Sender, probe.get());
    EXPECT_EQ(request.Record, nullptr);
    EXPECT_EQ(request.Text, "");
    EXPECT_EQ(request.Result, nullptr);
    EXPECT_EQ(request.Integer, 0);
    EXPECT_EQ(request.Byte, 1);
    EXPECT_EQ(window.Messages()[0].message, WM_USER_USERDEVICEMESSAGE);
    EXPECT_EQ(window.Messages()[0].wParam, 0u);

    Device().AnswerDeviceRequest(UDM_MODIFY_TASTEN_WIPPEN_FUNKTION, 0);
    EXPECT_FALSE(probe->CallModifyTastenWippenFunktion());
}

TEST_F(ProbeFixture, TheAccessLevelIsTheLowByteOfTheAnswer)
{
    Device().SetZugriffAufBedienebenen(0x0102);
    std::uint8_t level = 0;
    EXPECT_TRUE(probe->CallGetValueOfZugriffAufBedienebenen(level));
    EXPECT_EQ(level, 2);

    window.SetDeviceMissing(true);
    level = 9;
    EXPECT_FALSE(probe->CallGetValueOfZugriffAufBedienebenen(level));
    EXPECT_EQ(level, 0) << "taken whatever the answer";
}

TEST_F(ProbeFixture, TheAccessModeIsAskedOfTheMainWindow)
{
    EXPECT_TRUE(probe->GetAccessMode());
    Device().SetHighAccess(false);
    EXPECT_FALSE(probe->GetAccessMode());
    EXPECT_EQ(window.Messages().back(), Sent(WM_USER_GETACCESSMODE, 0, 0));
}

TEST_F(ProbeFixture, NameAlignmentTakesTheDefaultNameOfTheType)
{
    Device().SetDefaultName(P::Typ, "Sonde");
    EXPECT_TRUE(probe->DatenAbgleich(true, false));
    EXPECT_EQ(probe->GetName(true), "Sonde");
    ASSERT_EQ(Device().TransportRequests().size(), 1u);
    EXPECT_EQ(Device().TransportRequests()[0].Code, UDT_GET_DEFAULT_NAME);
    EXPECT_EQ(Device().TransportRequests()[0].Sender, probe.get());
}

TEST_F(ProbeFixture, WithoutDefaultNameTheNameStaysAndAlignmentAnswersFalse)
{
    EXPECT_FALSE(probe->DatenAbgleich(true, false));
    EXPECT_EQ(probe->GetName(false), "Probe");
}

TEST_F(ProbeFixture, TheParentIsLookedUpByItsHandle)
{
    EXPECT_EQ(probe->ParentObject(), nullptr);
    TProbeDataObject parent(window.Handle(), System, 0, "Eltern", Parent);
    Device().Register(&parent);
    EXPECT_EQ(probe->ParentObject(), &parent);
    EXPECT_EQ(window.Messages().back(), Sent(WM_USER_GETDATAPOINTER, Parent, 0));
}

TEST_F(ProbeFixture, TheOneLineAnswersOfTheClass)
{
    EXPECT_EQ(probe->GetTyp(), P::Typ);
    EXPECT_EQ(probe->GetIcon(), P::Icon);
    EXPECT_EQ(probe->GetQuickHelpIndexOffset(), P::QuickHelpOffset);
    EXPECT_EQ(probe->ListStyle(), 1);
    EXPECT_FALSE(probe->AllowChild(P::Typ));
    EXPECT_FALSE(probe->AllowDrop(probe.get()));
    probe->Drop(probe.get());
    EXPECT_EQ(probe->GetName(true), "Probe");
    EXPECT_TRUE(probe->GlobalParameterEnabled());
    EXPECT_TRUE(window.Messages().empty());
}

TEST_F(ProbeFixture, InsertNeedsARecordOfTheClassType)
{
    TDataBasis::TRecordMap map;
    TDatenStruktur other;
    other.Typ = 806;
    map.emplace(1, other);
    EXPECT_FALSE(probe->Einfuegen(map));
    TDatenStruktur own;
    own.Typ = P::Typ;
    map.emplace(2, own);
    EXPECT_TRUE(probe->Einfuegen(map));
}

TEST(ProbeConstruction, ARestoredObjectSendsNoMessageAndANewOneOnlyAsksForAHandle)
{
    FakeMainWindow window;
    TProbeDataObject restored(window.Handle(), 3, 100, "Probe", 25);
    EXPECT_EQ(restored.GetHandle(), 25);
    EXPECT_TRUE(window.Messages().empty());
    TProbeDataObject created(window.Handle(), 3, 100, "Probe", 0);
    EXPECT_EQ(created.GetHandle(), 1);
    const std::vector expected{FakeMainWindow::Message{WM_USER_GETEIBHANDLE, 0, 0, false}};
    EXPECT_EQ(window.Messages(), expected);
}

} // namespace
} // namespace climatest
