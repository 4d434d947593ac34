#pragma once
// The folder chooser "Select folder": the home folder and the removable
// drives beside a folder tree, the typed path, and the buttons "Select" and
// "Current Folder". FolderChooser holds the rules.

#include <QDialog>
#include <optional>

#include "backup/folder_chooser.h"
#include "platform/prompter.h"

class QLineEdit;
class QListWidget;
class QTreeView;
class QFileSystemModel;

namespace ledra::backup::ui {

class FolderChooserDialog : public QDialog {
  Q_OBJECT

 public:
  // Opens at `start` when it is an existing folder, else at the home folder.
  // `caption` (ANSI) is shown above the tree when not empty.
  FolderChooserDialog(const platform::Path& start, const platform::Path& current_folder,
                      std::string_view caption, Prompter& prompter, QWidget* parent = nullptr);

  const std::optional<platform::Path>& chosen() const { return chosen_; }
  QLineEdit* edit() const { return edit_; }
  // "Pasta pessoal" and the drives; each item's Qt::UserRole holds its path.
  QListWidget* places() const { return places_; }
  QTreeView* tree() const { return tree_; }
  QFileSystemModel* folders() const { return model_; }
  void Select();
  void UseCurrentFolder();

 private:
  // Selects `folder` in the tree and the typed path.
  void ShowFolder(const QString& folder);

  FolderChooser chooser_;
  Prompter& prompter_;
  std::optional<platform::Path> chosen_;
  QLineEdit* edit_ = nullptr;
  QListWidget* places_ = nullptr;
  QString shown_;  // kept in view while the tree loads, until the user picks another
  QTreeView* tree_ = nullptr;
  QFileSystemModel* model_ = nullptr;
};

// Shows the chooser; the folder chosen, or nothing when cancelled.
std::optional<platform::Path> ChooseFolder(const platform::Path& start,
                                           const platform::Path& current_folder,
                                           std::string_view caption, Prompter& prompter,
                                           QWidget* parent);

}  // namespace ledra::backup::ui
