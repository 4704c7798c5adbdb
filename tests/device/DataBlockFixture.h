#pragma once

#include "outside/hostlink/Ets2CdiFaults.h"
#include "tests/device/DataBlockDoubles.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace datablocktest {

// Windows-1252 bytes of a UTF-8 literal.
std::string Cp(std::string_view utf8);

// A demo project in a temporary folder (devices 1 to 3 in area 1, line 1, device numbers 1 to
// 3, no data blocks), the data module's files below the same folder, a main window with a
// fault-injecting host link on the project, and the scripted UI service.
class DataBlockTest : public ::testing::Test {
protected:
    DataBlockTest();

    // A device model of the test product for a host device.
    std::unique_ptr<TestProductDevice> MakeDevice(std::int32_t deviceId);
    // The block stored for the device (empty: none); read through a connection of its own.
    std::string StoredBlock(std::int32_t deviceId) const;
    void StoreBlock(std::int32_t deviceId, std::string_view bytes) const;
    // Writes a value into section Debug of the program's settings file.
    void WriteDebugSetting(std::string_view key, std::string_view value) const;
    // Writes a file below the temporary folder and answers its path.
    std::string WriteFile(const std::string& name, std::string_view bytes) const;

    testsupport::TempDir dir_;
    std::string folder_;
    std::string projectPath_;
    TestDataModule dataModule_;
    std::unique_ptr<TEts2CdiFaults> link_;
    TestMainWindow mainWindow_;
    testsupport::ScriptedUi ui_;
};

// The whole file, or none when it does not exist.
std::optional<std::string> FileBytes(const std::string& path);

} // namespace datablocktest
