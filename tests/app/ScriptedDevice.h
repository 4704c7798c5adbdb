#pragma once

#include "device/product/DeviceInstanzTalvo.h"
#include "outside/hostlink/HostRecords.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace frametest {

// A device model whose copy, paste, version and reset answer as the test says and are counted.
class ScriptedDevice final : public TDeviceInstanzTalvo {
public:
    ScriptedDevice(TMainWindowServices* main, const DAL_DEVICE* record, std::string version)
        : TDeviceInstanzTalvo(main, record, nullptr), Version(std::move(version))
    {
    }

    std::string GetVersion() const override { return Version; }
    int GetCopyData(TDataBasis*, std::vector<std::string>& lines) override
    {
        ++Copies;
        lines = CopyLines;
        return CopyAnswer;
    }
    bool Einfuegen(TDataBasis*, const std::vector<std::string>& lines) override
    {
        Pasted.push_back(lines);
        return PasteAnswer;
    }
    int Reset(bool) override
    {
        ++Resets;
        if (ThrowOnReset)
            throw std::runtime_error("reset broken");
        return ResetAnswer;
    }

    std::string Version;
    std::vector<std::string> CopyLines;
    int CopyAnswer = 1;
    bool PasteAnswer = true;
    int ResetAnswer = 1;
    bool ThrowOnReset = false;
    int Copies = 0;
    int Resets = 0;
    std::vector<std::vector<std::string>> Pasted;
};

} // namespace frametest
