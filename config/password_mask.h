// Keeps passwords out of every text the program shows or writes. A password
// is found by its value, not by reading "Password=" up to the next ";": a
// password may hold ";", "=", braces, blanks or quotes, and only its value
// says where it ends.
#pragma once

#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace quelor::config {

inline constexpr std::string_view kMaskedPassword = "***";

// `text` with every occurrence of `password`, and of its braced ODBC form
// ("{" + password with "}" doubled + "}"), replaced by "***". An empty
// password masks nothing.
std::string MaskPassword(std::string_view text, std::string_view password);

// The passwords met during a run (SysDBAdo.INI is read again at every
// connect, so it may name another one later); all of them are masked. Safe
// to use from several threads: workers that migrate tenants at once read the
// file and write the trace at the same time.
class PasswordMask {
 public:
  void Remember(std::string_view password);
  std::string Apply(std::string_view text) const;

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> passwords_;  // longest first
};

}  // namespace quelor::config
