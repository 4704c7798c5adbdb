#pragma once

#include <functional>

class QWidget;
class TDataBasis;
class TDeviceInstanz;
class TDlgLinkToGrpAddr;

// Shows the link dialog modally; its result.
using TShowDlgLinkToGrpAddr = std::function<int(TDlgLinkToGrpAddr&)>;

// Links the selected communication object (type 806 or 807) to a group address the user types,
// the next free one proposed: the link dialog, then the device model's LinkObjectToGrpAddr on 1.
// Nothing without a device model or for another object; nothing at a level other than 3 or 2.
void CreateDlgLinkToGrpAddr(QWidget* owner, TDeviceInstanz* device, TDataBasis* object,
                            const TShowDlgLinkToGrpAddr& show);
