#pragma once
// The folder chooser "Select folder": a folder tree, the typed path, and the
// buttons "Select" and "Current Folder". FolderChooser holds the rules.

#include <QDialog>
#include <optional>

#include "backup/folder_chooser.h"
#include "platform/prompter.h"

class QLineEdit;
class QTreeView;
class QFileSystemModel;

namespace ledra::backup::ui {

class FolderChooserDialog : public QDialog {
  Q_OBJECT

 public:
  // `caption` (ANSI) is shown above the tree when not empty.
  FolderChooserDialog(const platform::Path& start, const platform::Path& current_folder,
                      std::string_view caption, Prompter& prompter, QWidget* parent = nullptr);

  const std::optional<platform::Path>& chosen() const { return chosen_; }
  QLineEdit* edit() const { return edit_; }
  void Select();
  void UseCurrentFolder();

 private:
  FolderChooser chooser_;
  Prompter& prompter_;
  std::optional<platform::Path> chosen_;
  QLineEdit* edit_ = nullptr;
  QTreeView* tree_ = nullptr;
  QFileSystemModel* model_ = nullptr;
};

// Shows the chooser; the folder chosen, or nothing when cancelled.
std::optional<platform::Path> ChooseFolder(const platform::Path& start,
                                           const platform::Path& current_folder,
                                           std::string_view caption, Prompter& prompter,
                                           QWidget* parent);

}  // namespace ledra::backup::ui
