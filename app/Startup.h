#pragma once

#include "app/FormMain.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TDM;

// What the program is made of: the data module (none: TDM) and the main window's factories.
struct TProgramFactories {
    std::function<std::unique_ptr<TDM>()> DataModule;
    TFormMain::TFactories MainWindow;
};

// The program on a running application object: the data module, the main window and the first
// configuration window, in this order, then the message loop until the main window has closed
// itself. A failure on the way is shown with the time stamp of its moment in front; the answer
// is 0 either way.
int RunProgram(const std::vector<std::string>& arguments, const TProgramFactories& factories = {});
