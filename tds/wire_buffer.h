// Bounds-checked reading and writing of the little- and big-endian fields a
// TDS message is made of. Reading past the end throws ProtocolError, so a
// malformed message from a client never reads outside its buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quelor::tds {

using Bytes = std::vector<std::uint8_t>;

// A message that breaks the protocol: the connection is ended.
class ProtocolError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class WireReader {
 public:
  WireReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  explicit WireReader(const Bytes& bytes) : WireReader(bytes.data(), bytes.size()) {}

  std::size_t position() const { return position_; }
  std::size_t remaining() const { return size_ - position_; }
  void Seek(std::size_t position);
  void Skip(std::size_t count);

  std::uint8_t U8();
  std::uint16_t U16Le();
  std::uint16_t U16Be();
  std::uint32_t U32Le();
  std::uint32_t U32Be();
  // `count` bytes from the current position.
  Bytes Take(std::size_t count);

 private:
  void Require(std::size_t count) const;

  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t position_ = 0;
};

class WireWriter {
 public:
  const Bytes& bytes() const { return bytes_; }
  Bytes& bytes() { return bytes_; }
  std::size_t size() const { return bytes_.size(); }

  void U8(std::uint8_t value) { bytes_.push_back(value); }
  void U16Le(std::uint16_t value);
  void U16Be(std::uint16_t value);
  void U32Le(std::uint32_t value);
  void U32Be(std::uint32_t value);
  void U64Le(std::uint64_t value);
  void Append(const Bytes& more) { bytes_.insert(bytes_.end(), more.begin(), more.end()); }
  // Overwrites a 16-bit little-endian field written earlier (a token length).
  void PatchU16Le(std::size_t at, std::uint16_t value);

  // UTF-8 text as UTF-16LE with a one-byte (B_VARCHAR) or two-byte
  // (US_VARCHAR) length in characters in front.
  void BVarChar(std::string_view utf8);
  void UsVarChar(std::string_view utf8);

 private:
  Bytes bytes_;
};

}  // namespace quelor::tds
