#pragma once
// One running program per user. The first start listens on a local socket;
// a later start connects, which asks the first to bring its window to the
// front, and then ends.

#include <QObject>
#include <QString>

class QLocalServer;
class QWidget;

namespace ledra::gui {

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  explicit SingleInstance(QString name = DefaultName(), QObject* parent = nullptr);

  // The window class name of the edition with the user's id.
  static QString DefaultName();

  // True when this process is the first and now listens; false when another
  // instance runs and has been asked to show itself.
  bool Claim();

 signals:
  void ActivationRequested();

 private:
  bool TellRunningInstance() const;
  bool Listen();

  QString name_;
  QLocalServer* server_ = nullptr;
};

// Shows a window (restoring it when minimised) and brings it to the front.
void RaiseWindow(QWidget* window);

}  // namespace ledra::gui
