// The one door from domain code to the screen. The window implements it;
// smtool prints; tests script it.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace sm {

enum class MessageKind { Information, Warning, Error, Confirmation, Plain };

// Buttons of a message box, combinable.
enum MessageButtons : unsigned {
  kButtonOk = 1,
  kButtonCancel = 2,
  kButtonYes = 4,
  kButtonNo = 8,
  kButtonAbort = 16,
  kButtonRetry = 32,
  kButtonIgnore = 64,
};

enum class MessageAnswer { Ok, Cancel, Yes, No, Abort, Retry, Ignore };

class UiHost {
 public:
  virtual ~UiHost() = default;

  // The status bar's message.
  virtual void ShowStatus(const std::string& text) = 0;
  // Progress of long work: position of max; max 0 hides it.
  virtual void ShowProgress(int position, int max) = 0;
  // The busy cursor, nested: every true is matched by a false.
  virtual void SetBusy(bool busy) = 0;
  virtual MessageAnswer ShowMessage(const std::string& text, MessageKind kind, unsigned buttons) = 0;
  // An input box; nothing when cancelled.
  virtual std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                              const std::string& value) = 0;
  // A message with a check box; answers the box's final state.
  virtual bool ShowCheckMessage(const std::string& text, const std::string& check_caption, bool checked) = 0;
  // Lets pending window messages run during long waits.
  virtual void ProcessMessages() = 0;
  // Starts an outside program, not waited for; false when it cannot start.
  virtual bool StartProgram(const std::string& program, const std::vector<std::string>& arguments) = 0;

  void ShowPlainMessage(const std::string& text) { ShowMessage(text, MessageKind::Plain, kButtonOk); }
};

// Shows the busy cursor for a scope.
class BusyScope {
 public:
  explicit BusyScope(UiHost& ui) : ui_(ui) { ui_.SetBusy(true); }
  ~BusyScope() { ui_.SetBusy(false); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  UiHost& ui_;
};

}  // namespace sm
