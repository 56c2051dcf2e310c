#include "support/fake_ui_host.h"

#include <gtest/gtest.h>

namespace sm::test {

void FakeUiHost::ShowStatus(const std::string& text) { events.push_back("status: " + text); }

void FakeUiHost::ShowProgress(int position, int max) {
  events.push_back("progress: " + std::to_string(position) + "/" + std::to_string(max));
}

void FakeUiHost::SetBusy(bool busy) {
  busy_depth += busy ? 1 : -1;
  events.push_back(busy ? "busy: on" : "busy: off");
}

MessageAnswer FakeUiHost::ShowMessage(const std::string& text, MessageKind, unsigned buttons) {
  events.push_back("message: " + text);
  messages.push_back(text);
  if (buttons == kButtonOk) return MessageAnswer::Ok;
  if (message_answers.empty()) {
    ADD_FAILURE() << "unexpected question: " << text;
    throw UnexpectedQuestion{text};
  }
  MessageAnswer answer = message_answers.front();
  message_answers.pop_front();
  return answer;
}

std::optional<std::string> FakeUiHost::InputBox(const std::string& caption, const std::string&,
                                                const std::string&) {
  events.push_back("input: " + caption);
  if (input_answers.empty()) {
    ADD_FAILURE() << "unexpected input box: " << caption;
    throw UnexpectedQuestion{caption};
  }
  auto answer = input_answers.front();
  input_answers.pop_front();
  return answer;
}

bool FakeUiHost::ShowCheckMessage(const std::string& text, const std::string&, bool checked) {
  events.push_back("check: " + text);
  messages.push_back(text);
  if (check_answers.empty()) return checked;
  bool answer = check_answers.front();
  check_answers.pop_front();
  return answer;
}

bool FakeUiHost::StartProgram(const std::string& program, const std::vector<std::string>& arguments) {
  std::string line = "start: " + program;
  for (const auto& a : arguments) line += " " + a;
  events.push_back(line);
  return programs_start;
}

}  // namespace sm::test
