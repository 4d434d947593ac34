#pragma once
// The home view: the congregation's name, the ReportMonth with its state and
// how many reports are in, then large buttons for the main commands in their
// fixed order, each with its keyboard accelerator. A button shows only once
// its command exists; the last button, shown while a past month is viewed,
// returns to the open month.

#include <QPushButton>
#include <QWidget>
#include <functional>
#include <map>

#include "activity/home_summary.h"

class QGridLayout;
class QLabel;
class QMenuBar;

namespace ledra::gui {

class ActionPanel : public QWidget {
  Q_OBJECT

 public:
  explicit ActionPanel(QWidget* parent = nullptr);

  // Attaches a command to the button named by string `text_id` (20800-20821)
  // and shows it.
  void SetCommand(int text_id, std::function<void()> command);
  // The return button: shown with "<open month> ->" when `open_month` is not empty.
  void SetReturn(const QString& open_month, std::function<void()> command);
  // Where the heading's figures come from; asked again at each Refresh.
  void SetSummarySource(std::function<activity::HomeSummary()> source);
  // The buttons' accelerators keep clear of the menu titles' letters.
  void ReserveKeysOf(const QMenuBar& bar);
  void Refresh();

  QPushButton* button(int text_id) const;
  QPushButton* return_button() const { return return_; }
  QLabel* title_label() const { return title_; }
  QLabel* month_label() const { return month_; }
  QLabel* state_label() const { return state_; }
  QLabel* reports_label() const { return reports_; }

 protected:
  // Coming back from a dialog: the figures may have changed there.
  void changeEvent(QEvent* event) override;

 private:
  void Relayout();

  QGridLayout* grid_ = nullptr;
  QLabel* title_ = nullptr;
  QLabel* month_ = nullptr;
  QLabel* state_ = nullptr;
  QLabel* reports_ = nullptr;
  std::map<int, QPushButton*> buttons_;
  std::map<int, std::function<void()>> commands_;
  QPushButton* return_ = nullptr;
  std::function<void()> return_command_;
  std::function<activity::HomeSummary()> summary_;
  std::string reserved_keys_;
};

}  // namespace ledra::gui
