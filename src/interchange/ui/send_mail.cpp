#include "interchange/ui/send_mail.h"

#include <QApplication>
#include <QInputDialog>
#include <QPointer>
#include <vector>

#include "interchange/mail_dispatch.h"
#include "interchange/mail_settings_model.h"
#include "platform/qt/qt_prompter.h"
#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"

namespace ledra::interchange::ui {
namespace {

// Disables every window of the program while the message goes, as the
// sending blocks the one thread the windows run on.
class WindowsDisabled {
 public:
  void Set(bool sending) {
    if (sending) {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isEnabled()) continue;
        w->setEnabled(false);
        disabled_.emplace_back(w);
      }
      QApplication::setOverrideCursor(Qt::WaitCursor);
      // The disabled look is drawn before the wait starts.
      QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
      return;
    }
    QApplication::restoreOverrideCursor();
    for (const QPointer<QWidget>& w : disabled_)
      if (w) w->setEnabled(true);
    disabled_.clear();
  }

 private:
  std::vector<QPointer<QWidget>> disabled_;
};

}  // namespace

platform::MailResult SendMailFromWindow(QWidget* parent, const platform::Path& data_folder,
                                        const platform::MailRequest& request) {
  qt::QtPrompter prompter(parent);
  WindowsDisabled windows;
  MailDispatch dispatch{platform::SystemKeyring(), prompter, nullptr, nullptr};
  dispatch.ask_password = [parent](std::string_view prompt) -> std::optional<std::string> {
    bool ok = false;
    const QString typed =
        QInputDialog::getText(parent, qt::Text(str::kMailPasswordTitle), qt::FromAnsi(prompt),
                              QLineEdit::Password, QString(), &ok);
    if (!ok) return std::nullopt;
    return typed.toStdString();
  };
  dispatch.on_sending = [&windows](bool sending) { windows.Set(sending); };
  return DispatchMail(LoadMailSettings(data_folder), request, dispatch);
}

}  // namespace ledra::interchange::ui
