// The whole life of a device on the stand-in host's project: made new by the open of an empty
// block, switched in the system object's grid, written, checked against the project, reset, and
// each time written and opened again with the same objects.
#include "app/Spredit.h"
#include "device/BlobSection.h"
#include "device/DatenStruktur.h"
#include "device/product/DatenTyp.h"
#include "host/DeviceBlob.h"
#include "host/ProjectDatabase.h"
#include "host/SqlStatement.h"
#include "outside/keyplan/TsBetaetigung.h"
#include "platform/Clock.h"
#include "tests/product/support/ManagerFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
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

// The lines of a text split at CR LF (a last line without one counts too).
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", from)) {
        lines.push_back(text.substr(from, at - from));
        from = at + 2;
    }
    if (from < text.size())
        lines.push_back(text.substr(from));
    return lines;
}

std::size_t Occurrences(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

class LifeCycleTest : public ManagerTest {
protected:
    // A new model of the device opened from the project, as the main window takes it over; its
    // system object is switched in its grid.
    void Open()
    {
        TObjectFactories factories;
        factories.Sysfunc = &sysfunc_;
        UseDevice<AligningDevice>(factories);
        sys_ = nullptr;
        ASSERT_TRUE(device_->GetDataFromServer(Window(), false)) << LastBox();
        sys_ = dynamic_cast<SwitchSystem*>(device_->GetDevice());
        ASSERT_NE(sys_, nullptr);
    }

    // Writes the block, checks its form, opens the device again and compares: the same objects
    // (handle, type, parent, name), every record of the block read back.
    void WriteAndReopen()
    {
        ASSERT_TRUE(device_->WriteBlob()) << LastBox();
        const std::string block = StoredBlock();
        written_ = WellFormedRecords(block);
        ASSERT_FALSE(written_.empty());
        const std::vector<std::string> written = Objects();
        Open();
        EXPECT_EQ(Objects(), written);
        ExpectReadBack(written_);
        EXPECT_EQ(ModelObjectNumbers(), ProjectObjectNumbers());
    }

    // The records of the block last written that have further records chained to them.
    std::size_t ChainedRecords() const
    {
        return static_cast<std::size_t>(
            std::count_if(written_.begin(), written_.end(), [](const TDatenStruktur& r) { return r.Next > 0; }));
    }

    // Each section once, its tags whole lines and nowhere else; every record line of the DB
    // section parses and gives the same line again.
    std::vector<TDatenStruktur> WellFormedRecords(const std::string& block) const
    {
        std::map<std::string, int> tags;
        for (const std::string& line : Lines(block))
            if (line.size() > 2 && line.front() == '<' && line.back() == '>')
                ++tags[line];
        std::map<std::string, int> expected;
        for (const std::string name :
             {"BlobInfo", "Version", "DB", "CompData", "CharSet", "DeviceText", "ExpandedTreeNodes 0"}) {
            expected["<" + name + ">"] = 1;
            expected["</" + name + ">"] = 1;
        }
        EXPECT_EQ(tags, expected);
        for (const auto& [tag, count] : expected)
            EXPECT_EQ(Occurrences(block, tag), 1u) << tag;

        std::vector<TDatenStruktur> records;
        const auto db = TBlobSection::Find(block, "DB");
        if (!db) {
            ADD_FAILURE() << "no DB section";
            return records;
        }
        for (const std::string& line : Lines(block.substr(db->ContentBegin, db->ContentSize()))) {
            if (line.empty() || line.front() == '#')
                continue;
            TDatenStruktur record;
            EXPECT_NO_THROW(record.Fill(line)) << line;
            EXPECT_EQ(record.ToString(), line);
            records.push_back(record);
        }
        return records;
    }

    // Every record is in the reopened model as written; each has its object there, but the
    // types without one and the further records of a chain.
    void ExpectReadBack(const std::vector<TDatenStruktur>& records)
    {
        std::set<std::int32_t> chained;
        for (const TDatenStruktur& record : records)
            if (record.Next > 0)
                chained.insert(record.Next);
        for (const TDatenStruktur& record : records) {
            const TDatenStruktur* read = device_->FindDatenSatz(record.System, record.Handle);
            ASSERT_NE(read, nullptr) << record.ToString();
            EXPECT_EQ(read->ToString(), record.ToString());
            if (record.Typ == DT_RECORD_ONLY_1 || record.Typ == DT_RECORD_ONLY_2 || record.Typ == DT_RECORD_ONLY_6 ||
                chained.contains(record.Handle))
                continue;
            const TDataBasis* object = device_->FindHandle(record.Handle);
            ASSERT_NE(object, nullptr) << "a record without its object: " << record.ToString();
            EXPECT_EQ(object->GetTyp(), record.Typ) << record.ToString();
        }
    }

    std::string StoredBlock() const
    {
        host::TProjectDatabase project(path_);
        return host::ReadDeviceBlob(project.Sql(), keysensortest::KuecheDevice).value_or("");
    }

    // The objects without their handles: each as the path of types and names from the system
    // object, with its position id; sorted.
    std::vector<std::string> Shape() const
    {
        std::vector<std::string> shape;
        for (const auto& [handle, object] : device_->GetDataPointerMap()) {
            std::string path = std::to_string(object->GetTyp()) + " " + object->GetName(false) + "@" +
                               std::to_string(object->GetPosId());
            const TDataBasis* parent = object;
            for (int depth = 0; depth < 16 && parent->GetParentHandle() != parent->GetHandle(); ++depth) {
                parent = device_->FindHandle(parent->GetParentHandle());
                if (!parent)
                    break;
                path = std::to_string(parent->GetTyp()) + " " + parent->GetName(false) + " / " + path;
            }
            shape.push_back(path);
        }
        std::sort(shape.begin(), shape.end());
        return shape;
    }

    // A field of the records of the device's communication objects, one entry per object.
    std::multiset<std::int32_t> ObjectRecordField(std::int32_t TDatenStruktur::*field) const
    {
        std::multiset<std::int32_t> values;
        for (const TDataBasis* object : All(DT_ETS_OBJEKT))
            if (const TDatenStruktur* record = device_->FindDatenSatz(object->GetSystem(), object->GetHandle()))
                values.insert(record->*field);
        return values;
    }

    // The display orders of the device's communication objects.
    std::set<std::int32_t> DisplayOrders() const
    {
        const std::multiset<std::int32_t> orders = ObjectRecordField(&TDatenStruktur::Param16);
        return {orders.begin(), orders.end()};
    }

    // The numbers of the device's communication objects in the model and in the project: the
    // same when the two agree.
    std::multiset<std::int32_t> ModelObjectNumbers() const { return ObjectRecordField(&TDatenStruktur::Param4); }
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

    // The links of the device's objects to group addresses in the project.
    std::int64_t DeviceLinks()
    {
        return Query("SELECT COUNT(*) FROM sub_to_object s JOIN device_object d ON d.id = s.device_object_id "
                     "WHERE d.device_id = " +
                     std::to_string(keysensortest::KuecheDevice));
    }

    std::string LastBox() const { return ui_.boxes().empty() ? "" : ui_.boxes().back().text; }

    platform::TScopedClock clock_{QDateTime(QDate(2026, 12, 10), QTime(12, 0))};
    SwitchSysfunc sysfunc_;
    std::vector<TDatenStruktur> written_;
};

TEST_F(LifeCycleTest, ANewDeviceSwitchedCheckedAndResetReopensAlikeEachTime)
{
    // The empty block: the open makes the new device, writes it and builds it from that block.
    ASSERT_TRUE(StoredBlock().empty());
    ASSERT_NO_FATAL_FAILURE(Open());
    const std::vector<std::string> fresh = Shape();
    ASSERT_NE(Find(DT_REGLER_FUNKTION), nullptr);
    ASSERT_NO_FATAL_FAILURE(WriteAndReopen());
    EXPECT_EQ(Shape(), fresh);

    // Functions switched in the system object's grid, and a key pair made a rocker in the key
    // operation's grid.
    ASSERT_TRUE(Switch(T::tagSzenenFunktion, true));
    ASSERT_TRUE(Switch(T::tagReglerFunktion, false));
    ASSERT_TRUE(Switch(T::tagSchaltuhr1, true));
    ASSERT_NE(Find(DT_SCHALTUHR), nullptr);
    ASSERT_TRUE(Switch(T::tagSchaltuhr1, false));
    TDataBasis* operation = Find(DT_TS_BETAETIGUNG);
    ASSERT_NE(operation, nullptr);
    Choose(*operation, TTsBetaetigung::tagTastenpaar + 1, T_DB_EnumTsBetaetigung::tpWippe);
    EXPECT_EQ(All(DT_TS_WIPPE).size(), 1u);
    EXPECT_EQ(All(DT_SZENEN_FUNKTION).size(), 1u);
    EXPECT_TRUE(All(DT_REGLER_FUNKTION).empty());
    EXPECT_TRUE(All(DT_SCHALTUHR).empty());
    // Communication objects linked to group addresses; the second link of one goes into a
    // record chained to the object's own.
    LinkFirstObject(Find(DT_TS_TASTE), 1);
    LinkFirstObject(Find(DT_TS_TASTE), 3);
    LinkFirstObject(Find(DT_SZENEN_FUNKTION), 2);
    ASSERT_EQ(DeviceLinks(), 3);
    ASSERT_TRUE(ui_.boxes().empty()) << LastBox();
    const std::vector<std::string> switched = Shape();
    ASSERT_NO_FATAL_FAILURE(WriteAndReopen());
    EXPECT_EQ(Shape(), switched);
    EXPECT_GE(ChainedRecords(), 1u);

    // The device agrees with the project: only the success summary is shown.
    EXPECT_TRUE(device_->EtsObjektCheck());
    ASSERT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(ui_.boxes()[0].text.rfind(Spredit::Text9033, 0), 0u) << ui_.boxes()[0].text;

    // The reset gives a new device's objects again, which agree with the project and are written
    // and reopened alike; what only the switched device had is switched off in the project.
    const std::set<std::int32_t> switchedOrders = DisplayOrders();
    EXPECT_TRUE(device_->Reset(true));
    EXPECT_EQ(Shape(), fresh);
    const std::set<std::int32_t> freshOrders = DisplayOrders();
    for (const std::int32_t order : switchedOrders)
        EXPECT_EQ(ParameterValue(order) > 0, freshOrders.contains(order)) << order;
    for (const std::int32_t order : freshOrders)
        EXPECT_GT(ParameterValue(order), 0) << order;
    EXPECT_EQ(DeviceLinks(), 0);
    ASSERT_NO_FATAL_FAILURE(WriteAndReopen());
    EXPECT_EQ(Shape(), fresh);
    EXPECT_TRUE(device_->EtsObjektCheck());
    ASSERT_EQ(ui_.boxes().size(), 2u) << LastBox();
    EXPECT_EQ(ui_.boxes()[1].text.rfind(Spredit::Text9033, 0), 0u) << ui_.boxes()[1].text;
}

} // namespace
} // namespace managertest
