#pragma once

#include "outside/seriallink/SerialLinkRecords.h"

#include <QDialog>

// Shows which device is being programmed while the transfer runs; opened without waiting and
// closed by the library when the transfer ended.
class TDlgDownloadRs232Progress final : public QDialog {
public:
    explicit TDlgDownloadRs232Progress(const tagDownloadRs232Texts& texts, QWidget* parent = nullptr);
};
