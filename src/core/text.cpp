#include "core/text.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdlib>

namespace sm {
namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }
char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }
bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::pair<char, char> Brackets(bool square) { return square ? std::pair{'[', ']'} : std::pair{'(', ')'}; }

}  // namespace

std::string ToLowerAscii(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), LowerAscii);
  return out;
}

std::string ToUpperAscii(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), UpperAscii);
  return out;
}

bool IEquals(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

bool ILess(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(LowerAscii(x)) < static_cast<unsigned char>(LowerAscii(y));
  });
}

bool IStartsWith(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && IEquals(text.substr(0, prefix.size()), prefix);
}

bool IEndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && IEquals(text.substr(text.size() - suffix.size()), suffix);
}

bool IContains(std::string_view text, std::string_view part) {
  return ToLowerAscii(text).find(ToLowerAscii(part)) != std::string::npos;
}

std::string Trim(std::string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsBlankOrControl(text[begin])) ++begin;
  while (end > begin && IsBlankOrControl(text[end - 1])) --end;
  return std::string(text.substr(begin, end - begin));
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
  if (from.empty()) return text;
  for (size_t pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos + to.size()))
    text.replace(pos, from.size(), to);
  return text;
}

std::string ProperCase(std::string_view text) {
  std::string out = ToLowerAscii(text);
  if (!out.empty()) out[0] = UpperAscii(out[0]);
  return out;
}

std::string QuoteIfNeeded(std::string_view text) {
  if (text.find_first_of(" ,") == std::string_view::npos) return std::string(text);
  std::string out(text);
  if (out.front() != '"') out.insert(out.begin(), '"');
  if (out.size() < 2 || out.back() != '"') out.push_back('"');
  return out;
}

std::vector<std::string> SplitText(std::string_view text, char separator) {
  std::vector<std::string> items;
  if (!text.empty() && text.front() == separator) text.remove_prefix(1);
  for (;;) {
    size_t pos = text.find(separator);
    items.emplace_back(text.substr(0, pos));
    if (pos == std::string_view::npos) break;
    text.remove_prefix(pos + 1);
  }
  return items;
}

std::string BracketContent(std::string_view text, bool square) {
  auto [open, close] = Brackets(square);
  size_t a = text.find(open), b = text.find(close);
  if (a == std::string_view::npos || b == std::string_view::npos || b < a) return {};
  return std::string(text.substr(a + 1, b - a - 1));
}

std::string RemoveBracketed(std::string_view text, bool square) {
  auto [open, close] = Brackets(square);
  size_t a = text.find(open), b = text.find(close);
  if (a == std::string_view::npos || b == std::string_view::npos || b < a) return std::string(text);
  std::string out(text);
  out.erase(a, b - a + 1);
  return out;
}

std::string WithTrailingSlash(std::string_view text) {
  std::string out(text);
  if (out.empty() || out.back() != '/') out.push_back('/');
  return out;
}

std::string WithTrailingBackslash(std::string_view text) {
  std::string out(text);
  if (out.empty() || out.back() != '\\') out.push_back('\\');
  return out;
}

std::string ToNativePath(std::string_view path) {
  std::string out(path);
  std::replace(out.begin(), out.end(), '\\', '/');
  return out;
}

bool TryParseInt(std::string_view text, long long& value) {
  std::string t = Trim(text);
  std::string_view s = t;
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  int base = 10;
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    base = 16;
    s.remove_prefix(2);
  } else if (!s.empty() && s[0] == '$') {
    base = 16;
    s.remove_prefix(1);
  }
  if (s.empty()) return false;
  unsigned long long magnitude = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), magnitude, base);
  if (ec != std::errc() || end != s.data() + s.size()) return false;
  if (magnitude > static_cast<unsigned long long>(INT64_MAX)) return false;
  value = negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
  return true;
}

bool TryParseDouble(std::string_view text, double& value) {
  std::string t = Trim(text);
  if (t.empty()) return false;
  const char* begin = t.c_str();
  if (*begin == '+') ++begin;
  auto [end, ec] = std::from_chars(begin, t.c_str() + t.size(), value);
  return ec == std::errc() && end == t.c_str() + t.size();
}

}  // namespace sm
