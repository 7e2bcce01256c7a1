// The demo server: the system database Quelor, two club databases and one
// temporary database, all as the release before 11 leaves them, with sample
// data. It is what `quelor-update --demo` migrates when no snapshot is given.
#pragma once

#include <string>
#include <string_view>

#include "sim/catalog/schema.h"

namespace quelor::sim {

// The login the demo server accepts, and the settings file the demo reads in
// place of SysDBAdo.INI.
inline constexpr std::string_view kDemoUser = "quelor";
inline constexpr std::string_view kDemoPassword = "demo";
std::string DemoIniText();

// Creates the four demo databases in `server`. The demo login is the
// caller's to add, for a server built here as for one loaded from a snapshot.
// Throws std::runtime_error naming the script, batch and server message when
// a fixture batch fails.
void BuildDemoServer(Server& server);

}  // namespace quelor::sim
