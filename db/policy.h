// What a catalogue step does when its statement fails.
#pragma once

#include <string_view>

namespace quelor::db {

enum class Policy {
  kIgnored,    // dropped silently; the run goes on
  kWarning,    // warning dialog ("Warnung") with the server's text; the run goes on
  kError,      // error dialog ("Fehler") with the server's text; the run goes on
  kMessage,    // plain message box with the server's text; the run goes on
  kUnguarded,  // not caught: ends the whole run with the stop box
};

std::string_view PolicyName(Policy policy);

}  // namespace quelor::db
