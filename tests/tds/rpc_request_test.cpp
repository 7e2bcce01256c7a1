// RPC calls as the ODBC driver and other clients send them, built by hand:
// every parameter type read into a literal, the batch that runs them, the
// procedures by name and number, and several calls in one message.
#include "tds/rpc_request.h"

#include <gtest/gtest.h>

#include "rpc_builder.h"

namespace quelor::tds {
namespace {

TEST(TdsRpc, ExecuteSqlDeclaresEveryParameterWithItsValue) {
  const Bytes plp_text = {0xE7, 0xFF, 0xFF, 0x09, 0x04, 0xD0, 0x00, 0x34,  // nvarchar(max)
                          4,    0,    0,    0,    0,    0,    0,    0,    2, 0, 0, 0,
                          0xC4, 0x00, 2,    0,    0,    0,    0xAC, 0x20, 0, 0, 0, 0};
  const RpcBuilder call =
      RpcBuilder()
          .Text("@stmt", "INSERT INTO T VALUES (@P1, @P2, @P3, @P4, @P5, @P6, @P7, @P8, @P9)")
          .Text("@params",
                "@P1 int,@P2 numeric(10,2),@P3 datetime,@P4 uniqueidentifier,@P5 nvarchar(10),"
                "@P6 bigint,@P7 float,@P8 nvarchar(max),@P9 money")
          .Parameter("@P1", {0x26, 4, 4, 0xFB, 0xFF, 0xFF, 0xFF})
          .Parameter("@P2", {0x6C, 5, 10, 2, 5, 0x00, 0xE2, 0x04, 0x00, 0x00})
          .Parameter("@P3", {0x6F, 8, 8, 0x6B, 0xA1, 0x00, 0x00, 0x88, 0xA3, 0xE2, 0x00})
          .Parameter("@P4", {0x24, 16, 16, 0x99, 0xBC, 0xEE, 0xA0, 0x0B, 0x9C, 0xF8, 0x4E, 0xBB,
                             0x6D, 0x6B, 0xB9, 0xBD, 0x38, 0x0A, 0x11})
          .Text("@P5", "O'Brien")
          .Parameter("@P6", {0x26, 8, 0})
          .Parameter("@P7", {0x6D, 8, 8, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F})
          .Parameter("@P8", plp_text)
          .Parameter("@P9", {0x6E, 8, 8, 0xFF, 0xFF, 0xFF, 0xFF, 0x1C, 0xF0, 0xFF, 0xFF});
  const RpcRequest request = ParseRpc(call.bytes());
  EXPECT_EQ(request.procedure, "sp_executesql");
  EXPECT_EQ(
      ExecuteSqlBatch(request),
      "DECLARE @P1 int = -5, @P2 numeric(10,2) = -12.50, @P3 datetime = '2013-02-20T13:45:10.000', "
      "@P4 uniqueidentifier = 'A0EEBC99-9C0B-4EF8-BB6D-6BB9BD380A11', @P5 nvarchar(10) = "
      "N'O''Brien', "
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
      {{0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00}, "the procedure sp_cursoropen"},
      {RpcBuilder()
           .Text("@stmt", "SELECT @P1")
           .Text("@params", "@P1 int OUTPUT")
           .Parameter("@P1", {0x26, 4, 0})
           .bytes(),
       "OUTPUT parameters"},
      {RpcBuilder()
           .Text("@stmt", "SELECT @P1")
           .Text("@params", "@P1 xml")
           .Parameter("@P1", {0xF1, 0})
           .bytes(),
       "parameters of TDS type 0xF1"},
      {RpcBuilder()
           .Text("@stmt", "SELECT @P1")
           .Text("@params", "@P1 int, @P2 int")
           .Parameter("@P1", {0x26, 4, 0})
           .bytes(),
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

// The date and time types with their scale, and the others that come in
// fixed and nullable forms. The literal is the exact value; the declaration
// the engine gets is datetime where it lacks the type.
TEST(TdsRpc, DateTimeAndMoneyLiterals) {
  struct Case {
    const char* declared;
    Bytes type_and_value;
    const char* literal;
    const char* for_engine;  // the DECLARE item
  };
  const std::vector<Case> cases = {
      // Without separators, as no date format reorders it.
      {"date", {0x28, 3, 0xC6, 0x36, 0x0B}, "'20130220'", "@P1 date = '20130220'"},
      {"date", {0x28, 3, 0, 0, 0}, "'00010101'", "@P1 date = '00010101'"},
      {"date", {0x28, 3, 0xDA, 0xB9, 0x37}, "'99991231'", "@P1 date = '99991231'"},
      {"date", {0x28, 0}, "NULL", "@P1 date = NULL"},
      {"time(7)",
       {0x29, 7, 5, 0x87, 0x4D, 0x55, 0x46, 0x73},
       "'13:45:10.1234567'",
       "@P1 datetime = '13:45:10.1234567'"},
      {"time(0)", {0x29, 0, 3, 0x66, 0xC1, 0x00}, "'13:45:10'", "@P1 datetime = '13:45:10'"},
      {"datetime2(7)",
       {0x2A, 7, 8, 0x87, 0x4D, 0x55, 0x46, 0x73, 0xC6, 0x36, 0x0B},
       "'2013-02-20T13:45:10.1234567'",
       "@P1 datetime = '2013-02-20T13:45:10.1234567'"},
      {"datetime2(3)",
       {0x2A, 3, 7, 0xEB, 0x76, 0xF3, 0x02, 0xC6, 0x36, 0x0B},
       "'2013-02-20T13:45:10.123'",
       "@P1 datetime = '2013-02-20T13:45:10.123'"},
      {"datetime2", {0x2A, 7, 0}, "NULL", "@P1 datetime = NULL"},
      {"datetimeoffset(7)",
       {0x2B, 7, 10, 0x87, 0xE5, 0x90, 0xE4, 0x6A, 0xC6, 0x36, 0x0B, 0x3C, 0x00},
       "'2013-02-20T13:45:10.1234567+01:00'",
       "@P1 datetime = '2013-02-20T13:45:10.1234567'"},
      // UTC 04:30 on the 20th is 23:30 on the 19th five hours west.
      {"datetimeoffset(0)",
       {0x2B, 0, 8, 0x48, 0x3F, 0x00, 0xC6, 0x36, 0x0B, 0xD4, 0xFE},
       "'2013-02-19T23:30:00-05:00'",
       "@P1 datetime = '2013-02-19T23:30:00'"},
      {"smalldatetime",
       {0x3A, 0x6B, 0xA1, 0x39, 0x03},
       "'2013-02-20T13:45:00.000'",
       "@P1 smalldatetime = '2013-02-20T13:45:00.000'"},
      {"smalldatetime",
       {0x6F, 4, 4, 0x6B, 0xA1, 0x39, 0x03},
       "'2013-02-20T13:45:00.000'",
       "@P1 smalldatetime = '2013-02-20T13:45:00.000'"},
      {"smallmoney", {0x6E, 4, 4, 0x48, 0xE8, 0x01, 0x00}, "12.5000", "@P1 smallmoney = 12.5000"},
      {"money", {0x6E, 8, 0}, "NULL", "@P1 money = NULL"},
  };
  for (const Case& test : cases) {
    const RpcRequest request = ParseRpc(RpcBuilder()
                                            .Text("@stmt", "SELECT @P1")
                                            .Text("@params", std::string("@P1 ") + test.declared)
                                            .Parameter("@P1", test.type_and_value)
                                            .bytes());
    ASSERT_EQ(request.parameters.size(), 3u) << test.declared;
    EXPECT_EQ(request.parameters[2].literal, test.literal) << test.declared;
    EXPECT_EQ(ExecuteSqlBatch(request), std::string("DECLARE ") + test.for_engine + "\nSELECT @P1")
        << test.declared;
  }
  // A scale above 7, a value longer than its scale allows, and values no
  // client can send break the protocol.
  const Bytes decimal_2_127 = {0x6C, 17, 38, 0, 17, 1, 0, 0, 0, 0, 0,
                               0,    0,  0,  0, 0,  0, 0, 0, 0, 0, 0x80};
  const Bytes decimal_10_38 = {0x6C, 17,   38,   0,    17,   1,    0,    0,    0,    0,    0x40,
                               0x22, 0x8A, 0x09, 0x7A, 0xC4, 0x86, 0x5A, 0xA8, 0x4C, 0x3B, 0x4B};
  for (const Bytes& malformed : {
           Bytes{0x2A, 8, 0}, Bytes{0x29, 2, 4, 0, 0, 0, 0}, Bytes{0x28, 2, 0, 0},
           Bytes{0x28, 3, 0xDB, 0xB9, 0x37},                           // date after 9999-12-31
           Bytes{0x2A, 0, 6, 0, 0, 0, 0xDB, 0xB9, 0x37},               // datetime2 likewise
           Bytes{0x2B, 7, 10, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0},  // day 16777215 at scale 7
           Bytes{0x6F, 8, 8, 0x80, 0x24, 0x2D, 0x00, 0, 0, 0, 0},      // datetime after 9999-12-31
           Bytes{0x6F, 8, 8, 0, 0, 0, 0, 0x00, 0x82, 0x8B, 0x01},      // 300 * 86400 ticks
           Bytes{0x6F, 4, 4, 0, 0, 0xA0, 0x05},                        // smalldatetime minute 1440
           Bytes{0x6D, 8, 8, 0, 0, 0, 0, 0, 0, 0xF8, 0x7F},            // float NaN
           decimal_2_127,                                              // turns the sign
           decimal_10_38,                                              // 39 digits
       }) {
    EXPECT_THROW(ParseRpc(RpcBuilder()
                              .Text("@stmt", "SELECT @P1")
                              .Text("@params", "@P1 date")
                              .Parameter("@P1", malformed)
                              .bytes()),
                 ProtocolError);
  }
}

TEST(TdsRpc, ProceduresByNameAndNumber) {
  struct Case {
    RpcBuilder call;
    Procedure procedure;
  };
  const std::vector<Case> cases = {
      {RpcBuilder(10), Procedure::kExecuteSql},
      {RpcBuilder(11), Procedure::kPrepare},
      {RpcBuilder(12), Procedure::kExecute},
      {RpcBuilder(13), Procedure::kPrepExec},
      {RpcBuilder(15), Procedure::kUnprepare},
      {RpcBuilder(2), Procedure::kOther},
      {RpcBuilder("sp_prepare"), Procedure::kPrepare},
      {RpcBuilder("sys.sp_prepexec"), Procedure::kPrepExec},
      {RpcBuilder("SP_EXECUTE;1"), Procedure::kExecute},
      {RpcBuilder("master.sys.sp_unprepare"), Procedure::kUnprepare},
      {RpcBuilder("sp_executesql"), Procedure::kExecuteSql},
      {RpcBuilder("sp_prepare_x"), Procedure::kOther},
      {RpcBuilder("spXprepare"), Procedure::kOther},
  };
  for (const Case& test : cases) {
    const RpcRequest request = ParseRpc(test.call.bytes());
    EXPECT_EQ(ProcedureOf(request), test.procedure) << request.procedure;
  }
}

TEST(TdsRpc, PreparedStatementsKeepTheirTextAndHandle) {
  const RpcRequest prepexec = ParseRpc(RpcBuilder(13)
                                           .Int("@handle", std::nullopt, true)
                                           .Text("@params", "@P1 int,@P2 datetime2(7)")
                                           .Text("@stmt", "INSERT INTO T VALUES (@P1, @P2)")
                                           .Int("@P1", 7)
                                           .Parameter("@P2", {0x2A, 7, 0})
                                           .bytes());
  const PreparedStatement prepared = PreparedFrom(prepexec);
  EXPECT_EQ(prepared.statement, "INSERT INTO T VALUES (@P1, @P2)");
  EXPECT_TRUE(prepexec.parameters[0].output);
  EXPECT_EQ(HandleOf(prepexec), std::nullopt);
  EXPECT_EQ(DeclaredBatch(prepared.statement, prepared.declarations,
                          std::span(prepexec.parameters).subspan(3), "x"),
            "DECLARE @P1 int = 7, @P2 datetime = NULL\nINSERT INTO T VALUES (@P1, @P2)");
  // Without parameters the statement runs as it is.
  EXPECT_EQ(DeclaredBatch("SELECT 1", std::nullopt, {}, "sp_prepexec"), "SELECT 1");
  EXPECT_EQ(HandleOf(ParseRpc(RpcBuilder(12).Int("", 42).bytes())), 42);
  EXPECT_THROW(PreparedFrom(ParseRpc(RpcBuilder(11).Int("@handle", std::nullopt, true).bytes())),
               Unsupported);
}

TEST(TdsRpc, SeveralCallsInOneMessage) {
  const std::vector<RpcRequest> calls = ParseRpcCalls(RpcBuilder(12)
                                                          .Int("", 1)
                                                          .Int("", 5)
                                                          .NextCall("sp_executesql")
                                                          .Text("@stmt", "SELECT 2")
                                                          .NextCall(15)
                                                          .Int("", 1)
                                                          .bytes());
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(ProcedureOf(calls[0]), Procedure::kExecute);
  EXPECT_EQ(calls[0].parameters.size(), 2u);
  EXPECT_EQ(ExecuteSqlBatch(calls[1]), "SELECT 2");
  EXPECT_EQ(ProcedureOf(calls[2]), Procedure::kUnprepare);
  // A parameter name of 128 characters begins with the byte that separated
  // calls before TDS 7.2: it is a parameter, not a further call.
  const std::string long_name = "@" + std::string(127, 'p');
  const std::vector<RpcRequest> one =
      ParseRpcCalls(RpcBuilder(12).Int("", 1).Int(long_name, 5).bytes());
  ASSERT_EQ(one.size(), 1u);
  ASSERT_EQ(one[0].parameters.size(), 2u);
  EXPECT_EQ(one[0].parameters[1].name, long_name);
  // A separator at the end announces nothing more; one with no call after
  // it but a stray byte is malformed.
  Bytes trailing = RpcBuilder().Text("@stmt", "SELECT 1").bytes();
  trailing.push_back(0xFF);
  EXPECT_EQ(ParseRpcCalls(trailing).size(), 1u);
  trailing.push_back(0x01);
  EXPECT_THROW(ParseRpcCalls(trailing), ProtocolError);
}

}  // namespace
}  // namespace quelor::tds
