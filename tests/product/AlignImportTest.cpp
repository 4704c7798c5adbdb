#include "app/Spredit.h"
#include "device/product/DatenTyp.h"
#include "device/product/ImportRemap.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/datacore/MainWindowMessages.h"
#include "tests/product/support/ProductDoubles.h"
#include "tests/support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace producttest {
namespace {

constexpr std::int32_t DeviceSystem = 3;
constexpr std::int32_t Root = 10;

// --- The split of a group-address value ---

struct Split {
    int Value;
    bool ThreeLevels;
    short Main, Middle, Sub;
};

class GroupAddressSplit : public ::testing::TestWithParam<Split> {};

TEST_P(GroupAddressSplit, GivesMainMiddleAndSub)
{
    short main = -1;
    short middle = -1;
    short sub = -1;
    TDeviceInstanzTalvo::GetMainMiddleAndSubGroupAddr(GetParam().Value, GetParam().ThreeLevels, main, middle, sub);
    EXPECT_EQ(main, GetParam().Main);
    EXPECT_EQ(middle, GetParam().Middle);
    EXPECT_EQ(sub, GetParam().Sub);
}

INSTANTIATE_TEST_SUITE_P(Values, GroupAddressSplit,
                         ::testing::Values(Split{0x0A05, false, 1, 0, 517}, Split{0x0A05, true, 1, 2, 5},
                                           Split{0, true, 0, 0, 0}, Split{0, false, 0, 0, 0},
                                           Split{0x7FFF, true, 15, 7, 255}, Split{0x7FFF, false, 15, 0, 2047}));

// --- The group addresses of imported records rewritten to the targets of the check ---

// Object 1 (address A) with a link record below it (address B), object 2 (address B), and a
// record of another type below object 1 with its own address A.
class Remap : public ::testing::Test {
protected:
    static constexpr std::int32_t A = 0x0A05;
    static constexpr std::int32_t B = 0x0A06;
    static constexpr std::int32_t C = 0x0A07;

    Remap()
    {
        Add(1, 0, DT_ETS_OBJEKT, A, 11);
        Add(2, 1, 0, B, 12);
        Add(3, 0, DT_ETS_OBJEKT, B, 13);
        Add(4, 1, DT_ETS_OBJEKT, A, 14); // a communication object below one: as itself only
    }
    void Add(std::int32_t handle, std::int32_t parent, int typ, std::int32_t address, std::int32_t group)
    {
        TDatenStruktur r;
        r.Handle = handle;
        r.Parent = parent;
        r.Typ = static_cast<std::int16_t>(typ);
        r.Param15 = address;
        r.Param14 = group;
        records.Add(r);
    }
    void Use(std::uint32_t address, std::uint32_t target)
    {
        used[address] = TRecGroupAddrInfo{address, 0, "", gsOk, "", "", target};
    }
    // Param15/Param14 by handle.
    std::vector<std::pair<std::int32_t, std::int32_t>> Links()
    {
        std::vector<std::pair<std::int32_t, std::int32_t>> links;
        for (TDatenStruktur* r = records.First(); r; r = records.Next())
            links.emplace_back(r->Param15, r->Param14);
        return links;
    }

    TDeviceInstanz::TRecordTable records{"", 0};
    TUsedGroupAddrMap used;
};

TEST_F(Remap, AddressesThatStayRewriteNothing)
{
    Use(A, A);
    Use(B, B);
    RemapGroupAddresses(records, used);
    EXPECT_EQ(Links(), (std::vector<std::pair<std::int32_t, std::int32_t>>{{A, 11}, {B, 12}, {B, 13}, {A, 14}}));
}

TEST_F(Remap, NoTargetDropsTheLinkOfTheRecordsAndOfThoseBelow)
{
    Use(A, 0);
    Use(B, 0);
    RemapGroupAddresses(records, used);
    EXPECT_EQ(Links(), (std::vector<std::pair<std::int32_t, std::int32_t>>{{0, 0}, {0, 0}, {0, 0}, {0, 0}}));
}

TEST_F(Remap, ChainedTargetsMapEachRecordFromItsOwnAddressOnce)
{
    Use(A, B);
    Use(B, C);
    RemapGroupAddresses(records, used);
    EXPECT_EQ(Links(), (std::vector<std::pair<std::int32_t, std::int32_t>>{{B, 11}, {C, 12}, {C, 13}, {B, 14}}));
}

// --- The alignment of every data object with the project ---

// A data object whose alignment answers as told and which notes the identification values
// handed to it.
class AlignProbe final : public TDataBasis {
public:
    AlignProbe(int typ, std::int32_t parent, std::int32_t handle)
        : TDataBasis(0, DeviceSystem, parent, "Probe", handle), typ_(typ)
    {
    }
    int GetQuickHelpIndexOffset() const override { return 0; }
    int GetTyp() const override { return typ_; }
    int ListStyle() const override { return 0; }
    int GetIcon() const override { return 0; }
    bool AllowChild(int) const override { return false; }
    bool AllowDrop(TDataBasis*) const override { return false; }
    void Drop(TDataBasis*) override {}
    void BuildInfoWindow(TDrawGridSE*, TListView*, bool, int, int) override {}
    bool DatenAbgleich(bool, bool) override
    {
        ++Aligned;
        return Aligns;
    }
    bool SetObjIdent(std::int8_t ident) override
    {
        Idents.push_back(ident);
        return true;
    }

    bool Aligns = true;
    int Aligned = 0;
    std::vector<int> Idents;

private:
    int typ_;
};

// A communication object whose alignment answers as told.
class AlignEts final : public TEtsObjekt {
public:
    AlignEts(std::int32_t parent, std::int32_t handle, int ident, const std::string& name)
        : TEtsObjekt(0, DeviceSystem, parent, name, 0, 0, 1, 0, 0, 0, 0, 0, 0, ident, handle)
    {
    }
    bool DatenAbgleich(bool first, bool second) override
    {
        Flags.push_back({first, second});
        return Aligns;
    }
    bool Aligns = true;
    std::vector<std::pair<bool, bool>> Flags;
};

class AlignDevice final : public TestDevice {
public:
    using TestDevice::TestDevice;
    bool SetObjIdent(std::int8_t ident) override
    {
        Idents.push_back(ident);
        return true;
    }
    std::vector<int> Idents;
};

class Alignment : public ::testing::Test {
protected:
    Alignment()
    {
        window.SetDevice(&device);
        root = Add<AlignProbe>(Root, 0, DT_TALVO_SYSTEM, DT_TALVO_SYSTEM, 0, Root);
        function = Add<AlignProbe>(20, Root, DT_SZENEN_FUNKTION, DT_SZENEN_FUNKTION, Root, 20);
    }

    template <class T, class... Args>
    T* Add(std::int32_t handle, std::int32_t parent, int typ, Args... args)
    {
        device.GetDatenSatz(DeviceSystem, parent, handle)->Typ = static_cast<std::int16_t>(typ);
        auto* object = new T(args...);
        EXPECT_TRUE(device.SetPointer2List(object));
        return object;
    }
    AlignEts* Ets(std::int32_t handle, int ident, const std::string& name = "Objekt")
    {
        return Add<AlignEts>(handle, 20, DT_ETS_OBJEKT, 20, handle, ident, name);
    }
    int PreviewPosts()
    {
        window.DeliverPosted();
        int posts = 0;
        for (const auto& m : window.Posted())
            posts += m.message == WM_USER_UPDATEPREVIEW ? 1 : 0;
        return posts;
    }

    testsupport::ScriptedUi ui;
    FakeMainWindow window;
    FakeConfigWindow configWindow;
    AlignDevice device{&window, nullptr, &configWindow};
    AlignProbe* root = nullptr;
    AlignProbe* function = nullptr;
};

TEST_F(Alignment, AllAlignedAnswersTrueShowsNothingAndPostsThePreviewOnce)
{
    AlignEts* object = Ets(30, 0);
    EXPECT_TRUE(device.DatenAbgleich(true, false));
    EXPECT_EQ(root->Aligned, 1);
    EXPECT_EQ(function->Aligned, 1);
    EXPECT_EQ(object->Flags, (std::vector<std::pair<bool, bool>>{{true, false}}));
    EXPECT_TRUE(ui.boxes().empty());
    EXPECT_EQ(PreviewPosts(), 1);
}

TEST_F(Alignment, IdentificationValuesTwoAndThreeGoToTheDeviceTheOthersToTheParent)
{
    Ets(30, 0);
    Ets(31, 2);
    Ets(32, 3);
    Ets(33, 5);
    EXPECT_TRUE(device.DatenAbgleich(true, true));
    EXPECT_EQ(device.Idents, (std::vector<int>{2, 3}));
    EXPECT_EQ(function->Idents, (std::vector<int>{0, 5}));
}

TEST_F(Alignment, AnObjectWhoseProjectObjectIsGoneIsRemovedWithOneMessageAndTheWalkGoesOn)
{
    AlignEts* gone = Ets(30, 0, "Schalten");
    device.GetDatenSatz(DeviceSystem, 20, 30)->Next = 31; // with a chained link record
    device.GetDatenSatz(DeviceSystem, 30, 31);
    gone->Aligns = false;
    AlignEts* later = Ets(40, 1);
    AlignProbe* other = Add<AlignProbe>(50, Root, DT_TALVO_DISPLAY, DT_TALVO_DISPLAY, Root, 50);
    other->Aligns = false; // other objects that fail stay silent

    EXPECT_FALSE(device.DatenAbgleich(true, true));

    EXPECT_EQ(device.FindHandle(30), nullptr);
    EXPECT_EQ(device.FindRecord(DeviceSystem, 30), nullptr);
    EXPECT_EQ(device.FindRecord(DeviceSystem, 31), nullptr);
    EXPECT_EQ(configWindow.DeletedNodes.size(), 1u);
    ASSERT_EQ(ui.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes()[0].text, Spredit::Text9103 + "\nSchalten");
    EXPECT_EQ(ui.boxes()[0].caption, Spredit::Text9098);
    EXPECT_EQ(ui.boxes()[0].style, static_cast<unsigned>(platform::MB_ICONERROR));
    EXPECT_EQ(later->Flags.size(), 1u);
    EXPECT_EQ(other->Aligned, 1);
    EXPECT_FALSE(device.NoDeleteQuestion);
    EXPECT_EQ(PreviewPosts(), 1);
}

TEST_F(Alignment, QueuedAddressesStopAtTheFirstThatCannotBeCreated)
{
    EXPECT_TRUE(device.ImportCreateNewGroupAddresses({}));
    // Without the project's group addresses nothing can be created.
    EXPECT_FALSE(device.ImportCreateNewGroupAddresses({{0x0A05, "Eins", 0}, {0x0A06, "Zwei", 0}}));
    ASSERT_EQ(ui.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes()[0].text, "Gruppenadresse [1/2/5] konnte nicht angelegt werden!");
    EXPECT_EQ(ui.boxes()[0].caption, Spredit::Text9017);
    EXPECT_EQ(ui.boxes()[0].style, static_cast<unsigned>(platform::MB_OK | platform::MB_ICONINFORMATION));
}

TEST_F(Alignment, DeleteEtsObjektWithoutObjectFails)
{
    EXPECT_FALSE(device.DeleteEtsObjekt(nullptr));
}

} // namespace
} // namespace producttest
