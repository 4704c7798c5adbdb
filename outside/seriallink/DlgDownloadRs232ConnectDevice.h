#pragma once

#include "outside/seriallink/SerialLinkRecords.h"

#include <QDialog>

// Asks the user to connect the device to the serial line before its transfer; OK goes on,
// Cancel ends the serial download.
class TDlgDownloadRs232ConnectDevice final : public QDialog {
public:
    explicit TDlgDownloadRs232ConnectDevice(const tagDownloadRs232Texts& texts, QWidget* parent = nullptr);
};
