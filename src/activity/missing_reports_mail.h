#pragma once
// The reminder the not-reported list mails to the publishers it shows:
// "Não Relataram %1" with the month of the list, "Envie seu relatório para
// %1. Obrigado.", from the secretary's address (when it has at least four
// characters) or "LEDRA". Each publisher gets it as a blind copy, so no one
// sees the others' addresses; publishers without a usable address are left out.

#include <string>
#include <string_view>
#include <vector>

#include "activity/status_list.h"
#include "platform/mail.h"
#include "platform/result.h"

namespace ledra::activity {

// The usable e-mail addresses (UTF-8) of the publishers the not-reported
// list shows for the choice, in list order, each once.
Result<std::vector<std::string>> ReminderAddresses(const store::CongregationDatabase& db,
                                                   const StatusListChoice& choice);

// The message, refused for any other list and when nobody listed has an
// address ("Nenhum publicador desta lista tem endereço de e-mail.").
// `secretary_email` is the ANSI "Sec" setting.
Result<platform::MailRequest> MissingReportsReminder(const store::CongregationDatabase& db,
                                                     const StatusListChoice& choice,
                                                     std::string_view secretary_email);

}  // namespace ledra::activity
