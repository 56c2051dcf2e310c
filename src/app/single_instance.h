// One running copy per user: a second copy hands its command line to the
// first through a local socket and ends.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

class QLocalServer;

namespace sm {

// "stallminder-<user>".
QString DefaultInstanceName();

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  explicit SingleInstance(QString name);
  ~SingleInstance() override;
  // Gives the line to a running copy; false when none answers.
  bool HandOver(const std::string& command_line);
  // Becomes the running copy; each line handed over reaches `received`.
  bool Listen(std::function<void(const std::string&)> received);

 private:
  QString name_;
  std::unique_ptr<QLocalServer> server_;
  std::function<void(const std::string&)> received_;
};

}  // namespace sm
