#pragma once

class QApplication;

namespace platform {

// One look on every machine, for the tests and their screenshots: the Fusion style, the fixed
// palette of the system colours and DejaVu Sans.
void ApplyFixedLook(QApplication& application);

} // namespace platform
