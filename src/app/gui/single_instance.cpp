#include "single_instance.h"

#include <unistd.h>

#include <QEventLoop>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QWidget>
#include <utility>

#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::gui {
namespace {
constexpr int kConnectTimeoutMs = 1000;
}

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {}

QString SingleInstance::DefaultName() {
  return qt::FromAnsi(Strings().Get(str::kWindowClassPrefix) + LanguageCode()) +
         QStringLiteral("-%1").arg(::getuid());
}

bool SingleInstance::Claim() {
  if (TellRunningInstance()) return false;
  if (Listen()) return true;
  // Two starts at the same moment: the other one may have won the name.
  if (TellRunningInstance()) return false;
  // A socket left by a crashed run answers nobody; take its place.
  QLocalServer::removeServer(name_);
  // Without the socket the program still runs; the folder lock guards the data.
  Listen();
  return true;
}

bool SingleInstance::TellRunningInstance() {
  QLocalSocket socket;
  socket.connectToServer(name_);
  if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
  socket.write("raise\n");
  socket.waitForBytesWritten(kConnectTimeoutMs);
  // The answer is one line: the folder the running program holds. An event
  // loop rather than a blocking wait, so that a first instance in this same
  // process (tests) can answer too.
  QEventLoop loop;
  QTimer::singleShot(kConnectTimeoutMs, &loop, &QEventLoop::quit);
  connect(&socket, &QLocalSocket::readyRead, &loop, [&socket, &loop] {
    if (socket.canReadLine()) loop.quit();
  });
  connect(&socket, &QLocalSocket::disconnected, &loop, &QEventLoop::quit);
  if (!socket.canReadLine()) loop.exec();
  running_folder_ = QString::fromUtf8(socket.readLine()).trimmed();
  socket.disconnectFromServer();
  return true;
}

bool SingleInstance::Listen() {
  if (!server_) {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, [this] {
      while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        socket->write(folder_.toUtf8() + '\n');
        socket->flush();
        emit ActivationRequested();
      }
    });
  }
  return server_->listen(name_);
}

void RaiseWindow(QWidget* window) {
  if (!window) return;
  if (window->isMinimized()) window->showNormal();
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace ledra::gui
