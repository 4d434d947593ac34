#include "backup/ui/folder_chooser_dialog.h"

#include <QDialogButtonBox>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"

namespace ledra::backup::ui {
namespace {

QString PathText(const platform::Path& p) {
  return QString::fromStdString(p.string());
}

}  // namespace

FolderChooserDialog::FolderChooserDialog(const platform::Path& start,
                                         const platform::Path& current_folder,
                                         std::string_view caption, Prompter& prompter,
                                         QWidget* parent)
    : QDialog(parent), chooser_(current_folder), prompter_(prompter) {
  setWindowTitle(qt::Text(str::kSelectFolderCaption));
  auto* layout = new QVBoxLayout(this);
  if (!caption.empty()) layout->addWidget(new QLabel(qt::FromAnsi(caption), this));

  model_ = new QFileSystemModel(this);
  model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  model_->setRootPath(QString());
  tree_ = new QTreeView(this);
  tree_->setModel(model_);
  for (int c = 1; c < model_->columnCount(); ++c) tree_->hideColumn(c);
  tree_->header()->hide();
  tree_->setCurrentIndex(model_->index(PathText(start)));
  layout->addWidget(tree_);

  edit_ = new QLineEdit(PathText(start), this);
  layout->addWidget(edit_);
  connect(tree_, &QTreeView::clicked, this,
          [this](const QModelIndex& index) { edit_->setText(model_->filePath(index)); });

  auto* buttons = new QDialogButtonBox(this);
  auto* select =
      buttons->addButton(qt::Text(str::kSelectFolderButton), QDialogButtonBox::AcceptRole);
  auto* current =
      buttons->addButton(qt::Text(str::kCurrentFolderButton), QDialogButtonBox::ActionRole);
  buttons->addButton(QDialogButtonBox::Cancel);
  select->setDefault(true);
  connect(select, &QPushButton::clicked, this, &FolderChooserDialog::Select);
  connect(current, &QPushButton::clicked, this, &FolderChooserDialog::UseCurrentFolder);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(480, 420);
}

void FolderChooserDialog::Select() {
  chosen_ = chooser_.Select(edit_->text().toStdString(), prompter_);
  if (chosen_) accept();
}

void FolderChooserDialog::UseCurrentFolder() {
  edit_->setText(PathText(chooser_.current_folder()));
  chosen_ = chooser_.current_folder();
  accept();
}

std::optional<platform::Path> ChooseFolder(const platform::Path& start,
                                           const platform::Path& current_folder,
                                           std::string_view caption, Prompter& prompter,
                                           QWidget* parent) {
  FolderChooserDialog dialog(start, current_folder, caption, prompter, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.chosen();
}

}  // namespace ledra::backup::ui
