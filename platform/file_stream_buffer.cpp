#include "platform/file_stream_buffer.h"

namespace quelor::platform {

FileStreamBuffer::FileStreamBuffer() : buffer_(64 * 1024) {
  setp(buffer_.data(), buffer_.data() + buffer_.size());
}

std::string FileStreamBuffer::Close() {
  if (open_) {
    WriteOut();
    open_ = false;
    std::string failure = CloseFile();
    if (failure_.empty()) failure_ = std::move(failure);
  }
  return failure_;
}

FileStreamBuffer::int_type FileStreamBuffer::overflow(int_type c) {
  if (!WriteOut()) return traits_type::eof();
  if (!traits_type::eq_int_type(c, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
  }
  return traits_type::not_eof(c);
}

int FileStreamBuffer::sync() { return WriteOut() ? 0 : -1; }

bool FileStreamBuffer::WriteOut() {
  const char* data = pbase();
  std::size_t left = static_cast<std::size_t>(pptr() - pbase());
  while (left > 0 && failure_.empty() && open_) {
    std::string failure;
    const std::size_t written = WriteSome(data, left, failure);
    if (written == 0) {
      failure_ = failure.empty() ? "nothing could be written" : failure;
      break;
    }
    data += written;
    left -= written;
  }
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return failure_.empty();
}

}  // namespace quelor::platform
