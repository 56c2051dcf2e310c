#include "core/comma_text.h"

namespace sm {
namespace {

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

bool NeedsQuotes(const std::string& item) {
  for (char c : item)
    if (IsBlankOrControl(c) || c == ',' || c == '"') return true;
  return false;
}

}  // namespace

std::vector<std::string> SplitCommaText(std::string_view text) {
  std::vector<std::string> items;
  size_t i = 0, n = text.size();
  auto skip_blanks = [&] {
    while (i < n && IsBlankOrControl(text[i])) ++i;
  };
  skip_blanks();
  while (i < n) {
    std::string item;
    if (text[i] == '"') {
      ++i;
      while (i < n) {
        if (text[i] == '"') {
          if (i + 1 < n && text[i + 1] == '"') {
            item.push_back('"');
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        item.push_back(text[i++]);
      }
    } else {
      while (i < n && text[i] != ',' && !IsBlankOrControl(text[i])) item.push_back(text[i++]);
    }
    items.push_back(std::move(item));
    skip_blanks();
    if (i < n && text[i] == ',') {
      ++i;
      if (i == n) {
        items.emplace_back();
        break;
      }
      skip_blanks();
      // A comma followed only by blanks still announces an empty last item.
      if (i == n) items.emplace_back();
    }
  }
  return items;
}

std::string JoinCommaText(const std::vector<std::string>& items) {
  if (items.size() == 1 && items[0].empty()) return "\"\"";
  std::string out;
  for (size_t k = 0; k < items.size(); ++k) {
    if (k) out.push_back(',');
    const std::string& item = items[k];
    if (!NeedsQuotes(item)) {
      out += item;
      continue;
    }
    out.push_back('"');
    for (char c : item) {
      if (c == '"') out.push_back('"');
      out.push_back(c);
    }
    out.push_back('"');
  }
  return out;
}

}  // namespace sm
