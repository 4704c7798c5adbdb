#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace host {

// Exit codes of etshost.
enum : int { ExitOk = 0, ExitFailed = 1, ExitUsage = 2 };

// Runs one etshost command line (without the program name):
//   init --db FILE                                  creates the demo project with the product's
//                                                   parameters and objects; never overwrites
//   dump --db FILE device ID                         prints a device
//   blob --db FILE --device ID --get OUT | --put IN  reads or replaces a device's data block
//   edit, event, run                                 drive an editor (SessionCommands.h)
int RunEtsHost(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace host
