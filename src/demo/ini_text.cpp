#include "demo/ini_text.h"

namespace sm::demo {

void IniText::Line(std::string_view line) {
  text_ += line;
  text_ += "\r\n";
}

IniText& IniText::Comment(std::string_view text) {
  Line(text.empty() ? std::string(";") : "; " + std::string(text));
  return *this;
}

IniText& IniText::Section(std::string_view name) {
  if (!text_.empty()) Line("");
  Line("[" + std::string(name) + "]");
  return *this;
}

IniText& IniText::Key(std::string_view key, std::string_view value) {
  Line(std::string(key) + "=" + std::string(value));
  return *this;
}

}  // namespace sm::demo
