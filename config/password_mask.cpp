#include "config/password_mask.h"

#include <algorithm>
#include <array>

namespace quelor::config {
namespace {

void ReplaceAll(std::string& text, std::string_view what) {
  if (what.empty()) return;
  for (std::size_t at = text.find(what); at != std::string::npos;
       at = text.find(what, at + kMaskedPassword.size())) {
    text.replace(at, what.size(), kMaskedPassword);
  }
}

std::string Braced(std::string_view password, bool double_closing) {
  std::string braced = "{";
  for (char c : password) {
    braced += c;
    if (c == '}' && double_closing) braced += '}';
  }
  return braced + "}";
}

}  // namespace

std::string MaskPassword(std::string_view text, std::string_view password) {
  std::string masked(text);
  if (password.empty()) return masked;
  // The longer forms first, so no brace of them is left around the mask.
  const std::array<std::string, 3> forms = {Braced(password, true), Braced(password, false),
                                            std::string(password)};
  for (const std::string& form : forms) ReplaceAll(masked, form);
  return masked;
}

void PasswordMask::Remember(std::string_view password) {
  std::lock_guard lock(mutex_);
  if (password.empty() ||
      std::find(passwords_.begin(), passwords_.end(), password) != passwords_.end()) {
    return;
  }
  passwords_.emplace_back(password);
  // A password inside a longer one must not cut the longer one in pieces.
  std::stable_sort(passwords_.begin(), passwords_.end(),
                   [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
}

std::string PasswordMask::Apply(std::string_view text) const {
  std::lock_guard lock(mutex_);
  std::string masked(text);
  for (const std::string& password : passwords_) masked = MaskPassword(masked, password);
  return masked;
}

}  // namespace quelor::config
