#include "tests/climalib/support/NamedCase.h"
#include "tests/climalib/support/ProbeFixture.h"

namespace climatest {
namespace {

using climatest::PrintTo;
using P = TProbeDataObject;

TEST_F(ProbeFixture, WriteWithoutChainDeletesNothingAndBuildsTheChain)
{
    probe->Auswahl = 5;
    probe->Zeit = 33;
    probe->Temperatur = 19.5;
    probe->Extra = 1;
    TDatenStruktur& record = *Device().GetDatenSatz(System, Parent, probe->GetHandle());
    window.Clear();
    probe->Write(record);

    EXPECT_TRUE(window.Received(WM_USER_DELETENEXTDATENSATZ).empty());
    EXPECT_EQ(record.Handle, probe->GetHandle());
    EXPECT_EQ(record.Typ, P::Typ);
    EXPECT_EQ(record.Param2, 5);
    EXPECT_EQ(record.Param3, 33);
    const auto chain = Device().Chain(record);
    ASSERT_EQ(chain.size(), 2u);
    for (const TDatenStruktur* added : chain) {
        EXPECT_EQ(added->Typ, 0) << "no loader takes an additional record for a data object";
        EXPECT_EQ(added->Parent, probe->GetHandle());
        EXPECT_EQ(added->System, System);
    }
    EXPECT_EQ(chain[0]->Param1, 195);
    EXPECT_TRUE(chain[1]->Bool1);
    EXPECT_EQ(chain[1]->Next, 0);
}

TEST_F(ProbeFixture, WritingTwiceLeavesExactlyOneChain)
{
    TDatenStruktur& record = *Device().GetDatenSatz(System, Parent, probe->GetHandle());
    probe->Write(record);
    const std::int32_t oldFirst = record.Next;
    const std::int32_t oldSecond = Device().Chain(record)[1]->Handle;
    window.Clear();

    probe->Write(record);

    const platform::WPARAM systemHandle = (platform::WPARAM{System} << 16) | static_cast<platform::WPARAM>(probe->GetHandle());
    EXPECT_EQ(window.Received(WM_USER_DELETENEXTDATENSATZ),
              std::vector{Sent(WM_USER_DELETENEXTDATENSATZ, systemHandle, oldFirst)});
    EXPECT_EQ(Device().RecordCount(), 3u);
    EXPECT_EQ(Device().FindRecord(System, oldFirst), nullptr);
    EXPECT_EQ(Device().FindRecord(System, oldSecond), nullptr);
    EXPECT_EQ(Device().Chain(record).size(), 2u);
    EXPECT_NE(record.Next, oldFirst);
}

TEST_F(ProbeFixture, InitFromDBReadsTheMainRecordAndTheChain)
{
    TDatenStruktur& record = *Device().GetDatenSatz(System, Parent, probe->GetHandle());
    probe->Auswahl = 5;
    probe->Freigabe = 1;
    probe->Zeit = 77;
    probe->Temperatur = 8.5;
    probe->Extra = 1;
    probe->Write(record);

    TProbeDataObject restored(window.Handle(), System, Parent, record.Name, record.Handle);
    restored.InitFromDB(record);
    EXPECT_EQ(restored.Auswahl, 5);
    EXPECT_EQ(restored.Freigabe, 1);
    EXPECT_EQ(restored.Zeit, 77);
    EXPECT_DOUBLE_EQ(restored.Temperatur, 8.5);
    EXPECT_EQ(restored.Extra, 1);
}

struct MissingCase {
    const char* name;
    bool firstExists;
    double temperatur;
};

class MissingAdditionalRecord : public ProbeFixture, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(MissingAdditionalRecord, KeepsTheDefaultsAndCreatesNothing)
{
    TDatenStruktur main;
    main.Handle = 40;
    main.System = System;
    main.Parent = Parent;
    main.Typ = P::Typ;
    main.Param2 = 5;
    main.Next = 41;
    if (GetParam().firstExists) {
        TDatenStruktur first;
        first.Handle = 41;
        first.System = System;
        first.Parent = 40;
        first.Param1 = 300;
        first.Next = 42; // missing
        Device().AddRecord(first);
    }
    TDatenStruktur& stored = Device().AddRecord(main);
    const std::size_t records = Device().RecordCount();
    const int created = Device().CreatedRecords();

    TProbeDataObject restored(window.Handle(), System, Parent, "Probe", 40);
    restored.Extra = 0;
    restored.InitFromDB(stored);

    EXPECT_EQ(restored.Auswahl, 5);
    EXPECT_DOUBLE_EQ(restored.Temperatur, GetParam().temperatur);
    EXPECT_EQ(restored.Extra, 0);
    EXPECT_EQ(Device().RecordCount(), records);
    EXPECT_EQ(Device().CreatedRecords(), created);
}

INSTANTIATE_TEST_SUITE_P(Chains, MissingAdditionalRecord,
                         ::testing::Values(MissingCase{"first", false, 21.5}, MissingCase{"second", true, 30.0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProbeFixture, WithoutNextTheMembersOfTheChainKeepTheirDefaults)
{
    TDatenStruktur main;
    main.Handle = probe->GetHandle();
    main.Param3 = 12;
    probe->InitFromDB(main);
    EXPECT_EQ(probe->Zeit, 12);
    EXPECT_DOUBLE_EQ(probe->Temperatur, 21.5);
    EXPECT_TRUE(window.Received(WM_USER_GETDATENSATZANYPARENT).empty());
}

TEST_F(ProbeFixture, WhenNoAdditionalRecordCanBeHadTheChainEndsThere)
{
    TDatenStruktur record;
    record.Handle = probe->GetHandle();
    window.SetDeviceMissing(true);
    probe->Write(record);
    EXPECT_EQ(record.Next, 0);
    EXPECT_EQ(record.Param2, 1);
}

} // namespace
} // namespace climatest
