#pragma once

#include "outside/hostlink/HostProtocol.h"

#include <QJsonArray>
#include <QString>

#include <optional>

namespace hostlink {

// Why the host's arguments of the event are refused, naming the argument: a missing or extra
// argument, a value of the wrong type, an integer outside its kind's range (never cast, never
// taken as "any"), bytes that are no base64 or too many. None when all fit.
std::optional<QString> RefuseArguments(const TEventSpec& event, const QJsonArray& args);

} // namespace hostlink
