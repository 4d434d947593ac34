#pragma once
// The dialog of the commands "Backup" and "Restore": widgets bound to
// BackupDialogModel, which holds every rule.

#include <QDialog>
#include <functional>

#include "backup/backup_dialog_model.h"
#include "platform/clock.h"
#include "platform/prompter.h"

class QLabel;
class QTreeWidget;
class QProgressBar;
class QPushButton;
class QGroupBox;

namespace ledra::store {
class Document;
}

namespace ledra::backup::ui {

class BackupDialog : public QDialog {
  Q_OBJECT

 public:
  BackupDialog(DialogMode mode, store::Document& document, const Clock& clock, Prompter& prompter,
               QWidget* parent = nullptr);

  BackupDialogModel& model() { return model_; }
  // Asked for a protected set's password; the password dialog by default.
  std::function<bool(const std::string& password)> ask_password;

  // A folder from the chooser ("Procurar"), applied as the model's rules say.
  void ApplyChosenFolder(const platform::Path& folder);

  QLabel* status() const { return status_; }
  QLabel* required_space() const { return space_; }
  QLabel* folder_label() const { return folder_; }
  // The sets to restore, one row each: date | folder.
  QTreeWidget* catalogue() const { return catalogue_; }
  QProgressBar* progress() const { return progress_; }
  QPushButton* ok_button() const { return ok_; }
  QPushButton* cancel_button() const { return cancel_; }
  QPushButton* undo_button() const { return undo_; }
  QPushButton* last_button() const { return last_; }

  void accept() override;

 private:
  void Browse();
  void Refresh();
  void FillCatalogue();

  BackupDialogModel model_;
  store::Document& document_;
  const Clock& clock_;
  Prompter& prompter_;
  QLabel* space_ = nullptr;
  QLabel* folder_ = nullptr;
  QLabel* status_ = nullptr;
  QTreeWidget* catalogue_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* undo_ = nullptr;
  QPushButton* last_ = nullptr;
};

// The menu commands: open the dialog in its mode. True after a restore (the
// document was reloaded and the view must be redrawn).
bool RunBackupCommand(store::Document& document, const Clock& clock, Prompter& prompter,
                      QWidget* parent);
bool RunRestoreCommand(store::Document& document, const Clock& clock, Prompter& prompter,
                       QWidget* parent);

}  // namespace ledra::backup::ui
