#include "db/trace_connection.h"

#include <map>
#include <mutex>
#include <type_traits>

#include "config/text_util.h"
#include "db/error.h"

namespace quelor::db {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= 0x20) s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= 0x20) s.remove_suffix(1);
  return s;
}

// Calls `visit(key, value_begin, value_end)` for each "key=value" item of a
// connection text; items end at ";" or at a line end.
template <typename Visit>
void ForEachItem(const std::string& text, Visit&& visit) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find_first_of(";\r\n", pos);
    if (end == std::string::npos) end = text.size();
    std::size_t eq = text.find('=', pos);
    if (eq != std::string::npos && eq < end) {
      visit(Trim(std::string_view(text).substr(pos, eq - pos)), eq + 1, end);
    }
    pos = end + 1;
  }
}

// One mutex per stream: the connections of a run write their records into
// one trace, from several threads when tenants are migrated at once.
std::mutex& StreamMutex(const std::ostream& stream) {
  static std::mutex registry_mutex;
  static std::map<const std::ostream*, std::mutex> mutexes;
  std::lock_guard lock(registry_mutex);
  return mutexes[&stream];
}

}  // namespace

std::string CatalogOf(const std::string& connection_text) {
  std::string catalog;
  ForEachItem(connection_text, [&](std::string_view key, std::size_t begin, std::size_t end) {
    if (config::EqualsIgnoreAsciiCase(key, "Initial Catalog")) {
      catalog = std::string(Trim(std::string_view(connection_text).substr(begin, end - begin)));
    }
  });
  return catalog;
}

void TraceConnection::Write(const char* kind, const std::string& outcome,
                            std::chrono::nanoseconds elapsed, const std::string& text) {
  const double ms = std::chrono::duration<double, std::milli>(elapsed).count();
  std::lock_guard lock(StreamMutex(out_));
  out_ << "=== " << label_ << ' ' << database_ << " | " << kind << " | " << outcome << " | " << ms
       << " ms\n"
       << text << "\n\n";
  out_.flush();
}

template <typename Action>
auto TraceConnection::Traced(const char* kind, const std::string& text, Action&& action) {
  const auto start = std::chrono::steady_clock::now();
  auto elapsed = [&] { return std::chrono::steady_clock::now() - start; };
  try {
    if constexpr (std::is_void_v<decltype(action())>) {
      action();
      Write(kind, "ok", elapsed(), text);
    } else {
      auto result = action();
      Write(kind, std::to_string(result.RecordCount()) + " rows", elapsed(), text);
      return result;
    }
  } catch (const std::exception& e) {
    Write(kind, "failed: " + passwords_.Apply(e.what()), elapsed(), text);
    throw;
  }
}

void TraceConnection::Open(const std::string& connection_text) {
  database_ = CatalogOf(connection_text);
  Traced("open", passwords_.Apply(connection_text), [&] { inner_.Open(connection_text); });
}

void TraceConnection::Close() {
  Traced("close", "", [&] { inner_.Close(); });
}

void TraceConnection::Execute(const std::string& text) {
  Traced("execute", text, [&] { inner_.Execute(text); });
}

ResultSet TraceConnection::Query(const std::string& text) {
  return Traced("query", text, [&] { return inner_.Query(text); });
}

void TraceConnection::InsertRow(const std::string& table, const std::vector<ColumnValue>& values) {
  std::string text = "INSERT INTO " + table + " (";
  for (std::size_t i = 0; i < values.size(); ++i) {
    text.append(i ? ", " : "").append(values[i].column);
  }
  text.append(") parameters (");
  for (std::size_t i = 0; i < values.size(); ++i) {
    text.append(i ? ", " : "");
    std::visit(
        [&](const auto& v) {
          using T = std::decay_t<decltype(v)>;
          if constexpr (std::is_same_v<T, std::monostate>)
            text.append("NULL");
          else if constexpr (std::is_same_v<T, std::string>)
            text.append("'").append(v).append("'");
          else
            text.append(std::to_string(v));
        },
        values[i].value);
  }
  text.append(")");
  Traced("insert", text, [&] { inner_.InsertRow(table, values); });
}

}  // namespace quelor::db
