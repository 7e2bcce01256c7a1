// A stream buffer over an open file that remembers the first failed write, so
// a file cut short by a full disk is not taken for a whole one. The operating
// system's calls are left to a small subclass per platform.
#pragma once

#include <cstddef>
#include <streambuf>
#include <string>
#include <vector>

namespace quelor::platform {

class FileStreamBuffer : public std::streambuf {
 public:
  FileStreamBuffer();
  FileStreamBuffer(const FileStreamBuffer&) = delete;
  FileStreamBuffer& operator=(const FileStreamBuffer&) = delete;

  // Writes out what is buffered and closes the file. Empty when everything
  // reached the file, otherwise the first failure. Subclasses call it from
  // their destructor.
  std::string Close();

 protected:
  // Writes up to `size` bytes; returns how many were written, or 0 and sets
  // `failure` (the system's text) when none could be.
  virtual std::size_t WriteSome(const char* data, std::size_t size, std::string& failure) = 0;
  // Closes the file once; a failure's text, or empty.
  virtual std::string CloseFile() = 0;

  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool WriteOut();

  bool open_ = true;
  std::vector<char> buffer_;
  std::string failure_;
};

}  // namespace quelor::platform
