// smtool's UiHost: messages go to standard error; it cannot ask questions.
#pragma once

#include "core/ui_host.h"

namespace sm::tool {

class ConsoleUiHost : public UiHost {
 public:
  // When set, messages are collected here instead of being printed.
  std::vector<std::string>* captured_messages = nullptr;

  void ShowStatus(const std::string&) override {}
  void ShowProgress(int, int) override {}
  void SetBusy(bool) override {}
  MessageAnswer ShowMessage(const std::string& text, MessageKind kind, unsigned buttons) override;
  // Throws: a command-line run has nobody to ask.
  std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& value) override;
  bool ShowCheckMessage(const std::string& text, const std::string&, bool checked) override;
  void ProcessMessages() override {}
  bool StartProgram(const std::string& program, const std::vector<std::string>& arguments) override;
};

}  // namespace sm::tool
