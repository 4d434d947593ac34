#include "welcome_dialog.h"

#include <QCommandLinkButton>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::gui {
namespace {

constexpr int kExit = 20821;  // "Sair"

}  // namespace

WelcomeDialog::WelcomeDialog(const store::FirstStart& start, Prompter& prompter, QWidget* parent)
    : QDialog(parent), start_(start), prompter_(prompter) {
  const QString app = qt::FromAnsi(Strings().Part(str::kAppTitle, 0));
  setWindowTitle(app);
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(32, 28, 32, 20);
  page->setSpacing(10);

  auto* title = new QLabel(
      qt::FromAnsi(Strings().Format(str::kWelcomeTitle, {Strings().Part(str::kAppTitle, 0)})),
      this);
  QFont big = title->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  title->setFont(big);
  title->setWordWrap(true);
  auto* question = new QLabel(qt::Text(str::kWelcomeQuestion), this);
  question->setWordWrap(true);
  page->addWidget(title);
  page->addWidget(question);
  page->addSpacing(8);

  const auto link = [this, page](int text, const QString& note) {
    auto* b = new QCommandLinkButton(qt::Text(text), note, this);
    b->setMinimumWidth(560);
    page->addWidget(b);
    return b;
  };
  demo_ = link(str::kWelcomeDemo, qt::Text(str::kWelcomeDemoNote));
  existing_ = link(str::kWelcomeExisting, qt::Text(str::kWelcomeExistingNote));
  new_ = link(str::kWelcomeNew, qt::FromAnsi(start_.NewNote()));
  connect(demo_, &QPushButton::clicked, this, [this] { Choose(start_.Demo()); });
  connect(existing_, &QPushButton::clicked, this, &WelcomeDialog::OpenExisting);
  connect(new_, &QPushButton::clicked, this, [this] { Choose(start_.New()); });

  page->addStretch(1);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(qt::Text(kExit), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  page->addWidget(buttons);
  demo_->setFocus();
}

void WelcomeDialog::Choose(std::optional<store::FirstStartPlan> plan) {
  if (!plan) return;  // back to the three choices
  plan_ = std::move(plan);
  accept();
}

void WelcomeDialog::OpenExisting() {
  const QString folder = choose_folder
                             ? choose_folder()
                             : QFileDialog::getExistingDirectory(
                                   this, qt::Text(str::kWelcomeChooseFolder), QDir::homePath());
  if (folder.isEmpty()) return;
  Choose(start_.Existing(folder.toStdString(), prompter_));
}

}  // namespace ledra::gui
