// A scripted UiHost for tests: records everything shown, answers questions
// from queues, and fails the test on a question nobody expected.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/ui_host.h"

namespace sm::test {

class FakeUiHost : public UiHost {
 public:
  // Everything shown, in order: "status: ...", "progress: 3/10",
  // "busy: on", "message: ...", "input: caption", "check: ...",
  // "start: program arg...".
  std::vector<std::string> events;
  std::vector<std::string> messages;  // texts of message boxes only

  std::deque<MessageAnswer> message_answers;  // for boxes with more than OK
  std::deque<std::optional<std::string>> input_answers;
  std::deque<bool> check_answers;
  bool programs_start = true;
  int process_messages_calls = 0;
  int busy_depth = 0;

  void ShowStatus(const std::string& text) override;
  void ShowProgress(int position, int max) override;
  void SetBusy(bool busy) override;
  MessageAnswer ShowMessage(const std::string& text, MessageKind kind, unsigned buttons) override;
  std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& value) override;
  bool ShowCheckMessage(const std::string& text, const std::string& check_caption, bool checked) override;
  void ProcessMessages() override { ++process_messages_calls; }
  bool StartProgram(const std::string& program, const std::vector<std::string>& arguments) override;
};

// Thrown when a question comes that the test did not script; ends loops
// that would otherwise ask forever.
struct UnexpectedQuestion {
  std::string text;
};

}  // namespace sm::test
