#pragma once

#include "outside/progresslib/DlgInfoEx.h"
#include "outside/progresslib/DlgSpracheinstellung.h"

#include <string>

class TDM;

// The information box's record: its texts from the user texts, the data module's module list,
// image folder and version digits, and the program's version.
RecDlgInfoEx MakeRecDlgInfoEx(const TDM& dm);

// The language choice's record: its texts, and the languages of [Sprache] of the settings file
// (Count, then Sprache + i and SprachExt + i), each read value written back so that missing keys
// exist afterwards; an extension listed twice keeps its lower index's name.
RecDlgDprache MakeRecDlgDprache(const std::string& settingsFile);
