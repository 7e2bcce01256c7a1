#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <streambuf>
#include <system_error>
#include <vector>

#include "platform/private_file.h"

namespace quelor::platform {
namespace {

// A stream buffer over a file descriptor that remembers the first failed
// write, so a trace cut short by a full disk is not taken for a whole one.
class FileBuffer : public std::streambuf {
 public:
  explicit FileBuffer(int fd) : fd_(fd), buffer_(64 * 1024) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
  }
  FileBuffer(const FileBuffer&) = delete;
  FileBuffer& operator=(const FileBuffer&) = delete;
  ~FileBuffer() override { Close(); }

  std::string Close() {
    if (fd_ >= 0) {
      WriteOut();
      if (::close(fd_) != 0) Fail(errno);
      fd_ = -1;
    }
    return failure_;
  }

 protected:
  int_type overflow(int_type c) override {
    if (!WriteOut()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }

  int sync() override { return WriteOut() ? 0 : -1; }

 private:
  bool WriteOut() {
    const char* data = pbase();
    std::size_t left = static_cast<std::size_t>(pptr() - pbase());
    while (left > 0 && failure_.empty() && fd_ >= 0) {
      const ssize_t written = ::write(fd_, data, left);
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) {
        Fail(written < 0 ? errno : EIO);
        break;
      }
      data += written;
      left -= static_cast<std::size_t>(written);
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return failure_.empty();
  }

  void Fail(int error) {
    if (failure_.empty()) failure_ = std::strerror(error);
  }

  int fd_;
  std::vector<char> buffer_;
  std::string failure_;
};

class PosixPrivateFile : public PrivateFile {
 public:
  explicit PosixPrivateFile(int fd) : buffer_(fd), stream_(&buffer_) {}

  std::ostream& stream() override { return stream_; }

  std::string Finish() override {
    stream_.flush();
    return buffer_.Close();
  }

 private:
  FileBuffer buffer_;
  std::ostream stream_;
};

}  // namespace

std::unique_ptr<PrivateFile> CreatePrivateFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) throw std::system_error(errno, std::generic_category(), path);
  // The mode of open() applies to a new file only. A regular file that was
  // there before loses what others could do with it; a device (/dev/null) is
  // left as it is.
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & 0077) != 0 &&
      ::fchmod(fd, 0600) != 0) {
    const int error = errno;
    ::close(fd);
    throw std::system_error(error, std::generic_category(), path);
  }
  return std::make_unique<PosixPrivateFile>(fd);
}

}  // namespace quelor::platform
