#include "cli/collect_command.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/cli_document.h"
#include "cli/mail_command.h"
#include "interchange/collection_prep_model.h"
#include "platform/codepage.h"
#include "platform/ini_file.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::cli {
namespace {

using json = nlohmann::ordered_json;

class CollectCommand final : public CliCommand {
 public:
  std::string Name() const override { return "collect"; }
  std::string Description() const override {
    return "A group overseer's collection file (.t09) for the month, and mailing it";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--password", password_, "Password of a protected folder");
    CLI::App* prepare = command.add_subcommand("prepare", "Write GroupN.t09 in the data folder");
    prepare->add_option("--group", group_, "The field service group")->required();
    prepare->add_flag("--next-month", next_month_, "Collect the month after the ReportMonth");
    prepare->add_flag("--empty", empty_, "A new, empty list");
    prepare->add_option("--secretary-email", secretary_email_,
                        "The secretary's address, kept in the settings");
    prepare->add_flag("--mail", mail_,
                      "Also send the file to the overseer (or assistant) by the mail settings");
    prepare->fallthrough();
    command.require_subcommand(1, 1);
  }
  int Run(const CliContext& context) override {
    auto doc = OpenCliDocument(context, CliAccess::kRead, password_);
    if (!doc) return doc.exit_code();
    const store::Document& document = *doc->document;
    const int groups = document.db().side.groups.count();
    if (group_ < 1 || group_ > groups)
      return Refuse(context, Strings().Format(str::kCliCollectGroup, {std::to_string(groups)}));
    const platform::Path settings_file = store::SettingsPath(context.data_dir);
    store::Settings settings = store::LoadSettings(settings_file, document.db().language_code);
    interchange::CollectionPrepModel model(document, settings, group_);
    model.set_next_month(next_month_);
    model.set_empty_list(empty_);
    if (secretary_email_) {
      const platform::Converted ansi = platform::Utf8ToAnsi(*secretary_email_);
      model.set_secretary_email(ansi.text);
    }
    const auto saved = model.Save(settings);
    if (!saved) {
      PrintAnsi(*context.err, saved.error().text);
      return kExitFailed;
    }
    if (saved->settings_changed)
      (void)store::SaveSettings(settings, settings_file, document.db().language_code);
    const Result<std::string> bytes = platform::ReadFile(saved->file);
    const int remark_count = bytes ? interchange::CollectionRemarkCount(*bytes) : 0;
    json result{{"file", saved->file.string()},
                {"publishers", model.Members()},
                {"missing", empty_ ? model.Members() : model.Missing()},
                {"remarks", remark_count},
                {"recipient", platform::AnsiToUtf8(model.Recipient())}};
    int code = kExitDone;
    if (mail_) {
      // The file stays in the data folder whatever the mail does.
      if (model.Recipient().empty()) {
        *context.out << result.dump(1) << '\n';
        return Refuse(context, model.MailButtonText());
      }
      json sent;
      code = SendWithSettings(context,
                              platform::ReadMailSettings(platform::IniFile::Load(settings_file)),
                              model.Mail(saved->file), sent);
      result["mail"] = sent;
    }
    *context.out << result.dump(1) << '\n';
    return code;
  }

 private:
  int group_ = 0;
  bool next_month_ = false, empty_ = false, mail_ = false;
  std::optional<std::string> secretary_email_, password_;
};

}  // namespace

std::unique_ptr<CliCommand> MakeCollectCommand() {
  return std::make_unique<CollectCommand>();
}

}  // namespace ledra::cli
