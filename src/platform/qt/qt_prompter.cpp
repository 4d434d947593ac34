#include "platform/qt/qt_prompter.h"

#include <QMessageBox>

#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::qt {
namespace {

QMessageBox::StandardButton Ask(QWidget* parent, QMessageBox::Icon icon, std::string_view text,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton fallback,
                                bool fallback_default = false) {
  QMessageBox box(icon, FromAnsi(Strings().Part(str::kAppTitle, 0)), FromAnsi(text), buttons,
                  parent);
  box.setDefaultButton(fallback_default                     ? fallback
                       : buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes
                                                            : QMessageBox::Ok);
  box.setEscapeButton(fallback);
  const int pressed = box.exec();
  // A box closed by the window manager counts as its escape button.
  return pressed == 0 ? fallback : static_cast<QMessageBox::StandardButton>(pressed);
}

}  // namespace

void QtPrompter::Inform(std::string_view text) {
  Ask(parent_, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

Answer QtPrompter::AskYesNoCancel(std::string_view text) {
  switch (Ask(parent_, QMessageBox::Question, text,
              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel)) {
    case QMessageBox::Yes:
      return Answer::kYes;
    case QMessageBox::No:
      return Answer::kNo;
    default:
      return Answer::kCancel;
  }
}

Answer QtPrompter::AskOkCancel(std::string_view text) {
  return Ask(parent_, QMessageBox::Question, text, QMessageBox::Ok | QMessageBox::Cancel,
             QMessageBox::Cancel) == QMessageBox::Ok
             ? Answer::kOk
             : Answer::kCancel;
}

Answer QtPrompter::AskOkCancelDefaultCancel(std::string_view text) {
  return Ask(parent_, QMessageBox::Question, text, QMessageBox::Ok | QMessageBox::Cancel,
             QMessageBox::Cancel, /*fallback_default=*/true) == QMessageBox::Ok
             ? Answer::kOk
             : Answer::kCancel;
}

}  // namespace ledra::qt
