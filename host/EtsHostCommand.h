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
//   bus [--db FILE] [ADDR [--get OUT]]               lists the devices on the project's bus,
//                                                    shows one, or writes its image to OUT
//   sim [--db FILE] [OPERATION=OUTCOME…]             forces outcomes on the bus's operations
//                                                    and shows them all
// The init puts every device of the demo project on the bus at its address.
int RunEtsHost(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace host
