#pragma once

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

    // The data module alive now (the latest made, while it lives), or null.
    static TDataModuleServices* Current();

protected:
    TDataModuleServices();
    ~TDataModuleServices();
};
