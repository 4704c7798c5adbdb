#pragma once

#include <cstddef>
#include <cstdint>

// The records and entries of the serial-download library, shared by the library and the program
// that loads it by name. The records are plain C structures with fixed offsets; the entries are
// plain C functions exported under their names with the leading underscore.

extern "C" {

// The serial line and the download's options (20 bytes, little-endian). Bytes 0 to 11 are the
// line record of the target system.
struct tagDownloadRs232Options {
    std::uint16_t ComPort;
    std::uint8_t Reserved1[2];
    std::uint32_t Baud;
    std::int16_t LineSetting;
    std::uint8_t Reserved2[2];
    bool ContinueMode;
    bool AskForConnection;
    bool Sound;
    std::uint8_t Reserved3;
    std::int16_t DownloadMode;
    std::uint8_t Reserved4[2];
};

// What the connection, progress and status dialogs show of the device (163 bytes): four
// zero-terminated 8-bit texts (code page 1252); the bytes after a terminator are not used.
struct tagDownloadRs232Texts {
    char PhysAddr[10];
    char Text[51];
    char DeviceName[51];
    char Extra[51];
};

// The options dialog: 1 when the user confirmed; the record then holds the new values.
std::int32_t _ShowDownloadRs232Options(void* mainWindow, tagDownloadRs232Options* options);
// Asks the user to connect the device: 2 when the user cancelled.
std::int32_t _ShowDownloadRs232ConnectDevice(void* mainWindow, tagDownloadRs232Texts texts, std::int32_t flag);
// Opens the progress dialog of the transfer and answers it; it stays open until closed.
void* _ShowDownloadRs232ProgressDialog(void* mainWindow, tagDownloadRs232Texts texts);
// The result of one transfer (1 success, 0 failure) with its text: the button the user chose;
// 1 or 6 ask for another device in continue mode.
std::int32_t _ShowDownloadRs232StatusMessage(std::int32_t result, const char* text, std::int32_t flag1,
                                             std::int32_t flag2, std::int32_t continueMode, std::int32_t sound);
// Closes the progress dialog; nothing when none is open.
void _CloseDownloadRs232ProgressDialog();

} // extern "C"

static_assert(sizeof(tagDownloadRs232Options) == 20);
static_assert(offsetof(tagDownloadRs232Options, ComPort) == 0);
static_assert(offsetof(tagDownloadRs232Options, Baud) == 4);
static_assert(offsetof(tagDownloadRs232Options, LineSetting) == 8);
static_assert(offsetof(tagDownloadRs232Options, ContinueMode) == 12);
static_assert(offsetof(tagDownloadRs232Options, AskForConnection) == 13);
static_assert(offsetof(tagDownloadRs232Options, Sound) == 14);
static_assert(offsetof(tagDownloadRs232Options, DownloadMode) == 16);

static_assert(sizeof(tagDownloadRs232Texts) == 163);
static_assert(offsetof(tagDownloadRs232Texts, PhysAddr) == 0);
static_assert(offsetof(tagDownloadRs232Texts, Text) == 10);
static_assert(offsetof(tagDownloadRs232Texts, DeviceName) == 61);
static_assert(offsetof(tagDownloadRs232Texts, Extra) == 112);

namespace seriallink {

// The names under which the entries are looked up.
inline constexpr char EntryShowOptions[] = "_ShowDownloadRs232Options";
inline constexpr char EntryShowConnectDevice[] = "_ShowDownloadRs232ConnectDevice";
inline constexpr char EntryShowProgressDialog[] = "_ShowDownloadRs232ProgressDialog";
inline constexpr char EntryShowStatusMessage[] = "_ShowDownloadRs232StatusMessage";
inline constexpr char EntryCloseProgressDialog[] = "_CloseDownloadRs232ProgressDialog";

using TShowOptions = decltype(&_ShowDownloadRs232Options);
using TShowConnectDevice = decltype(&_ShowDownloadRs232ConnectDevice);
using TShowProgressDialog = decltype(&_ShowDownloadRs232ProgressDialog);
using TShowStatusMessage = decltype(&_ShowDownloadRs232StatusMessage);
using TCloseProgressDialog = decltype(&_CloseDownloadRs232ProgressDialog);

// The environment variable that names the answers file (SerialLinkAnswers.h).
inline constexpr char AnswersVariable[] = "SERIALLINK_ANSWERS";

} // namespace seriallink
