#pragma once
// The start screen: large buttons for the main commands, in their fixed
// order. A button shows only once its command exists; the last button, shown
// while a past month is viewed, returns to the open month.

#include <QPushButton>
#include <QWidget>
#include <functional>
#include <map>

class QGridLayout;
class QLabel;

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
  QPushButton* button(int text_id) const;
  QPushButton* return_button() const { return return_; }

 private:
  void Relayout();

  QGridLayout* grid_ = nullptr;
  QLabel* caption_ = nullptr;
  std::map<int, QPushButton*> buttons_;
  std::map<int, std::function<void()>> commands_;
  QPushButton* return_ = nullptr;
  std::function<void()> return_command_;
};

}  // namespace ledra::gui
