// A current bank code directory that the user placed beside the executable,
// to be loaded instead of the one compiled into the program.
#pragma once

#include <optional>
#include <string>

namespace quelor::platform {

// The name under which the central bank offers the directory for download.
inline constexpr char kBankCodeDirectoryFileName[] = "blz-aktuell-txt-data.txt";

// The bytes of kBankCodeDirectoryFileName in `directory` (a path ending in a
// separator, or empty for the working directory), unchanged; nullopt when
// there is no such file. A file that exists but cannot be read is an error
// (std::runtime_error naming the path): the user meant it to be used.
std::optional<std::string> ReadBankCodeDirectoryFile(const std::string& directory);

// ReadBankCodeDirectoryFile in the executable's directory.
std::optional<std::string> ReadBankCodeDirectoryBesideExecutable();

}  // namespace quelor::platform
