// The records of a data block go into the load-time tables in ascending Typ, records of one Typ in
// the order of the block; of records with one Handle the first of that order is the one filed, and
// the others are told and kept for writing back.
#include "device/product/DatenTyp.h"
#include "tests/product/StoredDataFixture.h"

#include <gtest/gtest.h>

#include <list>
#include <memory>
#include <vector>

namespace storeddatatest {
namespace {

class LoadOrder : public StoredDataTest {};

TEST_F(LoadOrder, RecordsAreFiledInAscendingTypAndBlockOrder)
{
    auto device = MakeDevice(DeviceFlur);
    TDatenStruktur late = Record(8, DT_TALVO_DISPLAY, 1, "Anzeige mit Handle 8");
    device->BlobStream.Write(std::string("<Version>\r\nVersion=") + VersionFlur + "\r\n</Version>\r\n<DB>\r\n" +
                             Record(8, DT_ETS_OBJEKT, 1, "Objekt 8").ToString() + "\r\n" +
                             Record(1, DT_TALVO_SYSTEM, 0, "System").ToString() + "\r\n" +
                             Record(6, DT_ETS_OBJEKT, 1, "Objekt 6").ToString() + "\r\n" +
                             Record(2, DT_TALVO_DISPLAY, 1, "Anzeige").ToString() + "\r\n" +
                             Record(9, DT_ADDITIONAL_RECORD, 8, "").ToString() + "\r\n" + late.ToString() +
                             "\r\n</DB>\r\n");
    std::list<int> handles;

    ASSERT_TRUE(device->CopyDBDatenToStruktur(handles));

    EXPECT_EQ(handles, (std::list<int>{9, 1, 8, 6, 2, 8}));
    ASSERT_EQ(device->HandleMap.count(8), 1u);
    EXPECT_EQ(device->HandleMap.at(8).Name, "Objekt 8");
    std::vector<std::string> byTyp;
    for (const auto& [typ, record] : device->TypMap)
        byTyp.push_back(record->Name);
    EXPECT_EQ(byTyp, (std::vector<std::string>{"\"\"", "System", "Objekt 8", "Objekt 6", "Anzeige"}));
    ASSERT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(ui_.boxes()[0].text, "Doppelter Handle: 8\nName: Anzeige mit Handle 8");
    std::size_t kept = 0;
    for (const auto& [system, table] : device->SystemMaps)
        kept += table.size();
    EXPECT_EQ(kept, 6u) << "the second record of handle 8 is kept for writing back";
}

} // namespace
} // namespace storeddatatest
