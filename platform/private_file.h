// Files the program writes that may hold what is not for everyone's eyes (the
// statement trace shows every database name and the data sent): created
// readable and writable by their owner only. On POSIX that is mode 0600; a
// Windows build gives this header a private_file_windows.cpp that restricts
// the file's access list to its owner.
#pragma once

#include <memory>
#include <ostream>
#include <string>

namespace quelor::platform {

class PrivateFile {
 public:
  virtual ~PrivateFile() = default;

  // Where to write. Once a write has failed (disk full), the stream is bad and
  // keeps no more.
  virtual std::ostream& stream() = 0;

  // Flushes and closes the file. Empty when everything written reached it;
  // otherwise why not (the first failure), for a message at the end of the run.
  virtual std::string Finish() = 0;
};

// Creates `path`, or empties it when it exists, for the owner only (an
// existing file's wider rights are taken away). Throws std::system_error when
// it cannot be opened.
std::unique_ptr<PrivateFile> CreatePrivateFile(const std::string& path);

}  // namespace quelor::platform
