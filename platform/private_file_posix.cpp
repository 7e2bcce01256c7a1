#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#include "platform/file_stream_buffer.h"
#include "platform/private_file.h"

namespace quelor::platform {
namespace {

class FdBuffer : public FileStreamBuffer {
 public:
  explicit FdBuffer(int fd) : fd_(fd) {}
  ~FdBuffer() override { Close(); }

 protected:
  std::size_t WriteSome(const char* data, std::size_t size, std::string& failure) override {
    for (;;) {
      const ssize_t written = ::write(fd_, data, size);
      if (written < 0 && errno == EINTR) continue;
      if (written > 0) return static_cast<std::size_t>(written);
      failure = std::strerror(written < 0 ? errno : EIO);
      return 0;
    }
  }

  std::string CloseFile() override {
    return ::close(fd_) == 0 ? std::string() : std::string(std::strerror(errno));
  }

 private:
  int fd_;
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
  FdBuffer buffer_;
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
