#pragma once

#include "outside/hostlink/HostProtocol.h"

#include <QJsonValue>

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace host {

// An argument of an event as given on etshost's command line ("key=value"), checked against its
// kind: the value for the event's message, or the reason it is refused, naming the argument.
struct TCheckedArgument {
    std::optional<QJsonValue> Value;
    std::string Refusal;
};

// Integers in decimal (addresses also as area.line.device) within the kind's range, bytes as
// at most twelve hex pairs, texts as they stand.
TCheckedArgument CheckArgument(const hostlink::TEventArgument& argument, const std::string& text);

// A host id given on the command line (1 to 2^31-1); the refusal names the argument.
std::optional<std::int32_t> HostId(const std::string& name, const std::string& text, std::string& refusal);

} // namespace host
