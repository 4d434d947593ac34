#include "backup/ui/folder_chooser_dialog.h"

#include <QDialogButtonBox>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/folder_shortcuts.h"
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

  const platform::Path known_home = platform::UserHomeFolder();
  const platform::Path home = known_home.empty() ? platform::Path("/") : known_home;
  places_ = new QListWidget(this);
  auto add_place = [this](const QString& text, const platform::Path& folder) {
    auto* item = new QListWidgetItem(text, places_);
    item->setData(Qt::UserRole, PathText(folder));
    item->setToolTip(PathText(folder));
  };
  add_place(qt::Text(str::kHomeFolderShortcut), home);
  for (const platform::Path& drive :
       platform::RemovableDriveFolders("/", platform::UserLoginName()))
    add_place(QString::fromStdString(drive.filename().string()), drive);
  // As wide as the names, within reason: a long drive name is elided, its path is the tooltip.
  places_->setTextElideMode(Qt::ElideMiddle);
  places_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  places_->setFixedWidth(
      std::clamp(places_->sizeHintForColumn(0) + 2 * places_->frameWidth() + 8, 120, 220));

  model_ = new QFileSystemModel(this);
  model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  model_->setRootPath(QString());
  tree_ = new QTreeView(this);
  tree_->setModel(model_);
  for (int c = 1; c < model_->columnCount(); ++c) tree_->hideColumn(c);
  tree_->header()->hide();
  auto* browse = new QHBoxLayout;
  browse->addWidget(places_);
  browse->addWidget(tree_, 1);
  layout->addLayout(browse, 1);

  edit_ = new QLineEdit(this);
  layout->addWidget(edit_);
  connect(tree_, &QTreeView::clicked, this, [this](const QModelIndex& index) {
    shown_.clear();
    edit_->setText(model_->filePath(index));
  });
  connect(places_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ShowFolder(item->data(Qt::UserRole).toString()); });
  // The tree fills in as folders are read: keep the folder shown in view.
  connect(model_, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
    if (!shown_.isEmpty() && shown_.startsWith(loaded))
      tree_->scrollTo(model_->index(shown_), QAbstractItemView::PositionAtCenter);
  });
  ShowFolder(PathText(platform::StartFolder(start, home)));

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
  resize(640, 460);
}

void FolderChooserDialog::ShowFolder(const QString& folder) {
  shown_ = folder;
  edit_->setText(folder);
  const QModelIndex index = model_->index(folder);
  tree_->setCurrentIndex(index);
  tree_->expand(index);
  tree_->scrollTo(index, QAbstractItemView::PositionAtCenter);
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
