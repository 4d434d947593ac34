#include "action_panel.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include "platform/mnemonics.h"
#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::gui {
namespace {

constexpr int kFirstButton = 20800;   // "Relatórios em Falta"
constexpr int kLastButton = 20821;    // "Sair"
constexpr int kReturnFormat = 20405;  // "%s ->"
constexpr int kColumns = 3;

QLabel* Heading(QWidget* parent, double scale, bool bold) {
  auto* label = new QLabel(parent);
  QFont font = label->font();
  font.setPointSizeF(font.pointSizeF() * scale);
  font.setBold(bold);
  label->setFont(font);
  label->setWordWrap(true);
  return label;
}

}  // namespace

ActionPanel::ActionPanel(QWidget* parent) : QWidget(parent) {
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(36, 28, 36, 28);
  page->setSpacing(6);
  title_ = Heading(this, 1.8, true);
  title_->setText(qt::FromAnsi(Strings().Part(str::kAppTitle, 0)));
  month_ = Heading(this, 1.25, false);
  auto* status = new QHBoxLayout;
  state_ = Heading(this, 1.0, true);
  state_->setWordWrap(false);
  reports_ = Heading(this, 1.0, false);
  status->addWidget(state_);
  status->addSpacing(18);
  status->addWidget(reports_, 1);
  page->addWidget(title_);
  page->addWidget(month_);
  page->addLayout(status);
  auto* rule = new QFrame(this);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  page->addSpacing(12);
  page->addWidget(rule);
  page->addSpacing(12);

  grid_ = new QGridLayout;
  grid_->setHorizontalSpacing(14);
  grid_->setVerticalSpacing(10);
  for (int c = 0; c < kColumns; ++c) grid_->setColumnStretch(c, 1);
  page->addLayout(grid_);
  page->addStretch(1);

  QFont big = font();
  big.setPointSizeF(big.pointSizeF() * 1.1);
  for (int id = kFirstButton; id <= kLastButton; ++id) {
    auto* b = new QPushButton(qt::Text(id), this);
    b->setFont(big);
    b->setMinimumHeight(44);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    b->setVisible(false);
    connect(b, &QPushButton::clicked, this, [this, id] {
      if (auto it = commands_.find(id); it != commands_.end() && it->second) it->second();
      // The command's dialogs have closed: the month or its reports may have changed.
      Refresh();
    });
    buttons_[id] = b;
  }
  return_ = new QPushButton(this);
  return_->setFont(big);
  return_->setMinimumHeight(44);
  return_->setVisible(false);
  connect(return_, &QPushButton::clicked, this, [this] {
    if (return_command_) return_command_();
  });
  Relayout();
}

void ActionPanel::Relayout() {
  // The buttons in use, in their fixed order and without holes for the others.
  while (grid_->count() > 0) delete grid_->takeAt(0);
  std::vector<QPushButton*> shown;
  std::vector<std::string> captions;
  for (const auto& [id, button] : buttons_) {
    if (!commands_.contains(id) || !commands_[id]) continue;
    shown.push_back(button);
    captions.push_back(Strings().Get(id));
  }
  const std::vector<std::string> keyed = platform::WithMnemonics(captions, reserved_keys_);
  for (std::size_t i = 0; i < shown.size(); ++i) {
    shown[i]->setText(qt::FromAnsi(keyed[i]));
    const int at = static_cast<int>(i);
    grid_->addWidget(shown[i], at / kColumns, at % kColumns);
  }
  const int rows = (static_cast<int>(shown.size()) + kColumns - 1) / kColumns;
  grid_->addWidget(return_, rows, 0, 1, kColumns);
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
  Refresh();
}

void ActionPanel::SetSummarySource(std::function<activity::HomeSummary()> source) {
  summary_ = std::move(source);
  Refresh();
}

void ActionPanel::ReserveKeysOf(const QMenuBar& bar) {
  reserved_keys_.clear();
  for (const QAction* a : bar.actions())
    if (char k = platform::MnemonicOf(qt::ToAnsi(a->text()))) reserved_keys_ += k;
  Relayout();
}

void ActionPanel::Refresh() {
  if (!summary_) return;
  const activity::HomeSummary h = summary_();
  title_->setText(qt::FromAnsi(h.title));
  month_->setText(qt::FromAnsi(h.month_line));
  state_->setText(qt::FromAnsi(h.state_line));
  // Green while reports can be entered, grey once the month is closed.
  const char* colour = h.state == activity::HomeMonthState::kOpen     ? "#1b7a2f"
                       : h.state == activity::HomeMonthState::kClosed ? "#6b6b6b"
                                                                      : "#9a5b00";
  state_->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(colour)));
  reports_->setText(qt::FromAnsi(h.reports_line));
}

void ActionPanel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible()) Refresh();
  QWidget::changeEvent(event);
}

QPushButton* ActionPanel::button(int text_id) const {
  auto it = buttons_.find(text_id);
  return it == buttons_.end() ? nullptr : it->second;
}

}  // namespace ledra::gui
