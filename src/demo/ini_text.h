// Ini file text written by hand rather than through IniFile, so the files a
// user reads first can carry comments and blank lines between sections.
#pragma once

#include <string>
#include <string_view>

namespace sm::demo {

class IniText {
 public:
  // "; text"; an empty text gives a lone ";".
  IniText& Comment(std::string_view text);
  // "[name]", after a blank line unless it is the first line.
  IniText& Section(std::string_view name);
  IniText& Key(std::string_view key, std::string_view value);
  const std::string& Text() const { return text_; }  // CR LF line ends

 private:
  void Line(std::string_view line);
  std::string text_;
};

}  // namespace sm::demo
