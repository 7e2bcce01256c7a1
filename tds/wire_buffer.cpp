#include "tds/wire_buffer.h"

#include "tds/utf16.h"

namespace quelor::tds {

void WireReader::Require(std::size_t count) const {
  if (count > size_ - position_) throw ProtocolError("the message ends early");
}

void WireReader::Seek(std::size_t position) {
  if (position > size_) throw ProtocolError("an offset points past the end of the message");
  position_ = position;
}

void WireReader::Skip(std::size_t count) {
  Require(count);
  position_ += count;
}

std::uint8_t WireReader::U8() {
  Require(1);
  return data_[position_++];
}

std::uint16_t WireReader::U16Le() {
  Require(2);
  std::uint16_t value = static_cast<std::uint16_t>(data_[position_] | (data_[position_ + 1] << 8));
  position_ += 2;
  return value;
}

std::uint16_t WireReader::U16Be() {
  Require(2);
  std::uint16_t value = static_cast<std::uint16_t>((data_[position_] << 8) | data_[position_ + 1]);
  position_ += 2;
  return value;
}

std::uint32_t WireReader::U32Le() {
  Require(4);
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | data_[position_ + static_cast<std::size_t>(i)];
  position_ += 4;
  return value;
}

std::uint32_t WireReader::U32Be() {
  Require(4);
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value = (value << 8) | data_[position_ + static_cast<std::size_t>(i)];
  position_ += 4;
  return value;
}

Bytes WireReader::Take(std::size_t count) {
  Require(count);
  Bytes taken(data_ + position_, data_ + position_ + count);
  position_ += count;
  return taken;
}

void WireWriter::U16Le(std::uint16_t value) {
  bytes_.push_back(static_cast<std::uint8_t>(value));
  bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
}

void WireWriter::U16Be(std::uint16_t value) {
  bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
  bytes_.push_back(static_cast<std::uint8_t>(value));
}

void WireWriter::U32Le(std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void WireWriter::U32Be(std::uint32_t value) {
  for (int i = 3; i >= 0; --i) bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void WireWriter::U64Le(std::uint64_t value) {
  for (int i = 0; i < 8; ++i) bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void WireWriter::PatchU16Le(std::size_t at, std::uint16_t value) {
  bytes_.at(at) = static_cast<std::uint8_t>(value);
  bytes_.at(at + 1) = static_cast<std::uint8_t>(value >> 8);
}

void WireWriter::BVarChar(std::string_view utf8) {
  Bytes units = Utf16LeFromUtf8(utf8);
  // A B_VARCHAR holds at most 255 characters: longer names are cut.
  if (units.size() > 510) units.resize(510);
  U8(static_cast<std::uint8_t>(units.size() / 2));
  Append(units);
}

void WireWriter::UsVarChar(std::string_view utf8) {
  Bytes units = Utf16LeFromUtf8(utf8);
  // Kept well inside the 16-bit length of the token around it.
  if (units.size() > 60000) units.resize(60000);
  U16Le(static_cast<std::uint16_t>(units.size() / 2));
  Append(units);
}

}  // namespace quelor::tds
