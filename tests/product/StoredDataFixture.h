#pragma once

#include "device/ConfigWindowServices.h"
#include "device/DataModuleServices.h"
#include "outside/hostlink/Ets2CdiExtended1.h"
#include "tests/product/support/ProductDoubles.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace storeddatatest {

// Host device ids of the demo project and their type numbers (device parameter 60).
inline constexpr std::int32_t DeviceFlur = 1;    // type 18
inline constexpr std::int32_t DeviceWohnen = 2;  // type 52
inline constexpr char VersionFlur[] = "SX Version:0.05 Typ:SORV/Vantu_18";

// Windows-1252 bytes of a UTF-8 literal.
std::string Cp(std::string_view utf8);

// One S-record of type 1 with its count and checksum.
std::string S1(std::uint16_t address, std::initializer_list<std::uint8_t> data);
// A character set: its version line and the pixel rows of "A" (0x41).
std::string ValidCharSet();
// A character's rows as a vector, to compare with one.
inline std::vector<std::uint32_t> RowsOf(std::span<const std::uint32_t> rows)
{
    return {rows.begin(), rows.end()};
}
// A device text of this product in German (0x0407) with one text line.
std::string ValidDeviceText();

// A data module whose files lie below one folder; the program's name and version are fixed.
class StoredDataModule final : public TDataModuleServices {
public:
    explicit StoredDataModule(std::string folder) : Folder(std::move(folder)) {}

    void GetLongExeName(std::string& out) const override { out = ExeName; }
    std::string GetIniFileName() const override { return Folder + "panelconf.ini"; }
    std::string GetBlobFileDir() const override { return Folder + "Vantu/BlobFile/"; }
    std::string GetCharSetFileName() const override { return CharSetFile; }
    std::string GetDeviceTextFileName() const override { return DeviceTextFile; }
    void StartTimerAutoSave(bool) override {}
    void GetSwVersion(std::string& out) const override { out = SwVersion; }

    std::string Folder;
    std::string ExeName = "/opt/panelconf/panelconf";
    std::string SwVersion = "1.2.0.7";
    std::string CharSetFile;
    std::string DeviceTextFile;
};

// A configuration window with a number, the expanded nodes it gives, and the lines it was given.
class NodesWindow final : public TConfigWindowServices {
public:
    NodesWindow(int number, std::vector<std::string> nodes) : Number(number), Nodes(std::move(nodes)) {}

    int GetWindowNumber() const override { return Number; }
    void GetListExpandedTreeNodes(std::vector<std::string>& lines) override { lines = Nodes; }
    void SetListExpandedTreeNodes(const std::vector<std::string>& lines) override { Restored.push_back(lines); }

    int Number;
    std::vector<std::string> Nodes;
    std::vector<std::vector<std::string>> Restored;
};

// The product's device model; the alignment with the project answers true, so that a read
// block goes the whole road of GetDataFromServer.
class AlignedDevice final : public producttest::TestDevice {
public:
    using producttest::TestDevice::TestDevice;
    bool DatenAbgleich(bool, bool) override { return true; }
};

// The demo project of the stand-in host in a temporary folder with a host link on it, the data
// module with valid default files of character set and device text, a main window that answers
// the data objects, and the scripted UI service.
class StoredDataTest : public ::testing::Test {
protected:
    StoredDataTest();

    // A device model of the product for a host device of the demo project.
    std::unique_ptr<AlignedDevice> MakeDevice(std::int32_t deviceId);
    // Writes a file below the temporary folder and answers its path.
    std::string WriteFile(const std::string& name, std::string_view bytes) const;
    // The block stored for a device in the project (empty: none).
    std::string StoredBlock(std::int32_t deviceId) const;
    void StoreBlock(std::int32_t deviceId, std::string_view bytes) const;

    testsupport::TempDir dir_;
    std::string folder_;
    std::string projectPath_;
    TEts2Cdi_Extended1 link_;
    StoredDataModule dataModule_;
    producttest::FakeMainWindow window_;
    testsupport::ScriptedUi ui_;
};

// A record of System 0.
TDatenStruktur Record(std::int32_t handle, int typ, std::int32_t parent, const std::string& name);

} // namespace storeddatatest
