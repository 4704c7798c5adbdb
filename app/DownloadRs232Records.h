#pragma once

#include "outside/seriallink/SerialLinkRecords.h"

#include <cstdint>
#include <string>

class TDM;

// The fixed text of the serial download's connection texts.
inline constexpr char DOWNLOADRS232_TEXT[] = "Serieller Download";

// The options record from the data module's serial settings; padding zero.
tagDownloadRs232Options MakeDownloadRs232Options(const TDM& dm);
// Copies every field of the record into the data module.
void TakeDownloadRs232Options(const tagDownloadRs232Options& options, TDM& dm);
// The connection texts: the physical address as the host shows it (at most 9 characters), the
// fixed text, the device's name (cut to 50 characters) and an empty text; zero after each.
tagDownloadRs232Texts MakeDownloadRs232Texts(const std::string& physAddr, const std::string& deviceName);

// What the target system's mode asks for: 1 programs the physical address, 2 reads out and
// downloads, 4 downloads only (it clears 1 and sets 2).
struct TDownloadSteps {
    bool ProgramAddress = false;
    bool Download = false;
};
constexpr TDownloadSteps DownloadStepsOf(std::int16_t mode)
{
    TDownloadSteps steps{(mode & 1) != 0, (mode & 2) != 0};
    if ((mode & 4) != 0)
        steps = {false, true};
    return steps;
}
