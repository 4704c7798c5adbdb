#include "device/product/DatenTyp.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/datacore/EibHandle.h"
#include "outside/sysfunc/TalvoDatumUhrzeitSenden.h"
#include "outside/sysfunc/TalvoDisplay.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "tests/product/support/ProbeObject.h"
#include "tests/product/support/ProductDoubles.h"
#include "tests/support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <list>
#include <memory>
#include <string>
#include <vector>

namespace producttest {
namespace {

// A display that counts the living ones.
class CountedDisplay final : public TTalvoDisplay {
public:
    CountedDisplay(int& alive, platform::HWND window, std::int32_t system, std::int32_t parent, const std::string& name,
                   std::int32_t handle)
        : TTalvoDisplay(window, system, parent, name, handle), alive_(alive)
    {
        ++alive_;
    }
    ~CountedDisplay() override { --alive_; }

private:
    int& alive_;
};

// Notes the type of every object made, in order, and makes counted displays.
class JournalSysfunc final : public TSysfuncFactory {
public:
    explicit JournalSysfunc(std::vector<int>& journal) : journal_(journal) {}

    std::unique_ptr<TTalvoSystem> CreateTalvoSystem(platform::HWND window, std::int32_t system, std::int32_t parent,
                                                    const std::string& name, std::int32_t etsDeviceId,
                                                    std::int32_t value, std::int32_t handle,
                                                    bool reserved) const override
    {
        journal_.push_back(TTalvoSystem::Typ);
        return TSysfuncFactory::CreateTalvoSystem(window, system, parent, name, etsDeviceId, value, handle, reserved);
    }
    std::unique_ptr<TTalvoDisplay> CreateTalvoDisplay(platform::HWND window, std::int32_t system, std::int32_t parent,
                                                      const std::string& name, std::int32_t handle) const override
    {
        journal_.push_back(TTalvoDisplay::Typ);
        return std::make_unique<CountedDisplay>(Displays, window, system, parent, name, handle);
    }
    std::unique_ptr<TTalvoDatumUhrzeitSenden> CreateTalvoDatumUhrzeitSenden(platform::HWND window, std::int32_t system,
                                                                            std::int32_t parent,
                                                                            const std::string& name,
                                                                            std::int32_t handle) const override
    {
        journal_.push_back(TTalvoDatumUhrzeitSenden::Typ);
        return TSysfuncFactory::CreateTalvoDatumUhrzeitSenden(window, system, parent, name, handle);
    }

    mutable int Displays = 0;

private:
    std::vector<int>& journal_;
};

class JournalAddrlink final : public TAddrlinkFactory {
public:
    explicit JournalAddrlink(std::vector<int>& journal) : journal_(journal) {}

    std::unique_ptr<TEtsObjekt> CreateEtsObjekt(platform::HWND window, std::int32_t system, std::int32_t parent,
                                                const std::string& name, std::int32_t commObjectId,
                                                std::int32_t deviceObjectId, std::int32_t objectNumber,
                                                std::int32_t parameterId, std::int32_t displayOrder,
                                                std::int32_t parameterValue, TEtsObjekt::TEnumEtsObjektArt kind,
                                                TEtsObjekt::TEnumObjectType objectType, TEtsObjekt::TEnumIOTyp ioTyp,
                                                int index, std::int32_t handle) const override
    {
        journal_.push_back(DT_ETS_OBJEKT);
        Arguments = {commObjectId, deviceObjectId, objectNumber, parameterId, displayOrder, parameterValue,
                     kind,         objectType,     ioTyp,        index};
        return TAddrlinkFactory::CreateEtsObjekt(window, system, parent, name, commObjectId, deviceObjectId,
                                                 objectNumber, parameterId, displayOrder, parameterValue, kind,
                                                 objectType, ioTyp, index, handle);
    }

    mutable std::vector<int> Arguments;

private:
    std::vector<int>& journal_;
};

TDatenStruktur Record(std::int32_t handle, int typ, std::int32_t parent, const std::string& name)
{
    TDatenStruktur record;
    record.Handle = handle;
    record.Typ = static_cast<std::int16_t>(typ);
    record.Parent = parent;
    record.System = 0;
    record.Name = name;
    return record;
}

class Rebuild : public ::testing::Test {
protected:
    Rebuild() { window.SetDevice(&device); }

    // Files the records as the data-block reader does and builds the handle table from all of
    // them before any object is made.
    void Load(const std::vector<TDatenStruktur>& records)
    {
        std::list<int> handles;
        for (const TDatenStruktur& record : records) {
            handles.push_back(record.Handle);
            device.FillDataMaps(record);
        }
        device.EibHandle = std::make_unique<TEibHandle>(handles);
        device.EibHandle->BuildNewTable();
    }

    std::vector<int> journal;
    JournalSysfunc sysfunc{journal};
    JournalAddrlink addrlink{journal};
    TObjectFactories factories = [this] {
        TObjectFactories journalled;
        journalled.Sysfunc = &sysfunc;
        journalled.Addrlink = &addrlink;
        return journalled;
    }();
    FakeMainWindow window;
    FakeConfigWindow configWindow;
    TestDevice device{&window, nullptr, &configWindow, factories};
    testsupport::ScriptedUi ui;
};

TEST_F(Rebuild, MakesTheObjectsOfTheRecordsSystemFirst)
{
    TDatenStruktur system = Record(1, DT_TALVO_SYSTEM, 0, "Talvo");
    system.Param4 = 4711; // host device id
    system.Param2 = 8;    // keys
    TDatenStruktur display = Record(3, DT_TALVO_DISPLAY, 1, "Anzeige");
    display.Param3 = 42; // brightness
    TDatenStruktur comObject = Record(4, DT_ETS_OBJEKT, 1, "Uhrzeit");
    comObject.Param4 = 57;
    comObject.Param16 = 3300;
    Load({Record(2, DT_TALVO_DATUM_UHRZEIT_SENDEN, 1, "Datum/Uhrzeit"), system, display, comObject,
          Record(5, 6556, 1, "Loch"), Record(6, DT_SORV_GRP_ADR_MAIN, 1, "Hauptgruppe"), Record(7, 1, 1, "Eins"),
          Record(8, 2, 1, "Zwei"), Record(9, 6, 1, "Sechs"), Record(10, DT_ADDITIONAL_RECORD, 1, "")});

    device.InitDataMainStruktur();

    // In ascending type: the system object comes first although it was stored second.
    EXPECT_EQ(journal, (std::vector<int>{DT_TALVO_SYSTEM, DT_ETS_OBJEKT, DT_TALVO_DISPLAY,
                                         DT_TALVO_DATUM_UHRZEIT_SENDEN}));
    TTalvoSystem* restored = device.GetPointerFromSystem();
    ASSERT_NE(restored, nullptr);
    EXPECT_EQ(device.GetDevice(), restored);
    EXPECT_EQ(restored->GetHandle(), 1);
    EXPECT_EQ(restored->GetEtsDeviceId(), 4711);
    EXPECT_EQ(restored->GetAnzahlTasten(), 8);

    EXPECT_EQ(device.GetDataPointerMap().size(), 4u);
    ASSERT_NE(dynamic_cast<TTalvoDatumUhrzeitSenden*>(device.FindHandle(2)), nullptr);
    auto* restoredDisplay = dynamic_cast<TTalvoDisplay*>(device.FindHandle(3));
    ASSERT_NE(restoredDisplay, nullptr);
    EXPECT_EQ(restoredDisplay->GetHelligkeit(), 42);
    EXPECT_EQ(restoredDisplay->GetName(false), "Anzeige");
    EXPECT_EQ(restoredDisplay->GetParentHandle(), 1);
    auto* restoredObject = dynamic_cast<TEtsObjekt*>(device.FindHandle(4));
    ASSERT_NE(restoredObject, nullptr);
    EXPECT_EQ(restoredObject->GetObjectNumber(), 57);
    EXPECT_EQ(restoredObject->GetDisplayOrder(), 3300);
    // Restored with six -1, kind 0, type 0, direction 1 and index 0, then read from its record.
    EXPECT_EQ(addrlink.Arguments, (std::vector<int>{-1, -1, -1, -1, -1, -1, 0, 0, 1, 0}));
    // Additional records of a chain (type 0) are no objects and no surprise.
    for (const std::int32_t none : {5, 6, 7, 8, 9, 10})
        EXPECT_EQ(device.FindHandle(none), nullptr) << none;

    ASSERT_EQ(ui.boxes().size(), 2u);
    EXPECT_EQ(ui.boxes()[0].text, "Unbekannter Typ: 5001\nName: Hauptgruppe");
    EXPECT_EQ(ui.boxes()[1].text, "Unbekannter Typ: 6556\nName: Loch");
    for (const auto& box : ui.boxes()) {
        EXPECT_EQ(box.caption, "TDeviceInstanzTalvo::InitDataMainStruktur");
        EXPECT_EQ(box.style, 48u);
    }

    EXPECT_TRUE(device.HandleMap.empty());
    EXPECT_TRUE(device.TypMap.empty());
    EXPECT_TRUE(device.ParentMap.empty());
    // The records stay, the unknown ones too.
    for (std::int32_t handle = 1; handle <= 10; ++handle)
        EXPECT_NE(device.FindRecord(0, handle), nullptr) << handle;
}

TEST_F(Rebuild, RestoredObjectsKeepTheirHandlesAndNewOnesGetFreeOnes)
{
    Load({Record(1, DT_TALVO_SYSTEM, 0, "Talvo"), Record(2, DT_TALVO_DISPLAY, 1, "Anzeige"),
          Record(40, DT_ETS_OBJEKT, 1, "Objekt")});
    device.InitDataMainStruktur();
    for (const std::int32_t handle : {1, 2, 40})
        EXPECT_TRUE(device.EibHandle->IsInUse(handle)) << handle;
    TTalvoDisplay fresh(window.GetHandle(), 0, 1, "Neu", 0);
    EXPECT_NE(fresh.GetHandle(), 1);
    EXPECT_NE(fresh.GetHandle(), 2);
    EXPECT_NE(fresh.GetHandle(), 40);
}

TEST_F(Rebuild, RecordsWithoutObjectsGiveNoMessage)
{
    Load({Record(7, 1, 0, "Eins"), Record(8, 2, 0, "Zwei"), Record(9, 6, 0, "Sechs")});
    device.InitDataMainStruktur();
    EXPECT_TRUE(ui.boxes().empty());
    EXPECT_TRUE(device.GetDataPointerMap().empty());
    EXPECT_EQ(device.GetDevice(), nullptr);
}

TEST_F(Rebuild, AnObjectWhoseHandleIsTakenIsFreedAndReported)
{
    int alive = 0;
    ASSERT_TRUE(device.SetPointer2List(new ProbeObject(alive, 9999, 0, 0, 3)));
    Load({Record(1, DT_TALVO_SYSTEM, 0, "Talvo"), Record(3, DT_TALVO_DISPLAY, 1, "Anzeige")});

    device.InitDataMainStruktur();

    EXPECT_EQ(sysfunc.Displays, 0) << "the second object is not leaked";
    EXPECT_EQ(alive, 1) << "the first one stays";
    EXPECT_EQ(device.FindHandle(3)->GetTyp(), 9999);
    ASSERT_EQ(ui.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes()[0].text, "Doppelter Handle: 3\nName: Anzeige");
    EXPECT_EQ(ui.boxes()[0].caption, "TDeviceInstanzTalvo::InitDataMainStruktur");
}

TEST_F(Rebuild, TwoDisplaysAreBothMadeAndTheFirstInRecordOrderIsTheDisplay)
{
    // Filed in this order below the system object: the later handle first.
    Load({Record(1, DT_TALVO_SYSTEM, 0, "Talvo"), Record(40, DT_TALVO_DISPLAY, 1, "Erste"),
          Record(30, DT_TALVO_DISPLAY, 1, "Zweite")});
    device.InitDataMainStruktur();
    EXPECT_EQ(sysfunc.Displays, 2);
    ASSERT_NE(device.GetPointerFromDisplay(), nullptr);
    EXPECT_EQ(device.GetPointerFromDisplay()->GetHandle(), 40);
}

TEST_F(Rebuild, WithoutDisplayThereIsNone)
{
    Load({Record(1, DT_TALVO_SYSTEM, 0, "Talvo")});
    device.InitDataMainStruktur();
    EXPECT_EQ(device.GetPointerFromDisplay(), nullptr);
    TestDevice empty{&window, nullptr, nullptr};
    EXPECT_EQ(empty.GetPointerFromDisplay(), nullptr);
}

} // namespace
} // namespace producttest
