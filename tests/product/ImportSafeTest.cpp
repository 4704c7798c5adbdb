// Damaged import files on the demo project: each is refused with one message that names the file
// and what is wrong, and the device, its records, its objects and its links in the project stay
// as they were.
#include "app/Spredit.h"
#include "device/DatenStruktur.h"
#include "device/product/DatenTyp.h"
#include "host/DeviceBlob.h"
#include "host/DeviceDump.h"
#include "host/ProjectDatabase.h"
#include "outside/datacore/DataBasis.h"
#include "platform/Clock.h"
#include "tests/support/DamagedBlocks.h"
#include "tests/support/DeviceProject.h"
#include "tests/support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using testsupport::Damage;
using testsupport::DeviceProject;
using testsupport::EditRecords;
using testsupport::ScriptedUi;
using TRecords = TDeviceInstanz::TRecordTable;

constexpr std::int32_t Kueche = 3;
constexpr std::int32_t FlurLicht = 0x0801;  // 1/0/1
constexpr std::int32_t WohnenLicht = 0x0802; // 1/0/2
constexpr char ImportFile[] = "/daten/kueche.bu117";

// Every address is taken over as it is.
class AcceptingGaCheck final : public TGaCheckServices {
public:
    explicit AcceptingGaCheck(TUsedGroupAddrMap& used) : used_(used) {}
    int CheckGaConsistence(const TDatenManager<TDatenStruktur>* records) override
    {
        for (const auto& [key, r] : records->GetRecords())
            if (r.Param15 > 0) {
                const auto address = static_cast<std::uint32_t>(r.Param15);
                used_[address] = TRecGroupAddrInfo{address, r.Param8, "", gsOk, "", "", address};
            }
        return 1;
    }

private:
    TUsedGroupAddrMap& used_;
};

// The Kueche device made new, two of its communication objects linked in the project by an
// import of its own export; the block to damage is its export after that.
class ImportSafeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testsupport::AddProductTemplate(project_.ProjectPath());
        project_.MainWindow().GaCheck = [](TUsedGroupAddrMap& used, TNewGroupAddrList&) {
            return std::make_unique<AcceptingGaCheck>(used);
        };
        device_ = project_.MakeDevice(Kueche);
        ASSERT_TRUE(device_->CreateNewDevice(project_.Window())) << project_.LastBox();
        ASSERT_TRUE(device_->WriteBlob());
        int linked = 0;
        const std::string linkedExport = EditRecords(Export(), [&linked](const TDatenStruktur& r) {
            TDatenStruktur record = r;
            if (record.Typ == DT_ETS_OBJEKT && linked < 2)
                record.Param15 = linked++ == 0 ? FlurLicht : WohnenLicht;
            return record.ToString();
        });
        ASSERT_EQ(linked, 2);
        ASSERT_TRUE(Import(linkedExport)) << (ui_.boxes().empty() ? "" : ui_.boxes().back().text);
        ASSERT_TRUE(device_->WriteBlob());
        sound_ = Export();
        ASSERT_NE(Dump().find("1/0/1"), std::string::npos) << Dump();
    }

    std::string Export()
    {
        TRecords records("", 0);
        platform::TMemoryStream stream;
        const std::uint8_t source = device_->DataSrc;
        device_->DataSrc = TDeviceInstanz::dsDatabase;
        device_->CopyStrukturDatenToDB(&records, &stream);
        device_->DataSrc = source;
        return stream.Bytes();
    }
    bool Import(const std::string& block)
    {
        platform::TMemoryStream stream;
        stream.Write(block);
        stream.SetPosition(0);
        device_->ImportFile = ImportFile;
        return device_->SorvImport(&stream, true);
    }

    // The device as the project and the model hold it.
    std::string Dump() const
    {
        host::TProjectDatabase db(project_.ProjectPath());
        std::ostringstream out;
        host::DumpDevice(db.Sql(), Kueche, out);
        return out.str() + host::ReadDeviceBlob(db.Sql(), Kueche).value_or("-");
    }
    std::string Model() const
    {
        std::string text;
        for (const std::string& line : device_->RecordLines())
            text += line + "\n";
        for (const auto& [handle, object] : device_->GetDataPointerMap())
            text += std::to_string(handle) + " " + std::to_string(object->GetTyp()) + "\n";
        return text + device_->CharSetStream.Bytes() + device_->DeviceTextStream.Bytes();
    }

    platform::TScopedClock clock_{QDateTime(QDate(2026, 12, 10), QTime(12, 0))};
    DeviceProject project_;
    ScriptedUi ui_;
    std::unique_ptr<testsupport::ProjectDevice> device_;
    std::string sound_;
};

class DamagedImport : public ImportSafeTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedImport, IsRefusedWithOneMessageAndChangesNothing)
{
    const std::string damaged = GetParam().Make(sound_);
    ASSERT_NE(damaged, sound_);
    const std::string dump = Dump();
    const std::string model = Model();
    const std::size_t boxes = ui_.boxes().size();

    EXPECT_FALSE(Import(damaged));

    EXPECT_FALSE(device_->ImportCancelled);
    ASSERT_EQ(ui_.boxes().size(), boxes + 1);
    const std::string& text = ui_.boxes().back().text;
    EXPECT_EQ(text.rfind(Spredit::Text9125 + ImportFile + "\n", 0), 0u) << text;
    EXPECT_NE(text.find(GetParam().Reason), std::string::npos) << text;
    EXPECT_EQ(ui_.boxes().back().caption, Spredit::Text9018);
    EXPECT_EQ(Dump(), dump);
    EXPECT_EQ(Model(), model);
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedImport, ::testing::ValuesIn(testsupport::DamagedBlocks()),
                         [](const ::testing::TestParamInfo<Damage>& info) { return std::string(info.param.Name); });

TEST_F(ImportSafeTest, TheSoundExportIsTakenWithoutAMessage)
{
    const std::size_t boxes = ui_.boxes().size();
    EXPECT_TRUE(Import(sound_));
    EXPECT_EQ(ui_.boxes().size(), boxes);
    EXPECT_NE(Dump().find("1/0/1"), std::string::npos);
}

} // namespace
