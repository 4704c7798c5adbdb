// The editor dies in the middle of an edit: the project holds what the edit did, the stored
// block what was written last. The next open of the device opens it, brings the project and the
// block together in one step with one message, and the restore of the backup works on that state.
// The death is the loss of the device model without any end of the edit: every project write
// the edit made is committed, nothing of the model's memory is left.
#include "app/Spredit.h"
#include "device/BlobSection.h"
#include "device/product/DatenTyp.h"
#include "host/DeviceBlob.h"
#include "host/ProjectDatabase.h"
#include "host/SqlStatement.h"
#include "outside/keyplan/TsBetaetigung.h"
#include "platform/Clock.h"
#include "tests/product/support/ManagerFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace managertest {
namespace {

using T = TTalvoSystem;

// The product's device model aligning itself with the project after an open, as the program's.
class AligningDevice final : public keysensortest::KeyDevice {
public:
    using KeyDevice::KeyDevice;
    bool DatenAbgleich(bool first, bool second) override { return TDeviceInstanzTalvo::DatenAbgleich(first, second); }
};

class KilledEditTest : public ManagerTest {
protected:
    // A new model of the device opened from the project, as the next session does.
    void Open()
    {
        TObjectFactories factories;
        factories.Sysfunc = &sysfunc_;
        UseDevice<AligningDevice>(factories);
        ASSERT_TRUE(device_->GetDataFromServer(Window(), false)) << LastBox();
        sys_ = dynamic_cast<SwitchSystem*>(device_->GetDevice());
        ASSERT_NE(sys_, nullptr);
    }

    // The device's data as its export (and the backup) holds it.
    std::string Export()
    {
        TDeviceInstanz::TRecordTable records("", 0);
        platform::TMemoryStream stream;
        const std::uint8_t source = device_->DataSrc;
        device_->DataSrc = TDeviceInstanz::dsDatabase;
        device_->CopyStrukturDatenToDB(&records, &stream);
        device_->DataSrc = source;
        return stream.Bytes();
    }
    bool Restore(const std::string& backup)
    {
        platform::TMemoryStream stream;
        stream.Write(backup);
        stream.SetPosition(0);
        device_->ImportFile = "backup";
        return device_->SorvImport(&stream, true);
    }

    std::multiset<std::int32_t> ModelObjectNumbers() const
    {
        std::multiset<std::int32_t> numbers;
        for (const TDataBasis* object : All(DT_ETS_OBJEKT))
            if (const TDatenStruktur* record = device_->FindDatenSatz(object->GetSystem(), object->GetHandle()))
                numbers.insert(record->Param4);
        return numbers;
    }
    std::multiset<std::int32_t> ProjectObjectNumbers() const
    {
        host::TProjectDatabase project(path_);
        host::TSqlStatement query(project.Sql(), "SELECT number FROM device_object WHERE device_id = " +
                                                     std::to_string(keysensortest::KuecheDevice));
        std::multiset<std::int32_t> numbers;
        while (query.Step())
            numbers.insert(static_cast<std::int32_t>(query.Int64(0)));
        return numbers;
    }
    // The numbers of the communication objects of the block stored in the project.
    std::multiset<std::int32_t> BlockObjectNumbers() const
    {
        host::TProjectDatabase project(path_);
        const std::string block = host::ReadDeviceBlob(project.Sql(), keysensortest::KuecheDevice).value_or("");
        const auto db = TBlobSection::Find(block, "DB");
        std::multiset<std::int32_t> numbers;
        if (!db)
            return numbers;
        const TDeviceInstanz::TRecordTable records(block.data() + db->ContentBegin, db->ContentSize());
        for (const auto& [key, record] : records.GetRecords())
            if (record.Typ == DT_ETS_OBJEKT)
                numbers.insert(record.Param4);
        return numbers;
    }

    std::string LastBox() const { return ui_.boxes().empty() ? "" : ui_.boxes().back().text; }

    platform::TScopedClock clock_{QDateTime(QDate(2026, 12, 10), QTime(12, 0))};
    SwitchSysfunc sysfunc_;
};

// What the edit did before the editor died.
struct Kill {
    const char* Name;
    std::function<void(KilledEditTest&)> Edit;
    bool Changed; // the project then differs from the block
};

class KilledEdit : public KilledEditTest, public ::testing::WithParamInterface<Kill> {
public:
    void SwitchFunction(int tag, bool on) { ASSERT_TRUE(Switch(tag, on)); }
    void MakeRocker()
    {
        TDataBasis* operation = Find(DT_TS_BETAETIGUNG);
        ASSERT_NE(operation, nullptr);
        Choose(*operation, TTsBetaetigung::tagTastenpaar + 1, T_DB_EnumTsBetaetigung::tpWippe);
    }
    void LinkKey() { LinkFirstObject(Find(DT_TS_TASTE), 1); }
    void WriteBlock() { ASSERT_TRUE(device_->WriteBlob()); }
};

TEST_P(KilledEdit, TheNextSessionOpensTheDeviceWithTheProjectMatchingTheBlock)
{
    // A device written once, its backup taken as the edit starts.
    ASSERT_NO_FATAL_FAILURE(Open());
    ASSERT_TRUE(device_->WriteBlob());
    ASSERT_NO_FATAL_FAILURE(Open());
    const std::string backup = Export();
    ASSERT_EQ(ModelObjectNumbers(), ProjectObjectNumbers());
    const std::size_t boxes = ui_.boxes().size();

    GetParam().Edit(*this);
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_EQ(ProjectObjectNumbers() != BlockObjectNumbers(), GetParam().Changed);

    // The editor dies; the next session opens the device.
    ASSERT_NO_FATAL_FAILURE(Open());
    EXPECT_EQ(ModelObjectNumbers(), ProjectObjectNumbers());
    EXPECT_EQ(ModelObjectNumbers(), BlockObjectNumbers());
    EXPECT_LE(ui_.boxes().size(), boxes + 1) << LastBox();
    if (GetParam().Changed) {
        ASSERT_EQ(ui_.boxes().size(), boxes + 1);
        EXPECT_EQ(ui_.boxes().back().text.rfind(Spredit::Text9035 + "\n", 0), 0u) << LastBox();
    }
    ASSERT_TRUE(device_->WriteBlob());
    EXPECT_EQ(BlockObjectNumbers(), ProjectObjectNumbers());

    // The restore of the backup taken before the edit works on that state.
    EXPECT_TRUE(Restore(backup)) << LastBox();
    EXPECT_EQ(ModelObjectNumbers(), ProjectObjectNumbers());
    EXPECT_EQ(BlockObjectNumbers(), ProjectObjectNumbers());

    // And the session after it opens without a word.
    const std::size_t before = ui_.boxes().size();
    ASSERT_NO_FATAL_FAILURE(Open());
    EXPECT_EQ(ui_.boxes().size(), before) << LastBox();
    EXPECT_EQ(ModelObjectNumbers(), ProjectObjectNumbers());
}

INSTANTIATE_TEST_SUITE_P(
    Moments, KilledEdit,
    ::testing::Values(
        Kill{"AfterAFunctionSwitchedOff", [](KilledEditTest& t) {
                 static_cast<KilledEdit&>(t).SwitchFunction(T::tagReglerFunktion, false);
             },
             true},
        Kill{"AfterAFunctionSwitchedOn", [](KilledEditTest& t) {
                 static_cast<KilledEdit&>(t).SwitchFunction(T::tagSzenenFunktion, true);
             },
             true},
        Kill{"AfterAKeyChange", [](KilledEditTest& t) { static_cast<KilledEdit&>(t).MakeRocker(); }, true},
        Kill{"AfterALink", [](KilledEditTest& t) { static_cast<KilledEdit&>(t).LinkKey(); }, false},
        // The end of the edit writes the block, then the backup: a death before the block's
        // write leaves the project ahead of the block, one after it leaves both alike.
        Kill{"DuringTheEndBeforeTheBlockWrite",
             [](KilledEditTest& t) {
                 auto& edit = static_cast<KilledEdit&>(t);
                 edit.SwitchFunction(T::tagReglerFunktion, false);
                 edit.SwitchFunction(T::tagSzenenFunktion, true);
             },
             true},
        Kill{"DuringTheBackupWrite",
             [](KilledEditTest& t) {
                 auto& edit = static_cast<KilledEdit&>(t);
                 edit.SwitchFunction(T::tagReglerFunktion, false);
                 edit.WriteBlock();
             },
             false}),
    [](const ::testing::TestParamInfo<Kill>& info) { return std::string(info.param.Name); });

} // namespace
} // namespace managertest
