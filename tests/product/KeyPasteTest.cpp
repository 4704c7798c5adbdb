#include "app/Spredit.h"
#include "device/product/DatenTyp.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/keyplan/FunktionBasis.h"
#include "outside/keyplan/StatusObjekt.h"
#include "outside/keyplan/TsBetaetigung.h"
#include "outside/keyplan/TsTaste.h"
#include "tests/product/support/ManagerFixture.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace managertest {
namespace {

// A key's record without what makes the key itself: handle, name, parent, chain, position, key
// number and the handle of its function object.
std::string KeyFields(TDatenStruktur record)
{
    record.Handle = record.Parent = record.Next = 0;
    record.Name.clear();
    record.Param1 = record.Param2 = record.Param4 = 0;
    return record.ToString();
}

// A function's or status object's record without handle, parent, chain and (status) number.
std::string OwnFields(TDatenStruktur record)
{
    record.Handle = record.Parent = record.Next = 0;
    if (record.Typ == DT_TS_TASTE_STATUS)
        record.Param2 = 0;
    return record.ToString();
}

// The six flags of a communication object's record, "101010".
std::string FlagsOf(const TDatenStruktur& record)
{
    std::string flags;
    for (int kind = 1; kind <= 6; ++kind)
        flags += record.BoolAt(kind) ? '1' : '0';
    return flags;
}

// Keys of the product's own key-plan objects on the demo project, copied and pasted as the main
// window's clipboard commands do it.
class KeyPaste : public ManagerTest {
protected:
    void SetUp() override
    {
        UseDevice<keysensortest::KeyDevice>(TObjectFactories{});
        MakeSwitchSystem(true, false, false, false, false, false);
        ASSERT_EQ(BuildFunction(), 1);
    }

    // Sets the spin edit of the row with the tag in the object's grid.
    void Spin(TDataBasis& object, int tag, int value)
    {
        grid_.Clear();
        object.BuildInfoWindow(&grid_, nullptr, false, -1, -1);
        const int row = grid_.FindRow(tag);
        ASSERT_GE(row, 0) << "no row with tag " << tag;
        grid_.SetActiveCell(1, row);
        grid_.SpinTo(value);
        grid_.LeaveCell();
    }

    std::vector<std::string> Copy(TDataBasis* key)
    {
        std::vector<std::string> lines;
        EXPECT_EQ(device_->GetCopyData(key, lines), 1);
        return lines;
    }

    TDataBasis* FunctionOf(TTsTaste* key) { return device_->FindHandle(key->GetFunktionsHandle()); }
    TDatenStruktur RecordOf(TDataBasis* object) { return *device_->GetDatenSatz(object); }

    // Gives the communication object the flags and writes them, in its record and the project.
    void SetFlags(TEtsObjekt* object, const std::string& flags)
    {
        ASSERT_TRUE(object->SetObjektFlags(flags[0] == '1', flags[1] == '1', flags[2] == '1', flags[3] == '1',
                                           flags[4] == '1', flags[5] == '1', true));
        object->Write(*device_->GetDatenSatz(object));
    }

    // The flags of the key's communication objects (and those of its status object) by
    // identification value, from their records.
    std::map<int, std::string> ObjectFlags(TDataBasis* owner)
    {
        std::map<int, std::string> flags;
        for (TEtsObjekt* object : EtsObjects(owner))
            flags[object->GetObjIdent()] = FlagsOf(RecordOf(object));
        return flags;
    }

    // A key that dims, with its own values, status-LED setting and flags.
    void MakeDimmingKey(int number)
    {
        Choose(*Key(number), TTsTaste::tagFunktion, DT_TASTEN_FUNKTION_DIMMEN);
        Spin(*FunctionOf(Key(number)), TFunktionBasis::tagWertDruecken, 7);
        Spin(*FunctionOf(Key(number)), TFunktionBasis::tagWertLoslassen, 3);
        Choose(*Key(number), TTsTaste::tagStatusLed, 2);
        SetFlags(EtsObjects(Key(number)).front(), "110101");
    }

    void ExpectEqualKeys(int target, int source)
    {
        EXPECT_EQ(KeyFields(RecordOf(Key(target))), KeyFields(RecordOf(Key(source))));
        EXPECT_EQ(OwnFields(RecordOf(FunctionOf(Key(target)))), OwnFields(RecordOf(FunctionOf(Key(source)))));
        EXPECT_EQ(ObjectFlags(Key(target)), ObjectFlags(Key(source)));
    }
};

TEST_F(KeyPaste, ADimmingKeyOntoASwitchingOneAndBackTakesEverythingButItselfAndItsLinks)
{
    MakeDimmingKey(1);
    TEtsObjekt* linked = EtsObjects(Key(3)).front();
    const std::int32_t linkedHandle = linked->GetHandle();
    const std::int32_t sub = SubGroup(1, 0, 4);
    Link(linked, sub);
    const std::int32_t key3 = Key(3)->GetHandle();
    ASSERT_EQ(Key(3)->GetFunktionsTyp(), DT_TASTEN_FUNKTION_SCHALTEN);

    EXPECT_TRUE(device_->Einfuegen(Key(3), Copy(Key(1))));

    EXPECT_TRUE(ui_.boxes().empty());
    EXPECT_EQ(Key(3)->GetHandle(), key3);
    EXPECT_EQ(Key(3)->GetName(false), "Taste 3");
    EXPECT_EQ(Key(3)->GetFunktionsTyp(), DT_TASTEN_FUNKTION_DIMMEN);
    EXPECT_EQ(Children(Key(3), DT_TASTEN_FUNKTION_DIMMEN).size(), 1u);
    EXPECT_TRUE(Children(Key(3), DT_TASTEN_FUNKTION_SCHALTEN).empty());
    ExpectEqualKeys(3, 1);
    EXPECT_EQ(device_->FindHandle(linkedHandle), linked) << "the target's objects stay";
    EXPECT_EQ(ProjectLinks(linked->GetDeviceObjectId(), sub), 1);
    ASSERT_EQ(linked->GetGrpAdrIdList().size(), 1u);
    EXPECT_EQ(ProjectLinks(EtsObjects(Key(1)).front()->GetDeviceObjectId()), 0) << "links are not copied";
    EXPECT_TRUE(linked->DatenAbgleich(true, false));
    linked->Write(*device_->GetDatenSatz(linked));
    EXPECT_EQ(FlagsOf(RecordOf(linked)).substr(0, 5), "11010") << "the flags went into the project";

    // Back: a switching key onto it.
    EXPECT_TRUE(device_->Einfuegen(Key(3), Copy(Key(2))));
    EXPECT_EQ(Key(3)->GetFunktionsTyp(), DT_TASTEN_FUNKTION_SCHALTEN);
    ExpectEqualKeys(3, 2);
    EXPECT_EQ(ProjectLinks(linked->GetDeviceObjectId(), sub), 1);

    // Reopened, the pasted key is as it was.
    EXPECT_TRUE(device_->Einfuegen(Key(3), Copy(Key(1))));
    const std::string key1 = KeyFields(RecordOf(Key(1)));
    const std::string function1 = OwnFields(RecordOf(FunctionOf(Key(1))));
    ASSERT_TRUE(device_->WriteBlob());
    NewDevice();
    sys_ = nullptr;
    ASSERT_TRUE(device_->GetDataFromServer(Window(), false));
    TTsTaste* stored = nullptr;
    for (TDataBasis* object : All(DT_TS_TASTE))
        if (auto* key = dynamic_cast<TTsTaste*>(object); key && key->GetTastenNummer() == 3)
            stored = key;
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(KeyFields(RecordOf(stored)), key1);
    EXPECT_EQ(OwnFields(RecordOf(FunctionOf(stored))), function1);
    EXPECT_EQ(Children(stored, DT_TASTEN_FUNKTION_DIMMEN).size(), 1u);
}

TEST_F(KeyPaste, APasteThatChangesNothingAnswersFalse)
{
    const std::vector<std::string> records = Records();
    EXPECT_FALSE(device_->Einfuegen(Key(4), Copy(Key(2))));
    EXPECT_EQ(Records(), records);

    MakeDimmingKey(1);
    EXPECT_TRUE(device_->Einfuegen(Key(3), Copy(Key(1))));
    EXPECT_FALSE(device_->Einfuegen(Key(3), Copy(Key(1)))) << "the second time nothing is transferred";
}

TEST_F(KeyPaste, AKeyWithAStatusObjectGivesItsStatusObjectAndItsFlags)
{
    MakeDimmingKey(1);
    Choose(*Key(1), TTsTaste::tagStatusLed, TTsTaste::StatusLedUeberObjekt);
    ASSERT_EQ(Children(Key(1), DT_TS_TASTE_STATUS).size(), 1u);
    TDataBasis* status = Children(Key(1), DT_TS_TASTE_STATUS).front();
    Choose(*status, TStatusObjekt::tagStatusLesen, 1);
    SetFlags(EtsObjects(status).front(), "101011");

    EXPECT_TRUE(device_->Einfuegen(Key(3), Copy(Key(1))));

    EXPECT_TRUE(ui_.boxes().empty());
    ExpectEqualKeys(3, 1);
    const std::vector<TDataBasis*> states = Children(Key(3), DT_TS_TASTE_STATUS);
    ASSERT_EQ(states.size(), 1u);
    EXPECT_EQ(OwnFields(RecordOf(states.front())), OwnFields(RecordOf(status)));
    EXPECT_EQ(dynamic_cast<TTsTasteStatus*>(states.front())->GetNummer(), 3);
    EXPECT_EQ(ObjectFlags(states.front()), ObjectFlags(status)) << "the status object's own flags";
    EXPECT_EQ(ParameterValue(4630), 1);

    // A key without status object onto it: its linked status object goes only after the yes.
    const std::int32_t sub = SubGroup(1, 0, 4);
    TEtsObjekt* statusObject = EtsObjects(states.front()).front();
    Link(statusObject, sub);
    ui_.Answer({platform::IDNO});
    EXPECT_FALSE(device_->Einfuegen(Key(3), Copy(Key(2))));
    ASSERT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(ui_.boxes()[0].text, Spredit::Text9044);
    EXPECT_EQ(Children(Key(3), DT_TS_TASTE_STATUS).size(), 1u);
    EXPECT_EQ(Key(3)->GetFktStatusLed(), TTsTaste::StatusLedUeberObjekt);
    EXPECT_EQ(ProjectLinks(statusObject->GetDeviceObjectId(), sub), 1);
}

TEST_F(KeyPaste, ARockerIsNoCopyAndTakesNoKey)
{
    TDataBasis* operation = First(DT_TS_BETAETIGUNG);
    Choose(*operation, TTsBetaetigung::tagTastenpaar, T_DB_EnumTsBetaetigung::tpWippe);
    Choose(*operation, TTsBetaetigung::tagTastenpaar + 1, T_DB_EnumTsBetaetigung::tpWippe);
    ASSERT_NE(Rocker(1), nullptr);
    ASSERT_NE(Rocker(2), nullptr);
    std::vector<std::string> lines;
    EXPECT_EQ(device_->GetCopyData(Rocker(1), lines), 0);
    EXPECT_TRUE(lines.empty());

    const std::vector<std::string> records = Records();
    EXPECT_FALSE(device_->Einfuegen(Rocker(2), Copy(Key(5))));
    EXPECT_EQ(Records(), records);
}

} // namespace
} // namespace managertest
