#pragma once

#include "device/ConfigWindowServices.h"
#include "device/DataModuleServices.h"
#include "device/DeviceInstanz.h"
#include "device/MainWindowServices.h"
#include "outside/addrlink/SorvEtsDevice.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "tests/device/TrivialDevice.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// Stand-ins for the neighbours of the data block: a product device model with a small section
// reader and writer, its data objects, the main window, configuration windows and data module.
namespace datablocktest {

constexpr std::int16_t TypSystem = 1;

// The device data object of the test product: writes the common fields, its host id into
// Param4 and its physical address into String1.
class TestSystem final : public TSorvEtsDevice {
public:
    TestSystem(std::int32_t handle, std::int32_t etsDeviceId)
        : TSorvEtsDevice(0, 0, 0, "System", etsDeviceId, handle)
    {
    }

    int GetQuickHelpIndexOffset() const override { return 0; }
    int GetTyp() const override { return TypSystem; }
    int ListStyle() const override { return 0; }
    int GetIcon() const override { return 0; }
    bool AllowChild(int) const override { return true; }
    bool AllowDrop(TDataBasis*) const override { return false; }
    void Drop(TDataBasis*) override {}
    void BuildInfoWindow(TDrawGridSE*, TListView*, bool, int, int) override {}
    int GetObjektAnzahl() const override { return 3; }
    int GetMaxObjektAnzahl() const override { return 40; }

    void Write(TDatenStruktur& record) override
    {
        TSorvEtsDevice::Write(record);
        record.Param4 = EtsDeviceId;
        record.String1 = PhysAdr;
    }
};

// Any other data object: keeps the record it was made from and writes it back whole; answers
// SetObjIdent with whether the ident was positive, and keeps it.
class TestObject final : public TDataBasis {
public:
    explicit TestObject(const TDatenStruktur& record)
        : TDataBasis(0, record.System, record.Parent, record.Name, record.Handle), Record(record)
    {
    }

    int GetQuickHelpIndexOffset() const override { return 0; }
    int GetTyp() const override { return Record.Typ; }
    int ListStyle() const override { return 0; }
    int GetIcon() const override { return 0; }
    bool AllowChild(int) const override { return true; }
    bool AllowDrop(TDataBasis*) const override { return false; }
    void Drop(TDataBasis*) override {}
    void BuildInfoWindow(TDrawGridSE*, TListView*, bool, int, int) override {}
    bool SetObjIdent(std::int8_t ident) override
    {
        Ident = ident;
        return ident > 0;
    }
    void Write(TDatenStruktur& record) override
    {
        record = Record;
        ++Writes;
    }

    TDatenStruktur Record;
    std::int8_t Ident = 0;
    int Writes = 0;
};

// The test product: its block is a version section, the records one line each in a "DB"
// section, and the character set and device texts in theirs. A record of Typ 1 becomes the
// device data object, every other one a TestObject.
class TestProductDevice final : public devicetest::TrivialDevice {
public:
    using TrivialDevice::TrivialDevice;
    using TDeviceInstanz::SystemMaps;

    // The records of a new device: the system object (handle 1) and the children given.
    std::vector<TDatenStruktur> NewDeviceRecords;
    bool CreateNewDeviceAnswer = true;
    bool CreateNewDeviceMakesSystem = true;
    std::function<void()> OnCreateNewDevice;
    bool DatenAbgleichAnswer = true;
    // Content that passes the version checks begins with this text.
    std::string ValidPrefix = "SX Version";
    // Whether reading the block loads the character set and device texts.
    bool LoadStreams = false;

    int CreateNewDeviceCalls = 0;
    std::vector<std::pair<bool, bool>> DatenAbgleichCalls;
    std::vector<std::string> CharSetChecks;
    std::vector<std::string> DeviceTextChecks;

    // The live records as lines, ordered by System, Parent and filing order.
    std::vector<std::string> RecordLines() const
    {
        std::vector<std::string> lines;
        for (const auto& [system, table] : SystemMaps)
            for (const auto& entry : table)
                lines.push_back(entry.second.ToString());
        return lines;
    }

    // Files the record and registers its data object.
    void AddObject(const TDatenStruktur& record)
    {
        *GetDatenSatz(record.System, record.Parent, record.Handle) = record;
        if (record.Typ == TypSystem) {
            auto* system = new TestSystem(record.Handle, EtsDeviceId);
            if (SetPointer2List(system))
                SetDevice(system);
            else
                delete system;
        } else {
            auto* object = new TestObject(record);
            if (!SetPointer2List(object))
                delete object;
        }
    }

    int CreateNewDevice(platform::HWND) override
    {
        ++CreateNewDeviceCalls;
        if (OnCreateNewDevice)
            OnCreateNewDevice();
        if (CreateNewDeviceMakesSystem) {
            TDatenStruktur system;
            system.Handle = 1;
            system.Typ = TypSystem;
            system.Name = "System";
            AddObject(system);
            GetDevice()->Write(*GetDatenSatz(GetDevice()));
            for (const TDatenStruktur& record : NewDeviceRecords)
                AddObject(record);
        }
        return CreateNewDeviceAnswer ? 1 : 0;
    }

    void CopyStrukturDatenToDB(TRecordTable*, platform::TMemoryStream* target) override
    {
        std::string block = TagVersionOpen + "\r\nSX Version: 0.05 Typ:Test\r\n" + TagVersionClose + "\r\n";
        block += TagDBOpen + "\r\n";
        for (const std::string& line : RecordLines())
            block += line + "\r\n";
        block += TagDBClose + "\r\n";
        block += TagCharSetOpen + "\r\n" + CharSetStream.Bytes() + "\r\n" + TagCharSetClose + "\r\n";
        block += TagDeviceTextOpen + "\r\n" + DeviceTextStream.Bytes() + "\r\n" + TagDeviceTextClose + "\r\n";
        target->Clear();
        target->Write(block);
    }

    bool CopyDBDatenToStruktur(std::list<int>& handles) override
    {
        ClearDataMaps();
        platform::TMemoryStream records;
        if (!ParseData(&BlobStream, &records, SectionDB))
            return false;
        const std::string& text = records.Bytes();
        for (std::size_t start = 0; start < text.size();) {
            std::size_t end = text.find("\r\n", start);
            if (end == std::string::npos)
                end = text.size();
            if (end > start) {
                TDatenStruktur record;
                record.Fill(text.substr(start, end - start));
                FillDataMaps(record);
                handles.push_back(record.Handle);
            }
            start = end + 2;
        }
        if (LoadStreams && (!LoadCharSetData(&BlobStream, &CharSetStream) ||
                            !LoadDeviceText(&BlobStream, &DeviceTextStream)))
            return false;
        return true;
    }

    void InitDataMainStruktur() override
    {
        for (const auto& [handle, record] : HandleMap)
            AddObject(record);
    }

    bool DatenAbgleich(bool first, bool second) override
    {
        DatenAbgleichCalls.emplace_back(first, second);
        return DatenAbgleichAnswer;
    }

    bool VersionCheckCharData(platform::TMemoryStream* stream) override
    {
        CharSetChecks.push_back(stream->Bytes());
        return stream->Bytes().starts_with(ValidPrefix);
    }

    bool VersionCheckDeviceText(platform::TMemoryStream* stream) override
    {
        DeviceTextChecks.push_back(stream->Bytes());
        return stream->Bytes().starts_with(ValidPrefix);
    }

    std::string GetVersion() const override { return "SX Version: 0.05 Typ:Test"; }
    std::string GetDeviceName() const override { return "Test"; }
};

// A main window with a host link (or none) and a list of configuration windows; remembers the
// object counts it was shown.
class TestMainWindow final : public TMainWindowServices {
public:
    explicit TestMainWindow(TEts2Cdi_Extended1* link) : Link(link) {}

    TEts2Cdi_Extended1* GetEts2Cdi() const override { return Link; }
    std::vector<TConfigWindowServices*> GetListFormVerw() const override { return Windows; }
    void UpdateObjektAnzahl(int count, int maximum) override { ObjectCounts.emplace_back(count, maximum); }

    TEts2Cdi_Extended1* Link;
    std::vector<TConfigWindowServices*> Windows;
    std::vector<std::pair<int, int>> ObjectCounts;
};

// A configuration window that notes every call in a journal shared by all windows.
class TestConfigWindow final : public TConfigWindowServices {
public:
    TestConfigWindow(std::string name, std::vector<std::string>& journal) : Name(std::move(name)), Journal(journal) {}

    void DeleteGrpAdr() override { Journal.push_back(Name + " DeleteGrpAdr"); }
    void InitData(const std::map<std::int32_t, TDataBasis*>&, platform::HWND window) override { Journal.push_back(Name + " InitData " + std::to_string(window)); }
    void SetDeviceInstanz(TDeviceInstanz* device) override
    {
        Journal.push_back(Name + " SetDeviceInstanz");
        Device = device;
    }
    void InitGrpAdr(platform::HWND window, TGrpAdrOrdner* folder, const TGrpAdrNodes& mainGroups,
                    const TGrpAdrNodes& midSubGroups) override
    {
        Journal.push_back(Name + " InitGrpAdr " + std::to_string(window));
        Folder = folder;
        MainGroups = &mainGroups;
        MidSubGroups = &midSubGroups;
    }

    std::string Name;
    std::vector<std::string>& Journal;
    TDeviceInstanz* Device = nullptr;
    TGrpAdrOrdner* Folder = nullptr;
    const TGrpAdrNodes* MainGroups = nullptr;
    const TGrpAdrNodes* MidSubGroups = nullptr;
};

// A data module whose files and folders lie below one folder (ending in "/"); the blob folder is
// not made until someone asks for it.
class TestDataModule final : public TDataModuleServices {
public:
    explicit TestDataModule(const std::string& folder) : Folder(folder) {}

    void GetLongExeName(std::string& out) const override { out = Folder + "panelconf"; }
    std::string GetIniFileName() const override { return Folder + "panelconf.ini"; }
    std::string GetBlobFileDir() const override { return Folder + "Vantu/BlobFile/"; }
    std::string GetCharSetFileName() const override { return CharSetFile; }
    std::string GetDeviceTextFileName() const override { return DeviceTextFile; }
    void StartTimerAutoSave(bool start) override { TimerStarts.push_back(start); }

    std::string Folder;
    std::string CharSetFile;
    std::string DeviceTextFile;
    std::vector<bool> TimerStarts;
};

} // namespace datablocktest
