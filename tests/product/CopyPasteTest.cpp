#include "app/Spredit.h"
#include "device/product/DatenTyp.h"
#include "outside/addrlink/EtsObjekt.h"
#include "tests/product/support/ProductDoubles.h"
#include "tests/support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace producttest {
namespace {

constexpr std::int32_t DeviceSystem = 3;
constexpr std::int32_t Root = 10;
constexpr std::int32_t Written = 777; // Param19 of a record its probe wrote

// The handles of the records in a pasted table, in table order.
std::vector<std::int32_t> Handles(TDeviceInstanz::TRecordTable* table)
{
    std::vector<std::int32_t> handles;
    for (TDatenStruktur* r = table->First(); r; r = table->Next())
        handles.push_back(r->Handle);
    return handles;
}

// A data object of any type that notes the tables pasted onto it; it may refuse or throw.
class PasteProbe final : public TDataBasis {
public:
    PasteProbe(int typ, std::int32_t parent, std::int32_t handle)
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
    bool Paste(TRecordTable* table, std::string& message) override
    {
        if (Throws)
            throw std::runtime_error("Kein Datensatz");
        Pasted.push_back(Handles(table));
        return TDataBasis::Paste(table, message) && !Refuses;
    }
    void Write(TDatenStruktur& record) override
    {
        TDataBasis::Write(record);
        record.Param19 = Written;
    }

    std::vector<std::vector<std::int32_t>> Pasted;
    bool Refuses = false;
    bool Throws = false;

private:
    int typ_;
};

// A communication object of an identification value that notes the tables pasted onto it.
class EtsProbe final : public TEtsObjekt {
public:
    EtsProbe(std::int32_t parent, std::int32_t handle, int ident)
        : TEtsObjekt(0, DeviceSystem, parent, "Objekt", 555, 0, 1, 0, 0, 0, 0, 0, 0, ident, handle)
    {
    }
    bool Paste(TRecordTable* table, std::string& message) override
    {
        Pasted.push_back(Handles(table));
        return TEtsObjekt::Paste(table, message);
    }
    std::vector<std::vector<std::int32_t>> Pasted;
};

// One device of the key sensor: its records filed live and its objects registered.
struct KeyDeviceModel {
    KeyDeviceModel() { window.SetDevice(&device); }

    TDatenStruktur* Record(std::int32_t handle, std::int32_t parent, int typ)
    {
        TDatenStruktur* record = device.GetDatenSatz(DeviceSystem, parent, handle);
        record->Typ = static_cast<std::int16_t>(typ);
        return record;
    }
    template <class T, class... Args>
    T* Add(std::int32_t handle, std::int32_t parent, int typ, Args... args)
    {
        Record(handle, parent, typ);
        auto* object = new T(args...);
        EXPECT_TRUE(device.SetPointer2List(object));
        return object;
    }
    PasteProbe* Probe(std::int32_t handle, std::int32_t parent, int typ)
    {
        return Add<PasteProbe>(handle, parent, typ, typ, parent, handle);
    }
    EtsProbe* Ets(std::int32_t handle, std::int32_t parent, int ident)
    {
        TDatenStruktur* record = Record(handle, parent, DT_ETS_OBJEKT);
        record->Param9 = ident;
        return Add<EtsProbe>(handle, parent, DT_ETS_OBJEKT, parent, handle, ident);
    }
    // Chains further records (of Typ 0) to the record: each one filed below the record's owner.
    void Chain(std::int32_t handle, std::int32_t parent, std::vector<std::int32_t> chained)
    {
        TDatenStruktur* previous = device.GetDatenSatz(DeviceSystem, parent, handle);
        for (const std::int32_t next : chained) {
            previous->Next = next;
            previous = device.GetDatenSatz(DeviceSystem, handle, next);
        }
    }
    std::size_t RecordCount()
    {
        const auto* table = device.SystemMaps.FindTable(DeviceSystem);
        return table ? table->size() : 0;
    }

    FakeMainWindow window;
    FakeConfigWindow configWindow;
    TestDevice device{&window, nullptr, &configWindow};
};

std::vector<std::int32_t> LineHandles(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    TDeviceInstanz::TRecordTable table(text.data(), text.size());
    return Handles(&table);
}

// The source key 20 (its record chained to 21) with two communication objects (30 chained to
// 31, and 32) and a status object 40 with one communication object 41; the target key 120 of a
// second device of the same type with the same layout.
class CopyPaste : public ::testing::Test {
protected:
    CopyPaste()
    {
        source.Probe(Root, 0, DT_TALVO_SYSTEM);
        key = source.Probe(20, Root, DT_TS_TASTE);
        source.Chain(20, Root, {21});
        source.Ets(30, 20, 0);
        source.Chain(30, 20, {31});
        source.Ets(32, 20, 1);
        source.Probe(40, 20, DT_TS_TASTE_STATUS);
        source.Ets(41, 40, 2);

        target.Probe(Root, 0, DT_TALVO_SYSTEM);
        targetKey = target.Probe(120, Root, DT_TS_TASTE);
        targetObject0 = target.Ets(130, 120, 0);
        targetObject1 = target.Ets(132, 120, 1);
        targetStatus = target.Probe(140, 120, DT_TS_TASTE_STATUS);
        targetObject2 = target.Ets(141, 140, 2);
    }

    std::vector<std::string> Copy()
    {
        std::vector<std::string> lines;
        EXPECT_EQ(source.device.GetCopyData(key, lines), 1);
        return lines;
    }

    testsupport::ScriptedUi ui;
    KeyDeviceModel source;
    KeyDeviceModel target;
    PasteProbe* key = nullptr;
    PasteProbe* targetKey = nullptr;
    PasteProbe* targetStatus = nullptr;
    EtsProbe* targetObject0 = nullptr;
    EtsProbe* targetObject1 = nullptr;
    EtsProbe* targetObject2 = nullptr;
};

class OnlyKeysCopy : public CopyPaste, public ::testing::WithParamInterface<int> {};

TEST_P(OnlyKeysCopy, AnyOtherObjectGivesNothing)
{
    PasteProbe* other = source.Probe(60, Root, GetParam());
    source.Ets(61, 60, 0);
    std::vector<std::string> lines;
    EXPECT_EQ(source.device.GetCopyData(other, lines), 0);
    EXPECT_TRUE(lines.empty());
}

INSTANTIATE_TEST_SUITE_P(Types, OnlyKeysCopy,
                         ::testing::Values(DT_TS_WIPPE, DT_TASTEN_FUNKTION_SCHALTEN, DT_TALVO_SYSTEM));

TEST_F(CopyPaste, WithoutObjectOrLinesNothingIsDoneAndTheAnswerIsTrue)
{
    std::vector<std::string> lines;
    EXPECT_EQ(source.device.GetCopyData(nullptr, lines), 1);
    EXPECT_TRUE(lines.empty());
    EXPECT_TRUE(target.device.Einfuegen(nullptr, {"x"}));
    EXPECT_TRUE(target.device.Einfuegen(targetKey, {}));
    EXPECT_TRUE(targetKey->Pasted.empty());
}

TEST_F(CopyPaste, ABareKeyGivesOneLine)
{
    PasteProbe* bare = source.Probe(70, Root, DT_TS_TASTE);
    std::vector<std::string> lines;
    EXPECT_EQ(source.device.GetCopyData(bare, lines), 1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(LineHandles(lines), std::vector<std::int32_t>{70}) << lines[0];
}

TEST_F(CopyPaste, AFullKeyGivesItsRecordItsChainThenItsChildrenDepthFirst)
{
    // The chained record 21 is filed below the key as well; it is given once.
    EXPECT_EQ(LineHandles(Copy()), (std::vector<std::int32_t>{20, 21, 30, 31, 32, 40, 41}));
}

TEST_F(CopyPaste, EachObjectOfTheTargetTakesTheCopiedRecordOfItsTypeAndIsWritten)
{
    const std::vector<std::string> lines = Copy();
    target.device.GetDatenSatz(DeviceSystem, 120, 130)->Param3 = 0;

    EXPECT_TRUE(target.device.Einfuegen(targetKey, lines));

    using H = std::vector<std::vector<std::int32_t>>;
    EXPECT_EQ(targetKey->Pasted, (H{{20, 21}}));
    EXPECT_EQ(targetObject0->Pasted, (H{{30, 31}}));
    EXPECT_EQ(targetObject1->Pasted, (H{{32}}));
    EXPECT_EQ(targetStatus->Pasted, (H{{40}}));
    EXPECT_EQ(targetObject2->Pasted, (H{{41}}));
    EXPECT_EQ(target.device.GetDatenSatz(DeviceSystem, Root, 120)->Param19, Written);
    EXPECT_EQ(target.device.GetDatenSatz(DeviceSystem, 120, 140)->Param19, Written);
    EXPECT_EQ(target.device.GetDatenSatz(DeviceSystem, 120, 130)->Param3, 555);
    EXPECT_EQ(target.device.GetDatenSatz(DeviceSystem, 120, 130)->Handle, 130);
    EXPECT_TRUE(ui.boxes().empty());
}

TEST_F(CopyPaste, TextOfAnotherTypeLeavesTheTargetAloneAndAnswersFalse)
{
    PasteProbe* rocker = source.Probe(80, Root, DT_TS_WIPPE);
    TDatenStruktur record = *source.device.GetDatenSatz(rocker);
    EXPECT_FALSE(target.device.Einfuegen(targetKey, {record.ToString()}));
    EXPECT_TRUE(targetKey->Pasted.empty());
    EXPECT_NE(target.device.GetDatenSatz(DeviceSystem, Root, 120)->Param19, Written);
    EXPECT_TRUE(targetStatus->Pasted.empty()) << "no status record in the text";
}

TEST_F(CopyPaste, AChildRecordWithoutObjectIsPassedOver)
{
    target.Record(135, 120, DT_TS_TASTE_STATUS);
    EXPECT_TRUE(target.device.Einfuegen(targetKey, Copy()));
    EXPECT_EQ(targetStatus->Pasted.size(), 1u);
    EXPECT_EQ(targetObject2->Pasted.size(), 1u);
}

TEST_F(CopyPaste, ARefusedPasteAnswersFalseWhileTheOthersArePasted)
{
    targetStatus->Refuses = true;
    EXPECT_FALSE(target.device.Einfuegen(targetKey, Copy()));
    EXPECT_EQ(targetObject2->Pasted.size(), 1u);
    EXPECT_EQ(targetObject1->Pasted.size(), 1u);
}

TEST_F(CopyPaste, AThrowingPasteEndsWithTheErrorBox)
{
    targetStatus->Throws = true;
    EXPECT_FALSE(target.device.Einfuegen(targetKey, Copy()));
    ASSERT_EQ(ui.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes()[0].text, "Kein Datensatz");
    EXPECT_EQ(ui.boxes()[0].caption, Spredit::Text9099);
    EXPECT_EQ(ui.boxes()[0].style, 0u);
    EXPECT_TRUE(targetObject2->Pasted.empty());
}

struct BrokenChain {
    const char* Name;
    std::int32_t Next; // of record 21, which follows the key's record
};

class BrokenChains : public CopyPaste, public ::testing::WithParamInterface<BrokenChain> {};

TEST_P(BrokenChains, TheCopyEndsCreatingNothingAndThePasteAnswersFalse)
{
    source.device.GetDatenSatz(DeviceSystem, 20, 21)->Next = GetParam().Next;
    const std::size_t records = source.RecordCount();

    const std::vector<std::string> lines = Copy();

    EXPECT_EQ(source.RecordCount(), records);
    EXPECT_EQ(LineHandles(lines), (std::vector<std::int32_t>{20, 21, 30, 31, 32, 40, 41}));
    EXPECT_FALSE(target.device.Einfuegen(targetKey, lines));
    EXPECT_EQ(targetKey->Pasted, (std::vector<std::vector<std::int32_t>>{{20, 21}}));
    EXPECT_EQ(targetObject2->Pasted.size(), 1u) << "the children are pasted still";
}

INSTANTIATE_TEST_SUITE_P(Chains, BrokenChains,
                         ::testing::Values(BrokenChain{"Cycle", 20}, BrokenChain{"Dangling", 99}),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace producttest
