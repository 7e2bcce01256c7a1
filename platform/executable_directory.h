// The directory of the running executable, where SysDBAdo.INI is looked for.
#pragma once

#include <string>

namespace quelor::platform {

// The executable's full path up to and including the last path separator.
// Empty when the operating system does not tell (the file is then looked for
// in the working directory).
std::string ExecutableDirectory();

}  // namespace quelor::platform
