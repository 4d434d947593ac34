#pragma once
// `ledra-cli mail`: sends one message the way the program does, through the
// mail settings of the data folder (options may stand in for them).

#include <memory>
#include <nlohmann/json.hpp>

#include "cli/cli_command.h"
#include "platform/mail.h"
#include "platform/mail_settings.h"

namespace ledra::cli {

std::unique_ptr<CliCommand> MakeMailCommand();

// Sends through the settings (the SMTP password from LEDRA_SMTP_PASSWORD or
// the keyring); puts "outcome" and "detail" into `result`. Returns the exit
// code, having reported a refusal or failure on the error stream.
int SendWithSettings(const CliContext& context, const platform::MailSettings& settings,
                     const platform::MailRequest& request, nlohmann::ordered_json& result);

}  // namespace ledra::cli
