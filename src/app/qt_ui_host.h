// The window program's door from domain code to the screen: message boxes
// captioned "Stallminder", the busy cursor, progress and messages in the
// status bar, the input box and detached outside programs.
#pragma once

#include "core/ui_host.h"

namespace sm {

// Where status messages and progress go; the main window.
class StatusDisplay {
 public:
  virtual ~StatusDisplay() = default;
  virtual void ShowStatusMessage(const std::string& text) = 0;
  virtual void ShowProgressPercent(int percent) = 0;
};

class QtUiHost : public UiHost {
 public:
  void SetStatusDisplay(StatusDisplay* display) { display_ = display; }
  // Unattended runs (screenshots) print messages to standard error and
  // answer them with Cancel, No or OK instead of waiting for a user.
  void SetUnattended(bool unattended) { unattended_ = unattended; }

  void ShowStatus(const std::string& text) override;
  void ShowProgress(int position, int max) override;
  void SetBusy(bool busy) override;
  MessageAnswer ShowMessage(const std::string& text, MessageKind kind, unsigned buttons) override;
  std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& value) override;
  bool ShowCheckMessage(const std::string& text, const std::string& check_caption, bool checked) override;
  void ProcessMessages() override;
  bool StartProgram(const std::string& program, const std::vector<std::string>& arguments) override;

 private:
  StatusDisplay* display_ = nullptr;
  int busy_depth_ = 0;
  bool unattended_ = false;
};

}  // namespace sm
