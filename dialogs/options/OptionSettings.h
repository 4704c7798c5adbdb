#pragma once

#include "app/Color.h"

#include <array>
#include <cstdint>
#include <string>

// The options dialog's values in the program's settings file: section "Options", and the
// initialisation template of the device type in section "Initialisierung" (keys through
// InitSetting, so a type number of three digits keeps its own keys).
struct TOptionSettings {
    bool AskOverwrite = true;
    bool NoSysFile = true;
    bool AutoSave = true;
    bool ShowDlgAbfrName = true;
    bool GridAutoSize = true;
    std::int32_t GridColDefSize = 150;
    bool TableAutoCellActivate = true;
    std::int32_t TabelAutoCellActivateRowNumber = 0; // 0-based
    std::int32_t AutoSaveMinuten = 10;                // as stored; the dialog holds it within 1 to 60
    bool ShowGlobalParameterTag = false;
    std::int32_t DlgOptRegKarte = 0;                  // a page number, any other shows "Tabelle"
    std::int32_t Modus = 0;
    std::string InitFileCreate;
    std::string InitFileCreateUser;
};

// The values read, with their defaults for missing keys.
TOptionSettings ReadOptionSettings(const std::string& iniFile, const std::string& typeNumberText);

// The colours and the grid-line width OK stores from the data module; the defaults are those the
// program starts with when the settings file has no such key.
struct TGridLook {
    TColor Common = clBtnShadow;
    TColor Title = clBtnFace;
    TColor Cell = clInfoBk;
    TColor CellReadOnly = clBtnFace;
    std::int32_t GridLines = 1;
};

// The colours and the grid-line width the settings file holds.
TGridLook ReadGridLook(const std::string& iniFile);

// What the settings file held when the dialog opened.
struct TStoredOptions {
    TOptionSettings Settings;
    TGridLook Look;
};

// Writes what OK stores, each key only where its value differs from the stored one (a missing
// key counts as its default), so an unchanged dialog leaves the file as it was. Modus as given;
// InitFileCreate only when writeInitFile; InitFileCreateUser never.
void WriteOptionSettings(const std::string& iniFile, const std::string& typeNumberText, const TOptionSettings& values,
                         const TGridLook& look, bool writeInitFile, const TStoredOptions& stored);
