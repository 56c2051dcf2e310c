#include "download/name_scrambler.h"

#include "core/text.h"

namespace sm {
namespace {

std::string Substitute(std::string_view name, std::string_view from, std::string_view to) {
  const std::string lower = ToLowerAscii(name);
  std::string result;
  result.reserve(lower.size());
  for (char c : lower) {
    const size_t i = from.find(c);
    if (i == std::string_view::npos) return std::string(name);
    result.push_back(to[i]);
  }
  return result;
}

static_assert(kPlainNameAlphabet.size() == 41 && kServerNameAlphabet.size() == 41);

}  // namespace

std::string ScrambleName(std::string_view name) { return Substitute(name, kPlainNameAlphabet, kServerNameAlphabet); }

std::string UnscrambleName(std::string_view name) { return Substitute(name, kServerNameAlphabet, kPlainNameAlphabet); }

}  // namespace sm
