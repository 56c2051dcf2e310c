#include "tools/console_ui_host.h"

#include <cstdio>
#include <stdexcept>

namespace sm::tool {

MessageAnswer ConsoleUiHost::ShowMessage(const std::string& text, MessageKind, unsigned buttons) {
  if (captured_messages)
    captured_messages->push_back(text);
  else
    std::fprintf(stderr, "smtool: %s\n", text.c_str());
  // Questions take their cautious answer.
  if (buttons & kButtonNo) return MessageAnswer::No;
  if (buttons & kButtonCancel) return MessageAnswer::Cancel;
  return MessageAnswer::Ok;
}

std::optional<std::string> ConsoleUiHost::InputBox(const std::string& caption, const std::string&,
                                                   const std::string& value) {
  throw std::runtime_error(caption + ": " + value + " is missing and cannot be created");
}

bool ConsoleUiHost::ShowCheckMessage(const std::string& text, const std::string&, bool checked) {
  std::fprintf(stderr, "smtool: %s\n", text.c_str());
  return checked;
}

bool ConsoleUiHost::StartProgram(const std::string&, const std::vector<std::string>&) { return false; }

}  // namespace sm::tool
