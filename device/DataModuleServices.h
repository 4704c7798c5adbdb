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

    // The data module alive now (the latest made, while it lives), or null.
    static TDataModuleServices* Current();

protected:
    TDataModuleServices();
    ~TDataModuleServices();
};
