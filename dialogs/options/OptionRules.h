#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The rules of the options dialog's fields that need no widget.

// The initialisation modes the dialog offers (the values of TEnumInitModus): no template, ask the
// user, the file given.
inline constexpr std::int32_t imKeine = 0;
inline constexpr std::int32_t imBenutzerFragen = 1;
inline constexpr std::int32_t imDatei = 2;

// The page numbers the settings file keeps: 0 "Tabelle", 1 "Optionen", 2 "Hardware".
inline constexpr int PageTabelle = 0;
inline constexpr int PageOptionen = 1;
inline constexpr int PageHardware = 2;
// The page shown first for a stored number: any other than 0, 1, 2 gives "Tabelle".
int PageFromStored(std::int32_t stored);

// The up-down of the auto-save interval holds its position within 1 to 60 minutes.
inline constexpr int AutoSaveMinutesMin = 1;
inline constexpr int AutoSaveMinutesMax = 60;
int ClampAutoSaveMinutes(std::int32_t minutes);

// The leading decimal number of a text, with optional sign and leading blanks; none when the
// text does not start with one.
std::optional<std::int32_t> LeadingNumber(std::string_view text);
// The whole text as a decimal number (blanks around it allowed); none otherwise.
std::optional<std::int32_t> WholeNumber(std::string_view text);

// The 1-based row of the automatic cell activation as its field shows it after leaving it:
// the number typed, 1 when there is none or it is below 1.
std::int32_t AutoCellRowFromText(std::string_view text);
// The column width the field's text gives; none (the width held on entering stays) for a text
// that is no number above 0.
std::optional<std::int32_t> ColumnWidthFromText(std::string_view text);

// The device-flag check boxes of the hardware page: "alles übertragen" shows flag 1, the two
// "beibehalten" boxes show flags 2 and 3 inverted.
struct TFlagBoxes {
    bool AllTransfer = false;
    bool KeepUserParameter = false;
    bool KeepScenesParameter = false;
    bool operator==(const TFlagBoxes&) const = default;
};
struct TShownFlags {
    bool DownloadAll = false;      // flag 1
    bool UserDeviceParam = false;  // flag 2
    bool Szenenfunktion = false;   // flag 3
    bool operator==(const TShownFlags&) const = default;
};
TFlagBoxes BoxesFromFlags(const TShownFlags& flags);
TShownFlags FlagsFromBoxes(const TFlagBoxes& boxes);

// What OK stores of the initialisation template.
struct TInitDecision {
    std::int32_t Mode = imKeine; // stored under Modus
    bool WriteFile = false;      // the file is stored under InitFileCreate
    bool FileMissing = false;    // the error box is shown
    bool operator==(const TInitDecision&) const = default;
};
TInitDecision DecideInitFile(std::int32_t mode, bool fileExists);
