#include "backup/ui/backup_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "backup/ui/folder_chooser_dialog.h"
#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/document.h"
#include "store/password_check.h"
#include "store/ui/password_dialogs.h"

namespace ledra::backup::ui {
namespace {

QString PathText(const platform::Path& p) {
  return QString::fromStdString(p.string());
}

// The sets to restore: date | folder. Long folders are elided in the middle
// (their ends tell sets apart) with the whole path as tooltip, and the folder
// column takes whatever width the date leaves, so nothing scrolls sideways.
QTreeWidget* CatalogueView(QWidget* parent) {
  auto* view = new QTreeWidget(parent);
  view->setColumnCount(2);
  view->setHeaderLabels({qt::Text(str::kCatalogueDateColumn), qt::Text(str::kCatalogueSetColumn)});
  view->setRootIsDecorated(false);
  view->setUniformRowHeights(true);
  view->setAllColumnsShowFocus(true);
  view->setTextElideMode(Qt::ElideMiddle);
  view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QHeaderView* header = view->header();
  header->setStretchLastSection(true);
  header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  header->setSectionResizeMode(1, QHeaderView::Stretch);
  return view;
}

// The model reads the history while the wait text is up.
BackupDialogModel CheckingBackups(DialogMode mode, const platform::Path& data_folder) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  BackupDialogModel model(mode, data_folder);
  QApplication::restoreOverrideCursor();
  return model;
}

}  // namespace

BackupDialog::BackupDialog(DialogMode mode, store::Document& document, const Clock& clock,
                           Prompter& prompter, QWidget* parent)
    : QDialog(parent),
      model_(CheckingBackups(mode, document.data_folder())),
      document_(document),
      clock_(clock),
      prompter_(prompter) {
  ask_password = [this](const std::string& password) {
    store::ui::PasswordCheckDialog dialog(password, store::PasswordCheck::Purpose::kOpening, this);
    dialog.exec();
    return dialog.outcome() == store::PasswordOutcome::kGranted;
  };
  setWindowTitle(qt::FromAnsi(model_.caption()));
  auto* layout = new QVBoxLayout(this);
  auto* browse = new QPushButton(this);
  connect(browse, &QPushButton::clicked, this, &BackupDialog::Browse);

  if (mode == DialogMode::kBackup) {
    space_ = new QLabel(qt::FromAnsi(model_.required_space_text()), this);
    layout->addWidget(space_);
    auto* where = new QGroupBox(qt::Text(str::kWhereBackupStored), this);
    auto* where_layout = new QVBoxLayout(where);
    folder_ = new QLabel(where);
    where_layout->addWidget(folder_);
    browse->setText(qt::Text(str::kBrowse));
    where_layout->addWidget(browse);
    layout->addWidget(where);
  } else {
    auto* from = new QGroupBox(qt::Text(str::kSelectFromCatalogue), this);
    auto* from_layout = new QVBoxLayout(from);
    catalogue_ = CatalogueView(from);
    from_layout->addWidget(catalogue_);
    layout->addWidget(from, 1);
    connect(catalogue_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
      const int row = item ? catalogue_->indexOfTopLevelItem(item) : -1;
      if (row >= 0) model_.SelectEntry(static_cast<std::size_t>(row));
      Refresh();
    });
    browse->setText(qt::Text(str::kBrowseForSet));
    layout->addWidget(browse);
    last_ = new QPushButton(qt::Text(str::kUseLastBackup), this);
    connect(last_, &QPushButton::clicked, this, [this] {
      model_.UseLastBackup();
      Refresh();
    });
    layout->addWidget(last_);
    undo_ = new QPushButton(qt::Text(str::kUndoLastRestore), this);
    undo_->setVisible(model_.undo_offered());
    connect(undo_, &QPushButton::clicked, this, [this] {
      model_.SelectUndo();
      Refresh();
    });
    layout->addWidget(undo_);
    FillCatalogue();
  }

  status_ = new QLabel(this);
  status_->setWordWrap(true);
  layout->addWidget(status_);
  progress_ = new QProgressBar(this);
  progress_->setValue(0);
  layout->addWidget(progress_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  cancel_ = buttons->button(QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &BackupDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  Refresh();
  // Wide enough for a long date beside a usable part of the folder, well
  // within a small screen.
  const QSize hint = sizeHint();
  resize(std::clamp(hint.width(), 720, 1000),
         std::clamp(hint.height(), mode == DialogMode::kRestore ? 460 : 0, 700));
}

void BackupDialog::FillCatalogue() {
  catalogue_->clear();
  for (const auto& row : model_.catalogue_rows()) {
    const QString folder = qt::FromAnsi(row.folder);
    auto* item = new QTreeWidgetItem(catalogue_, {qt::FromAnsi(row.date), folder});
    item->setToolTip(0, folder);
    item->setToolTip(1, folder);
  }
}

void BackupDialog::Refresh() {
  if (folder_) folder_->setText(PathText(model_.folder()));
  status_->setText(qt::FromAnsi(model_.status_line()));
  ok_->setEnabled(model_.ok_enabled());
  const std::string cancel = model_.cancel_text();
  if (!cancel.empty()) cancel_->setText(qt::FromAnsi(cancel));
}

void BackupDialog::ApplyChosenFolder(const platform::Path& folder) {
  if (model_.mode() == DialogMode::kBackup) {
    if (auto message = model_.ChooseTargetFolder(folder)) prompter_.Inform(*message);
  } else {
    model_.ChooseRestoreFolder(folder);
    FillCatalogue();
  }
  Refresh();
}

void BackupDialog::Browse() {
  const std::string caption = model_.mode() == DialogMode::kRestore
                                  ? Strings().Get(str::kWhichFolderHoldsSet)
                                  : std::string{};
  if (auto folder =
          ChooseFolder(model_.folder(), document_.data_folder(), caption, prompter_, this))
    ApplyChosenFolder(*folder);
}

void BackupDialog::accept() {
  auto progress = [this](const std::string& line, std::size_t done, std::size_t total) {
    if (!line.empty()) status_->setText(qt::FromAnsi(line));
    progress_->setRange(0, static_cast<int>(total));
    progress_->setValue(static_cast<int>(done));
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  };
  setEnabled(false);
  const auto outcome = model_.Ok(document_, NowFrom(clock_), ask_password, progress);
  setEnabled(true);
  if (outcome.message) prompter_.Inform(*outcome.message);
  Refresh();
  if (outcome.close) QDialog::accept();
}

bool RunBackupCommand(store::Document& document, const Clock& clock, Prompter& prompter,
                      QWidget* parent) {
  BackupDialog dialog(DialogMode::kBackup, document, clock, prompter, parent);
  dialog.exec();
  return false;
}

bool RunRestoreCommand(store::Document& document, const Clock& clock, Prompter& prompter,
                       QWidget* parent) {
  BackupDialog dialog(DialogMode::kRestore, document, clock, prompter, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace ledra::backup::ui
