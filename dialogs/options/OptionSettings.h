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
    std::int32_t AutoSaveMinuten = 10;                // held within 1 to 60
    bool ShowGlobalParameterTag = false;
    std::int32_t DlgOptRegKarte = 0;                  // a page number, any other shows "Tabelle"
    std::int32_t Modus = 0;
    std::string InitFileCreate;
    std::string InitFileCreateUser;
};

// The values read, with their defaults for missing keys; AutoSaveMinuten is clamped.
TOptionSettings ReadOptionSettings(const std::string& iniFile, const std::string& typeNumberText);

// The colours and the grid-line width OK stores from the data module.
struct TGridLook {
    TColor Common = 0;
    TColor Title = 0;
    TColor Cell = 0;
    TColor CellReadOnly = 0;
    std::int32_t GridLines = 0;
};

// Writes everything OK stores; Modus as given and InitFileCreate only when writeInitFile
// (InitFileCreateUser is never written).
void WriteOptionSettings(const std::string& iniFile, const std::string& typeNumberText, const TOptionSettings& values,
                         const TGridLook& look, bool writeInitFile);
