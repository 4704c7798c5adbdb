#pragma once

#include <string>

namespace host {

// The host's ini file of the demo (the host folder + the ini name of the host information +
// ".ini") with the sections the editor's options read: the firmware files by id, the device
// texts by LCID, the code page of every LCID and the character sets by code page. The files
// themselves lie in the editor's data folder. An existing file is left as it is; false when it
// could not be written.
bool WriteDemoHostIni(const std::string& hostFolder);

} // namespace host
