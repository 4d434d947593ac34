#pragma once
// The first start's welcome: open the demonstration congregation, open the
// folder of the secretary's existing files, or start a new congregation.

#include <QDialog>
#include <functional>
#include <optional>

#include "platform/prompter.h"
#include "store/first_start.h"

class QCommandLinkButton;

namespace ledra::gui {

class WelcomeDialog : public QDialog {
  Q_OBJECT

 public:
  WelcomeDialog(const store::FirstStart& start, Prompter& prompter, QWidget* parent = nullptr);

  // The way in chosen; nullopt when the user left.
  const std::optional<store::FirstStartPlan>& plan() const { return plan_; }

  QCommandLinkButton* demo_button() const { return demo_; }
  QCommandLinkButton* existing_button() const { return existing_; }
  QCommandLinkButton* new_button() const { return new_; }
  // Answers the folder dialog instead of showing it (tests).
  std::function<QString()> choose_folder;

 private:
  void Choose(std::optional<store::FirstStartPlan> plan);
  void OpenExisting();

  const store::FirstStart& start_;
  Prompter& prompter_;
  std::optional<store::FirstStartPlan> plan_;
  QCommandLinkButton* demo_ = nullptr;
  QCommandLinkButton* existing_ = nullptr;
  QCommandLinkButton* new_ = nullptr;
};

}  // namespace ledra::gui
