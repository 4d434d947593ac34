#include "action_panel.h"

#include <QGridLayout>
#include <QLabel>

#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::gui {
namespace {

constexpr int kFirstButton = 20800;   // "Relatórios em Falta"
constexpr int kLastButton = 20821;    // "Sair"
constexpr int kReturnFormat = 20405;  // "%s ->"

}  // namespace

ActionPanel::ActionPanel(QWidget* parent) : QWidget(parent) {
  grid_ = new QGridLayout(this);
  for (int id = kFirstButton; id <= kLastButton; ++id) {
    auto* b = new QPushButton(qt::Text(id), this);
    b->setMinimumHeight(36);
    b->setVisible(false);
    connect(b, &QPushButton::clicked, this, [this, id] {
      if (auto it = commands_.find(id); it != commands_.end() && it->second) it->second();
    });
    buttons_[id] = b;
  }
  caption_ = new QLabel(qt::FromAnsi(Strings().Part(str::kAppTitle, 0)), this);
  caption_->setAlignment(Qt::AlignCenter);
  return_ = new QPushButton(this);
  return_->setVisible(false);
  connect(return_, &QPushButton::clicked, this, [this] {
    if (return_command_) return_command_();
  });
  Relayout();
}

void ActionPanel::Relayout() {
  // The buttons in use, in their fixed order and without holes for the others.
  constexpr int kColumns = 3;
  while (grid_->count() > 0) delete grid_->takeAt(0);
  int at = 0;
  for (const auto& [id, button] : buttons_) {
    if (!commands_.contains(id) || !commands_[id]) continue;
    grid_->addWidget(button, at / kColumns, at % kColumns);
    ++at;
  }
  const int rows = (at + kColumns - 1) / kColumns;
  grid_->addWidget(caption_, rows, 0, 1, kColumns);
  grid_->addWidget(return_, rows + 1, 0, 1, kColumns);
  grid_->setRowStretch(rows + 2, 1);
}

void ActionPanel::SetCommand(int text_id, std::function<void()> command) {
  auto it = buttons_.find(text_id);
  if (it == buttons_.end()) return;
  commands_[text_id] = std::move(command);
  it->second->setVisible(static_cast<bool>(commands_[text_id]));
  Relayout();
}

void ActionPanel::SetReturn(const QString& open_month, std::function<void()> command) {
  return_command_ = std::move(command);
  QString text = qt::Text(kReturnFormat);
  text.replace(QStringLiteral("%s"), open_month);
  return_->setText(text);
  return_->setVisible(!open_month.isEmpty());
}

QPushButton* ActionPanel::button(int text_id) const {
  auto it = buttons_.find(text_id);
  return it == buttons_.end() ? nullptr : it->second;
}

}  // namespace ledra::gui
