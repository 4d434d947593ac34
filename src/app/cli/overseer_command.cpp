#include "cli/overseer_command.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/cli_document.h"
#include "cli/database_json.h"
#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "records/circuit_overseer.h"

namespace ledra::cli {
namespace {

using json = nlohmann::ordered_json;

json OverseerJson(const store::Document& doc, int row) {
  if (row == 0) return nullptr;
  json j = PersonJson(doc.db(), row);
  const auto ext = doc.ReadExtension(row);
  j["email"] = platform::AnsiToUtf8(ext ? ext->email() : std::string{});
  return j;
}

class OverseerCommand final : public CliCommand {
 public:
  std::string Name() const override { return "overseer"; }
  std::string Description() const override {
    return "Show or edit the circuit overseer (\"Superintendente de circuito\")";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--first-name", first_, "First name (14 characters)");
    command.add_option("--surname", last_, "Surname (14 characters)");
    command.add_option("--address", address_, "Address (60 characters)");
    command.add_option("--phone", phone_, "Fixed phone (14 characters)");
    command.add_option("--mobile", mobile_, "Mobile (14 characters)");
    command.add_option("--phone3", phone3_, "Other phone (14 characters)");
    command.add_option("--email", email_, "E-mail (50 characters)");
    command.add_option("--password", password_, "Password of a protected folder");
  }

  int Run(const CliContext& context) override {
    const std::pair<const char*, const std::optional<std::string>*> given[] = {
        {"--first-name", &first_}, {"--surname", &last_},  {"--address", &address_},
        {"--phone", &phone_},      {"--mobile", &mobile_}, {"--phone3", &phone3_},
        {"--email", &email_}};
    bool edits = false;
    for (const auto& [option, value] : given) {
      if (!*value) continue;
      edits = true;
      if (platform::Utf8ToAnsi(**value).replaced) {
        return Refuse(context, Strings().Format(str::kCliBadValue,
                                                {option, platform::Utf8ToAnsi(**value).text}));
      }
    }
    auto doc = OpenCliDocument(context, edits ? CliAccess::kWrite : CliAccess::kRead, password_);
    if (!doc) return doc.exit_code();
    store::Document& document = *doc->document;
    records::CircuitOverseerEditor editor(document);
    if (!edits) {
      *context.out << json{{"overseer", OverseerJson(document, editor.row())}}.dump(1) << '\n';
      return kExitDone;
    }
    records::OverseerForm& f = editor.form();
    auto ansi = [](const std::optional<std::string>& v, std::string& field) {
      if (v) field = platform::Utf8ToAnsi(*v).text;
    };
    ansi(first_, f.first);
    ansi(last_, f.last);
    ansi(address_, f.address);
    ansi(phone_, f.phone);
    ansi(mobile_, f.mobile);
    ansi(phone3_, f.other_phone);
    ansi(email_, f.email);
    if (Status s = editor.Check(); !s) return Refuse(context, s.error().text);
    auto saved = editor.Save(*doc->prompter);
    if (!saved) return Refuse(context, saved.error().text);
    if (document.db().modified && !document.SaveCommand(/*from_menu=*/false)) return kExitFailed;
    json changed = json::array();
    if (*saved) changed.push_back(OverseerJson(document, editor.row()));
    *context.out << json{{"changed", changed}}.dump(1) << '\n';
    return kExitDone;
  }

 private:
  std::optional<std::string> first_, last_, address_, phone_, mobile_, phone3_, email_, password_;
};

}  // namespace

std::unique_ptr<CliCommand> MakeOverseerCommand() {
  return std::make_unique<OverseerCommand>();
}

}  // namespace ledra::cli
