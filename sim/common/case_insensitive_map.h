// Identifier comparison of the simulated server: object, column, database and
// variable names are equal when they differ only in ASCII letter case (and in
// the case of the German umlauts), as under the usual case-insensitive
// collation. Every name lookup in sim/ goes through these types.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace quelor::sim {

// Lower-cases ASCII letters and the Latin-1 capitals of UTF-8 (Ä, Ö, Ü, ...).
std::string FoldCase(std::string_view text);
// Appends the folded `text` to `out` (what FoldCase returns, without a string of its own).
void AppendFoldedCase(std::string& out, std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// Both are transparent, so a name can be looked up as a string_view
// without building a string.
struct CaseInsensitiveHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const;
};

struct CaseInsensitiveEqual {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const { return EqualsIgnoreCase(a, b); }
};

template <typename V>
using CaseInsensitiveMap =
    std::unordered_map<std::string, V, CaseInsensitiveHash, CaseInsensitiveEqual>;

using CaseInsensitiveSet =
    std::unordered_set<std::string, CaseInsensitiveHash, CaseInsensitiveEqual>;

}  // namespace quelor::sim
