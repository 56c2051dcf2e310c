#include "app/single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <unistd.h>

namespace sm {

QString DefaultInstanceName() {
  QString user = qEnvironmentVariable("USER");
  if (user.isEmpty()) user = QString::number(getuid());
  return "stallminder-" + user;
}

SingleInstance::SingleInstance(QString name) : name_(std::move(name)) {}
SingleInstance::~SingleInstance() = default;

bool SingleInstance::HandOver(const std::string& command_line) {
  QLocalSocket socket;
  socket.connectToServer(name_);
  if (!socket.waitForConnected(1000)) return false;
  QByteArray bytes = QByteArray::fromStdString(command_line.substr(0, 1024));
  bytes.append('\0');
  socket.write(bytes);
  socket.waitForBytesWritten(2000);
  socket.disconnectFromServer();
  if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(1000);
  return true;
}

bool SingleInstance::Listen(std::function<void(const std::string&)> received) {
  received_ = std::move(received);
  server_ = std::make_unique<QLocalServer>();
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(name_)) {
    // A socket left by a copy that crashed: nobody answered HandOver.
    QLocalServer::removeServer(name_);
    if (!server_->listen(name_)) return false;
  }
  connect(server_.get(), &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
      auto buffer = std::make_shared<QByteArray>();
      connect(socket, &QLocalSocket::readyRead, socket, [socket, buffer] { buffer->append(socket->readAll()); });
      connect(socket, &QLocalSocket::disconnected, this, [this, socket, buffer] {
        buffer->append(socket->readAll());
        socket->deleteLater();
        int end = buffer->indexOf('\0');
        std::string line = (end >= 0 ? buffer->left(end) : *buffer).toStdString();
        if (received_) received_(line);
      });
    }
  });
  return true;
}

}  // namespace sm
