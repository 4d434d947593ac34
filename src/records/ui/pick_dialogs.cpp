#include "records/ui/pick_dialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"

namespace ledra::records::ui {

std::vector<int> ActiveRows(const store::CongregationDatabase& db) {
  std::vector<int> rows;
  for (const store::IndexEntry& e : db.status_list(store::ListType::kActive)) rows.push_back(e.row);
  return rows;
}

std::optional<std::vector<int>> PickPublishers(const store::CongregationDatabase& db,
                                               const std::vector<int>& rows, const QString& title,
                                               QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle(title);
  auto* layout = new QVBoxLayout(&dialog);
  auto* list = new QListWidget(&dialog);
  list->setSelectionMode(QAbstractItemView::MultiSelection);
  for (int row : rows) list->addItem(qt::FromAnsi(db.DisplayName(row, !db.sort_by_first_name)));
  layout->addWidget(list);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  dialog.resize(360, 480);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  std::vector<int> chosen;
  for (int i = 0; i < list->count(); ++i)
    if (list->item(i)->isSelected()) chosen.push_back(rows[static_cast<std::size_t>(i)]);
  return chosen;
}

std::optional<int> PickFirstLabel(QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle(qt::Text(str::kLabelFirst));
  auto* grid = new QGridLayout(&dialog);
  int chosen = 0;
  for (int n = 1; n <= 20; ++n) {
    auto* button = new QPushButton(QString::number(n), &dialog);
    button->setMinimumWidth(120);
    grid->addWidget(button, (n - 1) / 2, (n - 1) % 2);
    QObject::connect(button, &QPushButton::clicked, &dialog, [&dialog, &chosen, n] {
      chosen = n;
      dialog.accept();
    });
  }
  if (dialog.exec() != QDialog::Accepted || chosen == 0) return std::nullopt;
  return chosen;
}

}  // namespace ledra::records::ui
