#include "cli/import_commands.h"

#include <CLI/CLI.hpp>
#include <algorithm>

#include "cli/import_pick_list.h"
#include "interchange/collection_file.h"
#include "interchange/publist_reports.h"
#include "platform/files.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::cli {
namespace {

bool EndsWithT19(const platform::Path& file) {
  std::string ext = file.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext == ".t19";
}

class ImportCommand final : public CliCommand {
 public:
  std::string Name() const override { return "import"; }
  std::string Description() const override {
    return "A month's reports from a group's .t19 file or an XML list: the pick list, and the "
           "merge";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--password", password_, "Password of a protected folder");
    for (auto [name, help] : {std::pair{"xml", "Reports of the ReportMonth from an XML list"},
                              std::pair{"t19", "A group overseer's returned collection file"}}) {
      CLI::App* sub = command.add_subcommand(name, help);
      sub->add_option("file", file_, "The file")->required();
      sub->add_flag("--apply", options_.apply, "Merge the lines and save");
      sub->add_option("--lines", options_.lines,
                      "Lines of the pick list to merge, 0-based, comma-separated (default all)");
      sub->fallthrough();
      (std::string_view(name) == "xml" ? xml_ : t19_) = sub;
    }
    command.require_subcommand(1, 1);
  }
  int Run(const CliContext& context) override {
    if (t19_->parsed() && !EndsWithT19(file_))
      return Refuse(context, Strings().Format(str::kCliNotT19, {file_.string()}));
    auto doc =
        OpenCliDocument(context, options_.apply ? CliAccess::kWrite : CliAccess::kRead, password_);
    if (!doc) return doc.exit_code();
    const store::Document& document = *doc->document;
    Result<interchange::ImportTable> table = [&]() -> Result<interchange::ImportTable> {
      if (xml_->parsed()) return interchange::ReadXmlReportsFile(file_, document);
      const Result<std::string> bytes = platform::ReadFile(file_);
      if (!bytes) return bytes.error();
      return interchange::ReadCollectionFile(*bytes, document);
    }();
    if (!table) {
      if (table.error().id == str::kCollectWrongMonth || table.error().id == str::kXmlInvalid)
        return Refuse(context, table.error().text);
      PrintAnsi(*context.err, table.error().text);
      return kExitFailed;
    }
    return RunImportPickList(context, *doc, *table, options_);
  }

 private:
  CLI::App* xml_ = nullptr;
  CLI::App* t19_ = nullptr;
  platform::Path file_;
  ImportPickOptions options_;
  std::optional<std::string> password_;
};

}  // namespace

std::unique_ptr<CliCommand> MakeImportCommand() {
  return std::make_unique<ImportCommand>();
}

}  // namespace ledra::cli
