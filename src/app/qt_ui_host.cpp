#include "app/qt_ui_host.h"

#include <QApplication>
#include <QCheckBox>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <cstdio>

namespace sm {
namespace {

QMessageBox::Icon IconFor(MessageKind kind) {
  switch (kind) {
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Confirmation: return QMessageBox::Question;
    case MessageKind::Plain: return QMessageBox::NoIcon;
  }
  return QMessageBox::NoIcon;
}

struct ButtonMap {
  unsigned ours;
  QMessageBox::StandardButton theirs;
  MessageAnswer answer;
};
constexpr ButtonMap kButtons[] = {
    {kButtonYes, QMessageBox::Yes, MessageAnswer::Yes},       {kButtonNo, QMessageBox::No, MessageAnswer::No},
    {kButtonOk, QMessageBox::Ok, MessageAnswer::Ok},          {kButtonCancel, QMessageBox::Cancel, MessageAnswer::Cancel},
    {kButtonAbort, QMessageBox::Abort, MessageAnswer::Abort}, {kButtonRetry, QMessageBox::Retry, MessageAnswer::Retry},
    {kButtonIgnore, QMessageBox::Ignore, MessageAnswer::Ignore},
};

}  // namespace

void QtUiHost::ShowStatus(const std::string& text) {
  if (display_) display_->ShowStatusMessage(text);
}

void QtUiHost::ShowProgress(int position, int max) {
  if (!display_) return;
  display_->ShowProgressPercent(max > 0 ? static_cast<int>(100LL * position / max) : 0);
}

void QtUiHost::SetBusy(bool busy) {
  // Nested: only the outermost pair changes the cursor.
  if (busy) {
    if (busy_depth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (busy_depth_ > 0 && --busy_depth_ == 0) {
    QApplication::restoreOverrideCursor();
  }
}

MessageAnswer QtUiHost::ShowMessage(const std::string& text, MessageKind kind, unsigned buttons) {
  if (unattended_) {
    std::fprintf(stderr, "stallminder: %s\n", text.c_str());
    if (buttons & kButtonCancel) return MessageAnswer::Cancel;
    return (buttons & kButtonNo) ? MessageAnswer::No : MessageAnswer::Ok;
  }
  QMessageBox box(IconFor(kind), "Stallminder", QString::fromStdString(text), QMessageBox::NoButton,
                  QApplication::activeWindow());
  for (const ButtonMap& b : kButtons)
    if (buttons & b.ours) box.addButton(b.theirs);
  if (box.buttons().isEmpty()) box.addButton(QMessageBox::Ok);
  const int chosen = box.exec();
  for (const ButtonMap& b : kButtons)
    if (chosen == b.theirs) return b.answer;
  return (buttons & kButtonCancel) ? MessageAnswer::Cancel : MessageAnswer::Ok;
}

std::optional<std::string> QtUiHost::InputBox(const std::string& caption, const std::string& prompt,
                                              const std::string& value) {
  if (unattended_) return std::nullopt;
  bool ok = false;
  QString text = QInputDialog::getText(QApplication::activeWindow(), QString::fromStdString(caption),
                                       QString::fromStdString(prompt), QLineEdit::Normal,
                                       QString::fromStdString(value), &ok);
  if (!ok) return std::nullopt;
  return text.toStdString();
}

bool QtUiHost::ShowCheckMessage(const std::string& text, const std::string& check_caption, bool checked) {
  if (unattended_) {
    std::fprintf(stderr, "stallminder: %s\n", text.c_str());
    return checked;
  }
  QMessageBox box(QMessageBox::Information, "Stallminder Message", QString::fromStdString(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  auto* check = new QCheckBox(QString::fromStdString(check_caption));
  check->setChecked(checked);
  box.setCheckBox(check);
  box.exec();
  return check->isChecked();
}

void QtUiHost::ProcessMessages() { QCoreApplication::processEvents(); }

bool QtUiHost::StartProgram(const std::string& program, const std::vector<std::string>& arguments) {
  QStringList args;
  for (const std::string& a : arguments) args << QString::fromStdString(a);
  return QProcess::startDetached(QString::fromStdString(program), args);
}

}  // namespace sm
