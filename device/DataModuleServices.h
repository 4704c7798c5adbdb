#pragma once

#include <cstdint>
#include <string>

// The data module as the device model sees it. The one data module of the program derives from
// it and is the current one for its lifetime; the model asks Current() and copes with none.
class TDataModuleServices {
public:
    TDataModuleServices(const TDataModuleServices&) = delete;
    TDataModuleServices& operator=(const TDataModuleServices&) = delete;

    // The full path of the program file.
    virtual void GetLongExeName(std::string& out) const = 0;
    // The program's settings file.
    virtual std::string GetIniFileName() const = 0;
    // The folder of the blob files, ending with "/".
    virtual std::string GetBlobFileDir() const = 0;
    // The full paths of the character-set file and of the device-text file.
    virtual std::string GetCharSetFileName() const = 0;
    virtual std::string GetDeviceTextFileName() const = 0;
    // Sets the auto-save interval and runs the timer when start is set and auto-save is on.
    virtual void StartTimerAutoSave(bool start) = 0;
    // The project's group-address levels as the host's settings give them: 3 = main/middle/sub,
    // 2 = main/sub.
    virtual int GetGrpAdrLevel() const { return 3; }
    // The program's file version; empty when it has none.
    virtual void GetSwVersion(std::string& out) const { out.clear(); }

    // Shared with the device model while a device is edited (Windows-1252 texts).
    // The version of the program that created the edited device's data, and when.
    std::string SwCreatedVersion = "unknown";
    std::string SwCreatedDate = "unknown";
    // The edited device's data block had the global-parameter section.
    bool fGlobalParamSection = false;
    // The version check converted data of the predecessor program.
    bool fDatenKonvertiert = false;
    // The language of the device text in use.
    std::int32_t DeviceTextLcid = 0;

    // The data module alive now (the latest made, while it lives), or null.
    static TDataModuleServices* Current();

protected:
    TDataModuleServices();
    ~TDataModuleServices();
};
