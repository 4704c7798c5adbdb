#pragma once

#include "outside/seriallink/SerialLinkRecords.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QSpinBox;

// The options of the serial download: port, baud rate, line setting, download mode and the three
// switches of the road.
class TDlgDownloadRs232Options final : public QDialog {
public:
    explicit TDlgDownloadRs232Options(QWidget* parent = nullptr);

    void SetOptions(const tagDownloadRs232Options& options);
    // The record with the values the dialog shows; what it does not show stays as it was set.
    tagDownloadRs232Options Options() const;

private:
    tagDownloadRs232Options given_{};
    QSpinBox* port_ = nullptr;
    QComboBox* baud_ = nullptr;
    QSpinBox* line_ = nullptr;
    QComboBox* mode_ = nullptr;
    QCheckBox* continue_ = nullptr;
    QCheckBox* ask_ = nullptr;
    QCheckBox* sound_ = nullptr;
};
