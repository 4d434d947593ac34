#include "interchange/ui/import_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"

namespace ledra::interchange::ui {
namespace {

constexpr const char* kReplacingColour = "#fff7c0";  // light yellow
constexpr const char* kNewDataColour = "#d8f5d0";    // light green

QString PreviewHtml(const ImportPreview& p) {
  QString html = "<b>" + qt::FromAnsi(p.name).toHtmlEscaped() + "</b>";
  if (!p.late_text.empty()) html += "<br>" + qt::FromAnsi(p.late_text).toHtmlEscaped();
  html += "<table cellspacing='6'><tr><th></th><th>" +
          qt::FromAnsi(p.imported_heading).toHtmlEscaped() + "</th><th>" +
          qt::FromAnsi(p.entered_heading).toHtmlEscaped() + "</th></tr>";
  for (const PreviewRow& r : p.rows)
    html += "<tr><td>" + qt::FromAnsi(r.label).toHtmlEscaped() + "</td><td align='right'>" +
            qt::FromAnsi(r.imported).toHtmlEscaped() + "</td><td align='right'>" +
            qt::FromAnsi(r.entered).toHtmlEscaped() + "</td></tr>";
  return html + "</table>";
}

}  // namespace

ImportDialog::ImportDialog(store::Document& doc, ImportTable table, QWidget* parent)
    : QDialog(parent), doc_(doc), model_(doc, std::move(table)) {
  setWindowTitle(qt::Text(str::kImportPreviewCaption));
  auto* outer = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  outer->addLayout(left, 1);
  list_ = new QListWidget(this);
  list_->setSelectionMode(QAbstractItemView::MultiSelection);
  list_->setMouseTracking(true);
  for (const ImportLine& line : model_.lines()) list_->addItem(qt::FromAnsi(line.name));
  list_->setMinimumWidth(list_->sizeHintForColumn(0) + 40);
  available_ = new QLabel(qt::FromAnsi(model_.AvailableText()), this);
  selected_ = new QLabel(this);
  left->addWidget(list_, 1);
  left->addWidget(available_);
  left->addWidget(selected_);
  auto* buttons = new QHBoxLayout;
  import_ = new QPushButton(qt::Text(str::kImportButton), this);
  auto* cancel = new QPushButton(qt::Text(str::kRecCancelButton), this);
  auto* clear = new QPushButton(qt::Text(str::kImportClearAll), this);
  auto* all = new QPushButton(qt::Text(str::kImportSelectAll), this);
  for (QPushButton* b : {import_, cancel, clear, all}) buttons->addWidget(b);
  left->addLayout(buttons);

  preview_ = new QLabel(qt::Text(str::kImportPreviewHint), this);
  preview_->setTextFormat(Qt::RichText);
  preview_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  preview_->setWordWrap(true);
  preview_->setMinimumWidth(300);
  preview_->setMargin(8);
  preview_->setAutoFillBackground(true);
  outer->addWidget(preview_, 1);

  connect(list_, &QListWidget::itemEntered, this,
          [this](QListWidgetItem* item) { ShowPreview(list_->row(item)); });
  connect(list_, &QListWidget::currentRowChanged, this, &ImportDialog::ShowPreview);
  connect(list_, &QListWidget::itemSelectionChanged, this, &ImportDialog::SelectionChanged);
  connect(import_, &QPushButton::clicked, this, &ImportDialog::ImportSelected);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(clear, &QPushButton::clicked, list_, &QListWidget::clearSelection);
  connect(all, &QPushButton::clicked, list_, &QListWidget::selectAll);
  list_->selectAll();
  SelectionChanged();
  resize(760, 460);
}

void ImportDialog::SelectionChanged() {
  const int n = static_cast<int>(list_->selectedItems().size());
  selected_->setText(qt::FromAnsi(ImportDialogModel::SelectedText(n)));
  import_->setVisible(ImportDialogModel::CanImport(n));
}

void ImportDialog::ShowPreview(int line) {
  if (line < 0 || line >= list_->count()) return;
  const ImportPreview p = model_.PreviewOf(line);
  preview_->setText(PreviewHtml(p));
  preview_->setStyleSheet(
      QString("QLabel { background: %1; }").arg(p.replaces ? kReplacingColour : kNewDataColour));
}

void ImportDialog::ImportSelected() {
  std::vector<int> chosen;
  for (int i = 0; i < list_->count(); ++i)
    if (list_->item(i)->isSelected()) chosen.push_back(i);
  if (chosen.empty()) return;
  merged_ = model_.Merge(doc_, chosen);
  accept();
}

int RunImportDialog(store::Document& doc, ImportTable table, QWidget* parent) {
  ImportDialog dialog(doc, std::move(table), parent);
  dialog.exec();
  return dialog.merged();
}

}  // namespace ledra::interchange::ui
