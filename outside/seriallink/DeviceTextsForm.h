#pragma once

#include "outside/seriallink/SerialLinkRecords.h"

class QWidget;

// The device's texts as the connection and progress dialogs show them: address, the road's
// text, name and, when there is one, the further text, one line each.
QWidget* MakeDeviceTextsForm(const tagDownloadRs232Texts& texts, QWidget* parent);
