#pragma once
// One running program per user. The first start listens on a local socket;
// a later start connects, which asks the first to bring its window to the
// front, and then ends. The first answers with the data folder it holds, so
// that a start for another folder can say why it does not open.

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

  // The folder this (first) instance holds, told to later starts.
  void SetDataFolder(const QString& folder) { folder_ = folder; }
  // After a Claim() that found another instance: the folder it holds (empty
  // when it did not say).
  const QString& running_folder() const { return running_folder_; }

 signals:
  void ActivationRequested();

 private:
  bool TellRunningInstance();
  bool Listen();

  QString name_;
  QString folder_;
  QString running_folder_;
  QLocalServer* server_ = nullptr;
};

// Shows a window (restoring it when minimised) and brings it to the front.
void RaiseWindow(QWidget* window);

}  // namespace ledra::gui
