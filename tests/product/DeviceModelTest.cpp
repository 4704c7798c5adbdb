#include "device/product/DatenTyp.h"
#include "outside/datacore/MainWindowMessages.h"
#include "outside/sysfunc/TalvoDisplay.h"
#include "tests/product/support/ProbeObject.h"
#include "tests/product/support/ProductDoubles.h"

#include <gtest/gtest.h>

#include <memory>

namespace producttest {
namespace {

class DeviceModel : public ::testing::Test {
protected:
    DeviceModel() { window.SetDevice(&device); }

    ProbeObject* Add(std::int32_t handle)
    {
        auto* object = new ProbeObject(alive, 1, 0, 0, handle);
        EXPECT_TRUE(device.SetPointer2List(object));
        return object;
    }

    int alive = 0;
    FakeMainWindow window;
    TestDevice device{&window, nullptr, nullptr};
};

TEST_F(DeviceModel, ANewModelHasTheDataVersionAndNoInitialisationSettings)
{
    EXPECT_EQ(device.DatenVersionMajor, 0);
    EXPECT_EQ(device.DatenVersionMinor, 5);
    EXPECT_EQ(device.DatenVersionFormat, "SX Version:%d.%02d Typ:%s");
    EXPECT_EQ(device.GetInitModus(), INIT_MODUS_DEFAULT);
    EXPECT_EQ(device.GetInitFileCreate(), "");
    EXPECT_EQ(device.GetInitFileCreateUser(), "");
}

TEST_F(DeviceModel, KeepsTheInitialisationSettings)
{
    device.SetInitModus(INIT_MODUS_DATEN_IMPORT);
    device.SetInitFileCreate("/daten/vorlage.bu116");
    device.SetInitFileCreateUser("/daten/benutzer.bu116");
    EXPECT_EQ(device.GetInitModus(), 2);
    EXPECT_EQ(device.GetInitFileCreate(), "/daten/vorlage.bu116");
    EXPECT_EQ(device.GetInitFileCreateUser(), "/daten/benutzer.bu116");
    device.SetInitModus(7); // any value is kept; CreateNewDevice decides what it means
    EXPECT_EQ(device.GetInitModus(), 7);
}

TEST_F(DeviceModel, AHandleOfZeroOrLessAsksNoObject)
{
    ProbeObject* object = Add(5);
    object->Answers = 0;
    EXPECT_EQ(device.GetPointerFromHandle(0), nullptr);
    EXPECT_EQ(device.GetPointerFromHandle(-1), nullptr);
    EXPECT_TRUE(object->Asked.empty());
}

TEST_F(DeviceModel, AHandleIsAnsweredByTheFirstObjectThatKnowsIt)
{
    ProbeObject* low = Add(5);
    ProbeObject* middle = Add(6);
    ProbeObject* high = Add(7);
    middle->Answers = 99; // e.g. one of its additional records
    high->Answers = 99;
    EXPECT_EQ(device.GetPointerFromHandle(99), middle);
    EXPECT_EQ(low->Asked, std::vector<int>{99});
    EXPECT_TRUE(high->Asked.empty());
    EXPECT_EQ(device.GetPointerFromHandle(100), nullptr);
    EXPECT_EQ(high->Asked, std::vector<int>{100});
}

TEST_F(DeviceModel, ALookUpSurvivesAnObjectThatDeletesAnotherWhenAsked)
{
    int removed = 0;
    class Remover final : public TDataBasis {
    public:
        Remover(TestDevice& device, int& removed)
            : TDataBasis(0, 0, 0, "Remover", 5), device_(device), removed_(removed)
        {
        }
        int GetQuickHelpIndexOffset() const override { return 0; }
        int GetTyp() const override { return 1; }
        int ListStyle() const override { return 0; }
        int GetIcon() const override { return 0; }
        bool AllowChild(int) const override { return false; }
        bool AllowDrop(TDataBasis*) const override { return false; }
        void Drop(TDataBasis*) override {}
        void BuildInfoWindow(TDrawGridSE*, TListView*, bool, int, int) override {}
        TDataBasis* GetPointerFromHandle(int) override
        {
            removed_ += device_.DeletePointerFromList(device_.FindHandle(6)) ? 1 : 0;
            return nullptr;
        }

    private:
        TestDevice& device_;
        int& removed_;
    };
    ASSERT_TRUE(device.SetPointer2List(new Remover(device, removed)));
    Add(6)->Answers = 99;
    ProbeObject* last = Add(7);
    last->Answers = 99;
    EXPECT_EQ(device.GetPointerFromHandle(99), last);
    EXPECT_EQ(removed, 1);
}

TEST_F(DeviceModel, WritesAnObjectIntoItsRecord)
{
    TTalvoDisplay* display = new TTalvoDisplay(window.GetHandle(), 2, 1, "Anzeige", 8);
    ASSERT_TRUE(device.SetPointer2List(display));
    display->SetPosId(2);
    ASSERT_TRUE(device.WriteData(display));
    const TDatenStruktur* record = device.FindRecord(2, 8);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->Typ, DT_TALVO_DISPLAY);
    EXPECT_EQ(record->Parent, 1);
    EXPECT_EQ(record->Name, "Anzeige");
    EXPECT_EQ(record->Param1, 2);
    EXPECT_FALSE(device.WriteData(nullptr));
}

TEST_F(DeviceModel, WritingNeedsTheMainWindow)
{
    TestDevice alone{nullptr, nullptr, nullptr};
    TTalvoDisplay display(0, 2, 1, "Anzeige", 8);
    EXPECT_FALSE(alone.WriteData(&display));
    EXPECT_EQ(alone.FindRecord(2, 8), nullptr);
}

TEST_F(DeviceModel, UpdatePreviewPostsTheWholeRebuild)
{
    EXPECT_EQ(device.UpdatePreview(), 1);
    EXPECT_TRUE(window.Posted().empty());
    window.DeliverPosted();
    const auto posted = window.Received(WM_USER_UPDATEPREVIEW);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_TRUE(posted[0].posted);
    EXPECT_EQ(posted[0].wParam, 1u);
    EXPECT_EQ(posted[0].lParam, 0);
}

TEST_F(DeviceModel, TheFunctionManagersHooksTakeNoRequestYet)
{
    tagWmUserDevice request;
    tagRecDatenTransport transport;
    std::uint8_t recognised = 9;
    using D = TDeviceInstanzTalvo;
    for (auto hook : {&D::UserDeviceMessage_TastsensorFunktion, &D::UserDeviceMessage_RaumtemperaturReglerFunktion,
                      &D::UserDeviceMessage_ReglernebenstellenFunktion, &D::UserDeviceMessage_SzenenFunktion,
                      &D::UserDeviceMessage_Schaltuhr, &D::UserDeviceMessage_IrFernbedienung}) {
        recognised = 9;
        EXPECT_FALSE((device.*hook)(window.GetHandle(), &request, recognised));
        EXPECT_EQ(recognised, 0);
    }
    for (auto hook :
         {&D::WmUserDatenTransport_TastsensorFunktion, &D::WmUserDatenTransport_RaumtemperaturReglerFunktion,
          &D::WmUserDatenTransport_ReglernebenstellenFunktion, &D::WmUserDatenTransport_SzenenFunktion,
          &D::WmUserDatenTransport_Schaltuhr, &D::WmUserDatenTransport_IrFernbedienung}) {
        recognised = 9;
        EXPECT_FALSE((device.*hook)(window.GetHandle(), &transport, recognised));
        EXPECT_EQ(recognised, 0);
    }
    EXPECT_TRUE(device.DeviceRessourceCheckVerbindungen(1, true));
    EXPECT_EQ(device.CheckForDeleteGlobalDeviceObjects(true), 0);
}

} // namespace
} // namespace producttest
