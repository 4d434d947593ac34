// `ledra-cli list KIND`: a status list of the View menu as its dialog shows
// it for a month, period, group and selection, or the not-reported list's
// clipboard text.

#include "cli/list_command.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <ostream>

#include "activity/status_list.h"
#include "cli/cli_document.h"
#include "cli/status_list_args.h"
#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/settings.h"

namespace ledra::cli {
namespace {

using activity::StatusListKind;
using activity::StatusPeriod;
using json = nlohmann::ordered_json;

std::string Utf8(const std::string& ansi) {
  return platform::AnsiToUtf8(ansi);
}

class ListCommand final : public CliCommand {
 public:
  std::string Name() const override { return "list"; }
  std::string Description() const override {
    return "A status list of the View menu (not-reported, irregular, new, ...) as JSON (reads "
           "only)";
  }
  void Configure(CLI::App& command) override {
    command
        .add_option("kind", args_.kind, "not-reported, irregular, new, reactivated, inactive, ...")
        ->required();
    args_.AddOptions(command, /*with_group=*/true);
    command.add_flag("--clipboard", clipboard_, "not-reported: print the clipboard text instead");
    command.add_option("--password", password_, "Password of a protected folder");
  }

  int Run(const CliContext& context) override {
    auto doc = OpenCliDocument(context, CliAccess::kRead, password_);
    if (!doc) return doc.exit_code();
    const auto& db = doc->document->db();
    const store::Settings settings =
        store::LoadSettings(store::SettingsPath(context.data_dir), db.language_code);
    const activity::StatusList list(db,
                                    {settings.special_category_enabled, settings.special_category});
    activity::StatusListChoice choice;
    if (const int refused = args_.Parse(context, list, db, choice); refused != 0) return refused;
    if (clipboard_ && choice.kind != StatusListKind::kNotReported)
      return Refuse(context, Strings().Format(str::kCliOptionNotForList, {"--clipboard"}));
    if (clipboard_) {
      const Result<std::string> text = list.ClipboardText(choice);
      if (!text) return Refuse(context, text.error().text);
      *context.out << Utf8(*text);
      return 0;
    }
    const Result<activity::StatusListPage> page = list.Build(choice);
    if (!page) return Refuse(context, page.error().text);
    json lines = json::array();
    for (const activity::StatusLine& l : page->lines)
      lines.push_back({{"id", l.id}, {"text", Utf8(l.text)}});
    json out = {{"kind", args_.kind},
                {"caption", Utf8(page->caption)},
                {"heading", Utf8(page->heading)},
                {"lines", lines},
                // The inactive editor's list has no place in the dialog's drop-down.
                {"number", choice.kind == StatusListKind::kInactiveCandidates
                               ? json(nullptr)
                               : json(list.DialogNumber(choice.kind))},
                {"count", page->lines.size()},
                {"tab_stops", page->tab_stops}};
    *context.out << out.dump(1) << '\n';
    return 0;
  }

 private:
  StatusListArgs args_;
  std::optional<std::string> password_;
  bool clipboard_ = false;
};

}  // namespace

std::unique_ptr<CliCommand> MakeListCommand() {
  return std::make_unique<ListCommand>();
}

}  // namespace ledra::cli
