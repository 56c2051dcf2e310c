#include "app/checked_field.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTimer>

#include "app/airspace_commands.h"

namespace sm {

CheckedField::CheckedField(Check check, QWidget* parent) : QLineEdit(parent), check_(std::move(check)) {}

bool CheckedField::CheckNow() {
  if (std::optional<QString> shown = check_(text())) {
    if (*shown != text()) setText(*shown);
    return true;
  }
  // Back into the field once the focus change has finished.
  QTimer::singleShot(0, this, [this] {
    setFocus();
    selectAll();
  });
  return false;
}

void CheckedField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
  if (escape_ && QApplication::focusWidget() == escape_) return;
  if (!window()->isVisible()) return;
  CheckNow();
}

CheckedField::Check TypedDateCheck(const AppContext& ctx) {
  return [&ctx](const QString& text) -> std::optional<QString> {
    std::optional<TypedDate> date = ReadTypedDate(text.toStdString(), ctx);
    if (!date) return std::nullopt;
    return QString::fromStdString(date->text);
  };
}

}  // namespace sm
