// sp_executesql calls as the ODBC driver sends them, built by hand: every
// parameter type read into a literal, and the batch that runs them.
#include "tds/rpc_request.h"

#include <gtest/gtest.h>

#include "tds/utf16.h"

namespace quelor::tds {
namespace {

class RpcBuilder {
 public:
  RpcBuilder() {
    // ALL_HEADERS with one transaction descriptor header, then sp_executesql by number.
    bytes_ = {0x16, 0, 0, 0, 0x12, 0, 0, 0, 0x02, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x01, 0, 0, 0, 0xFF, 0xFF, 0x0A, 0x00, 0x00, 0x00};
  }
  RpcBuilder& Parameter(const std::string& name, const Bytes& type_and_value) {
    const Bytes units = Utf16LeFromUtf8(name);
    bytes_.push_back(static_cast<std::uint8_t>(units.size() / 2));
    bytes_.insert(bytes_.end(), units.begin(), units.end());
    bytes_.push_back(0);  // status: input
    bytes_.insert(bytes_.end(), type_and_value.begin(), type_and_value.end());
    return *this;
  }
  RpcBuilder& Text(const std::string& name, const std::string& text) {
    const Bytes units = Utf16LeFromUtf8(text);
    Bytes value = {0xE7, 0x40, 0x1F, 0x09, 0x04, 0xD0, 0x00, 0x34, static_cast<std::uint8_t>(units.size()),
                   static_cast<std::uint8_t>(units.size() >> 8)};
    value.insert(value.end(), units.begin(), units.end());
    return Parameter(name, value);
  }
  const Bytes& bytes() const { return bytes_; }

 private:
  Bytes bytes_;
};

TEST(TdsRpc, ExecuteSqlDeclaresEveryParameterWithItsValue) {
  const Bytes plp_text = {0xE7, 0xFF, 0xFF, 0x09, 0x04, 0xD0, 0x00, 0x34,  // nvarchar(max)
                          4, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0xC4, 0x00, 2, 0, 0, 0, 0xAC, 0x20, 0, 0, 0, 0};
  const RpcBuilder call = RpcBuilder()
      .Text("@stmt", "INSERT INTO T VALUES (@P1, @P2, @P3, @P4, @P5, @P6, @P7, @P8, @P9)")
      .Text("@params", "@P1 int,@P2 numeric(10,2),@P3 datetime,@P4 uniqueidentifier,@P5 nvarchar(10),"
                       "@P6 bigint,@P7 float,@P8 nvarchar(max),@P9 money")
      .Parameter("@P1", {0x26, 4, 4, 0xFB, 0xFF, 0xFF, 0xFF})
      .Parameter("@P2", {0x6C, 5, 10, 2, 5, 0x00, 0xE2, 0x04, 0x00, 0x00})
      .Parameter("@P3", {0x6F, 8, 8, 0x6B, 0xA1, 0x00, 0x00, 0x88, 0xA3, 0xE2, 0x00})
      .Parameter("@P4", {0x24, 16, 16, 0x99, 0xBC, 0xEE, 0xA0, 0x0B, 0x9C, 0xF8, 0x4E, 0xBB, 0x6D, 0x6B, 0xB9, 0xBD, 0x38,
                         0x0A, 0x11})
      .Text("@P5", "O'Brien")
      .Parameter("@P6", {0x26, 8, 0})
      .Parameter("@P7", {0x6D, 8, 8, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F})
      .Parameter("@P8", plp_text)
      .Parameter("@P9", {0x6E, 8, 8, 0xFF, 0xFF, 0xFF, 0xFF, 0x1C, 0xF0, 0xFF, 0xFF});
  const RpcRequest request = ParseRpc(call.bytes());
  EXPECT_EQ(request.procedure, "sp_executesql");
  EXPECT_EQ(ExecuteSqlBatch(request),
            "DECLARE @P1 int = -5, @P2 numeric(10,2) = -12.50, @P3 datetime = '2013-02-20T13:45:10.000', "
            "@P4 uniqueidentifier = 'A0EEBC99-9C0B-4EF8-BB6D-6BB9BD380A11', @P5 nvarchar(10) = N'O''Brien', "
            "@P6 bigint = NULL, @P7 float = 1.5e+00, @P8 nvarchar(max) = N'Ä€', @P9 money = -0.4068\n"
            "INSERT INTO T VALUES (@P1, @P2, @P3, @P4, @P5, @P6, @P7, @P8, @P9)");

  // Every cut of the call is refused as malformed, never read past its end.
  for (std::size_t size = 23; size < call.bytes().size(); ++size) {
    const Bytes cut(call.bytes().begin(), call.bytes().begin() + static_cast<std::ptrdiff_t>(size));
    try {
      ExecuteSqlBatch(ParseRpc(cut));
    } catch (const ProtocolError&) {
    } catch (const Unsupported&) {
    }
  }
}

TEST(TdsRpc, WhatTheServerDoesNotRunIsNamed) {
  struct Case {
    Bytes call;
    const char* refusal;
  };
  const std::vector<Case> cases = {
      {{0xFF, 0xFF, 0x0B, 0x00, 0x00, 0x00}, "the procedure sp_prepare"},
      {RpcBuilder().Text("@stmt", "SELECT @P1").Text("@params", "@P1 int OUTPUT").Parameter("@P1", {0x26, 4, 0}).bytes(),
       "OUTPUT parameters"},
      {RpcBuilder().Text("@stmt", "SELECT @P1").Text("@params", "@P1 xml").Parameter("@P1", {0xF1, 0}).bytes(),
       "parameters of TDS type 0xF1"},
      {RpcBuilder().Text("@stmt", "SELECT @P1").Text("@params", "@P1 int, @P2 int").Parameter("@P1", {0x26, 4, 0}).bytes(),
       "sp_executesql with 2 declared parameters and 1 values"},
  };
  for (const Case& test : cases) {
    try {
      ExecuteSqlBatch(ParseRpc(test.call));
      ADD_FAILURE() << test.refusal << ": ran";
    } catch (const Unsupported& refusal) {
      EXPECT_STREQ(refusal.what(), test.refusal);
    }
  }
}

}  // namespace
}  // namespace quelor::tds
