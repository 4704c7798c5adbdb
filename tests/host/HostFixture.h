#pragma once

#include "host/SqlDatabase.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace hosttest {

// Ids of the demo project as etshost init makes it.
constexpr std::int32_t ProjectId = 1;
constexpr std::int32_t AreaId = 1;
constexpr std::int32_t LineId = 1;
constexpr std::int32_t ProgramId = 1;
constexpr std::int32_t FlurDevice = 1;
constexpr std::int32_t WohnenDevice = 2;
constexpr std::int32_t KuecheDevice = 3;

// What AddObjects puts into the demo project: a parameter with two communication objects, device
// objects on two devices and links from them to the demo's group addresses.
struct TObjects {
    std::int32_t Parameter = 0;
    std::int32_t TimeObject = 0;     // communication object 57, for parameter value 1
    std::int32_t DateObject = 0;     // communication object 58, for parameter value 1
    std::int32_t WohnenTime = 0;     // device object of 57 on device 2, linked to 1/0/1 and 1/0/2 (sending)
    std::int32_t WohnenDate = 0;     // device object of 58 on device 2, inactive, linked to 2/1/1
    std::int32_t FlurTime = 0;       // device object of 57 on device 1, no links
    std::int32_t LinkFlurLight = 0;  // WohnenTime -> 1/0/1
    std::int32_t LinkWohnenLight = 0; // WohnenTime -> 1/0/2, sending
    std::int32_t LinkSetPoint = 0;   // WohnenDate -> 2/1/1
    std::int32_t SubFlurLight = 0, SubWohnenLight = 0, SubKuecheLight = 0, SubSetPoint = 0;
};

// A fresh demo project in a temporary folder.
class DemoProjectTest : public ::testing::Test {
protected:
    DemoProjectTest();

    // Adds the objects and links of TObjects.
    TObjects AddObjects();
    // Runs SQL on the project file through a connection of its own.
    void Execute(const std::string& sql);

    testsupport::TempDir dir_;
    std::string path_;
};

} // namespace hosttest
