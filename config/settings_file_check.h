// A look at SysDBAdo.INI before the run, for a clear line on standard error
// when it cannot give the connection settings. The run itself reads the file
// at every connect and shows its dialogs as before; this only says why they
// come.
#pragma once

#include <string>

namespace quelor::config {

// Empty when the file at `path` names a Provider in its [Datenbank] section;
// otherwise a sentence naming the path and what is wrong, e.g. "the settings
// file /x/SysDBAdo.INI does not exist". Missing, a directory, unreadable,
// empty, without a [Datenbank] section, without a Provider key or with an
// empty one are told apart.
std::string SettingsFileProblem(const std::string& path);

}  // namespace quelor::config
