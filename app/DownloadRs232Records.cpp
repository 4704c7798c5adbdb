#include "app/DownloadRs232Records.h"

#include "app/DataModule.h"

#include <algorithm>
#include <cstring>

namespace {

// Copies at most size - 1 bytes of the text; the rest of the field is zero.
template <std::size_t size>
void CopyText(char (&field)[size], const std::string& text)
{
    std::memset(field, 0, size);
    std::memcpy(field, text.data(), std::min(text.size(), size - 1));
}

} // namespace

tagDownloadRs232Options MakeDownloadRs232Options(const TDM& dm)
{
    tagDownloadRs232Options options{};
    options.ComPort = dm.Rs232ComPort;
    options.Baud = dm.Rs232Baud;
    options.LineSetting = dm.Rs232LineSetting;
    options.ContinueMode = dm.fRs232ContinueMode;
    options.AskForConnection = dm.fRs232AskForConnection;
    options.Sound = dm.fRs232Sound;
    options.DownloadMode = dm.Rs232DownloadMode;
    return options;
}

void TakeDownloadRs232Options(const tagDownloadRs232Options& options, TDM& dm)
{
    dm.Rs232ComPort = options.ComPort;
    dm.Rs232Baud = options.Baud;
    dm.Rs232LineSetting = options.LineSetting;
    dm.fRs232ContinueMode = options.ContinueMode;
    dm.fRs232AskForConnection = options.AskForConnection;
    dm.fRs232Sound = options.Sound;
    dm.Rs232DownloadMode = options.DownloadMode;
}

tagDownloadRs232Texts MakeDownloadRs232Texts(const std::string& physAddr, const std::string& deviceName)
{
    tagDownloadRs232Texts texts{};
    CopyText(texts.PhysAddr, physAddr);
    CopyText(texts.Text, DOWNLOADRS232_TEXT);
    CopyText(texts.DeviceName, deviceName);
    CopyText(texts.Extra, std::string());
    return texts;
}
