#pragma once

#include <optional>
#include <string>

#include "update/web_address.h"

// Where the program's web addresses come from on this machine.

namespace vix {

// The vendor's server, or the loopback server that the environment variable
// VIX_UPDATE_SERVER names; nothing when that variable holds anything else.
std::optional<WebAddress> ServerFromEnvironment();

// The computer's network name; empty when the system does not say.
std::wstring ComputerName();

}  // namespace vix
