// RPC messages built by hand as the ODBC driver and other clients send
// them: ALL_HEADERS, then one or more calls, by name or by the number of a
// special procedure, each with its parameters.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "tds/utf16.h"
#include "tds/wire_buffer.h"

namespace quelor::tds {

class RpcBuilder {
 public:
  // A call of the special procedure `id`, sp_executesql by default.
  explicit RpcBuilder(std::uint16_t id = 10) : bytes_(kHeaders) { Procedure(id); }
  explicit RpcBuilder(const std::string& procedure) : bytes_(kHeaders) { Procedure(procedure); }
  // Ends the call with `separator` and starts the next.
  template <typename Name>
  RpcBuilder& NextCall(const Name& procedure, std::uint8_t separator = 0xFF) {
    bytes_.push_back(separator);
    Procedure(procedure);
    return *this;
  }
  RpcBuilder& Parameter(const std::string& name, const Bytes& type_and_value, bool output = false) {
    const Bytes units = Utf16LeFromUtf8(name);
    bytes_.push_back(static_cast<std::uint8_t>(units.size() / 2));
    bytes_.insert(bytes_.end(), units.begin(), units.end());
    bytes_.push_back(output ? 0x01 : 0x00);
    bytes_.insert(bytes_.end(), type_and_value.begin(), type_and_value.end());
    return *this;
  }
  // nvarchar(4000), or NULL for nullopt.
  RpcBuilder& Text(const std::string& name, const std::optional<std::string>& text) {
    const Bytes units = Utf16LeFromUtf8(text.value_or(""));
    const std::size_t size = text ? units.size() : 0xFFFF;
    Bytes value = {0xE7,
                   0x40,
                   0x1F,
                   0x09,
                   0x04,
                   0xD0,
                   0x00,
                   0x34,
                   static_cast<std::uint8_t>(size),
                   static_cast<std::uint8_t>(size >> 8)};
    value.insert(value.end(), units.begin(), units.end());
    return Parameter(name, value);
  }
  // INTN(4), or NULL for nullopt.
  RpcBuilder& Int(const std::string& name, std::optional<std::int32_t> value, bool output = false) {
    Bytes bytes = {0x26, 4, static_cast<std::uint8_t>(value ? 4 : 0)};
    for (int shift = 0; value && shift < 32; shift += 8)
      bytes.push_back(static_cast<std::uint8_t>(*value >> shift));
    return Parameter(name, bytes, output);
  }
  const Bytes& bytes() const { return bytes_; }

 private:
  void Procedure(std::uint16_t id) {
    bytes_.insert(bytes_.end(), {0xFF, 0xFF, static_cast<std::uint8_t>(id),
                                 static_cast<std::uint8_t>(id >> 8), 0, 0});
  }
  void Procedure(const std::string& name) {
    const Bytes units = Utf16LeFromUtf8(name);
    bytes_.push_back(static_cast<std::uint8_t>(units.size() / 2));
    bytes_.push_back(0);
    bytes_.insert(bytes_.end(), units.begin(), units.end());
    bytes_.insert(bytes_.end(), {0, 0});
  }

  // ALL_HEADERS with one transaction descriptor header.
  inline static const Bytes kHeaders = {0x16, 0, 0, 0, 0x12, 0, 0, 0,    0x02, 0, 0,
                                        0,    0, 0, 0, 0,    0, 0, 0x01, 0,    0, 0};
  Bytes bytes_;
};

}  // namespace quelor::tds
