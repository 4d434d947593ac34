#pragma once
// The one way a window sends mail: the data folder's mail settings, the
// password from the keyring or asked for, the windows disabled while the
// message goes, and "Send Mail failed to send message." with the server's
// words on failure. Sent and cancelled show nothing.

#include <QWidget>

#include "platform/files.h"
#include "platform/mail.h"

namespace ledra::interchange::ui {

platform::MailResult SendMailFromWindow(QWidget* parent, const platform::Path& data_folder,
                                        const platform::MailRequest& request);

}  // namespace ledra::interchange::ui
