// An edit field that checks its text when the focus leaves it: a text the
// check rejects takes the focus back with its text selected, without a
// message. The check may rewrite the text (a date read as yyyy-mm-dd is
// shown in the user's format).
#pragma once

#include <QLineEdit>
#include <functional>
#include <optional>

namespace sm {

class CheckedField : public QLineEdit {
  Q_OBJECT
 public:
  // Answers the text to show, or nothing when the text is not acceptable.
  using Check = std::function<std::optional<QString>(const QString&)>;
  CheckedField(Check check, QWidget* parent = nullptr);
  // Leaving towards this widget (a Cancel button) skips the check.
  void SetEscapeWidget(QWidget* widget) { escape_ = widget; }
  // Runs the check now; on failure the field takes the focus back.
  bool CheckNow();

 protected:
  void focusOutEvent(QFocusEvent* event) override;

 private:
  Check check_;
  QWidget* escape_ = nullptr;
};

// A check for dates typed in the user's format or as yyyy-mm-dd.
class AppContext;
CheckedField::Check TypedDateCheck(const AppContext& ctx);

}  // namespace sm
