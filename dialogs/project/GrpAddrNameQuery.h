#pragma once

#include <functional>
#include <string>

// Asks for the name of a group address about to be created; true with the name (which may be
// empty) when the user confirmed.
using TGrpAddrNameQuery = std::function<bool(std::string& name)>;

// The input query "Gruppenadresse anlegen" without owner, an empty name allowed.
bool AskGrpAddrName(std::string& name);
