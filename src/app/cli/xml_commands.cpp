#include "cli/xml_commands.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/cli_document.h"
#include "cli/pdf_file.h"
#include "interchange/publist_export.h"
#include "interchange/publist_import.h"
#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::cli {
namespace {

using json = nlohmann::ordered_json;
using interchange::PubListSection;

class XmlCommand final : public CliCommand {
 public:
  std::string Name() const override { return "xml"; }
  std::string Description() const override {
    return "The publisher list as XML: export one list, or import a file";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--password", password_, "Password of a protected folder");
    export_ = command.add_subcommand("export", "Write the publishers of a list to an XML file");
    export_->add_option("--list", list_, "active, inactive or students")->required();
    export_->add_option("--ids", ids_, "Publisher ids, comma-separated (default: the whole list)");
    export_->add_option("--out", out_, "The file (default: Exports/Active.xml and so on)");
    export_->fallthrough();
    import_ = command.add_subcommand("import", "Update or add the publishers of an XML file");
    import_->add_option("file", in_, "The XML file")->required();
    import_->add_option("--ids", import_ids_, "Ids in the file of the publishers to take");
    import_->add_flag("--all", all_, "Take every publisher of the file");
    import_->add_option("--duplicates", duplicates_, "update (default) or new");
    import_->add_flag("--yes", yes_, "Confirm the import");
    import_->fallthrough();
    command.require_subcommand(1, 1);
  }
  int Run(const CliContext& context) override {
    return import_->parsed() ? RunImport(context) : RunExport(context);
  }

 private:
  int RunExport(const CliContext& context) {
    PubListSection section = PubListSection::kActive;
    if (list_ == "inactive")
      section = PubListSection::kInactive;
    else if (list_ == "students")
      section = PubListSection::kNonPublishers;
    else if (list_ != "active")
      return Refuse(context, Strings().Get(str::kCliXmlList));
    auto doc = OpenCliDocument(context, CliAccess::kRead, password_);
    if (!doc) return doc.exit_code();
    const store::Document& document = *doc->document;
    const auto& db = document.db();
    std::vector<int> rows;
    if (ids_.empty()) {
      for (const store::IndexEntry& e : db.status_list(interchange::SectionList(section)))
        rows.push_back(e.row);
    } else {
      const auto ids = ParseIdList(context, ids_, db);
      if (!ids) return kExitRefused;
      for (std::uint16_t id : *ids) {
        const int row = db.FindRow(id);
        if (!db.row(row).is(interchange::SectionList(section)))
          return Refuse(context, Strings().Format(str::kCliXmlNotInList, {std::to_string(id)}));
        rows.push_back(row);
      }
    }
    if (rows.empty()) return Refuse(context, Strings().Get(str::kCliXmlNobody));
    platform::Path file = out_;
    if (file.empty()) {
      const Result<platform::Path> folder = interchange::ExportFolder(context.data_dir);
      if (!folder) {
        PrintAnsi(*context.err, folder.error().text);
        return kExitFailed;
      }
      file = *folder / interchange::PubListFileName(section);
    }
    if (const Status written =
            interchange::WritePubList(document, section, rows, context.clock->Today(), file);
        !written) {
      PrintAnsi(*context.err, written.error().text);
      return kExitFailed;
    }
    *context.out << json{{"file", file.string()}, {"count", rows.size()}}.dump(1) << '\n';
    return kExitDone;
  }

  int RunImport(const CliContext& context) {
    if (duplicates_ != "update" && duplicates_ != "new")
      return Refuse(context, Strings().Get(str::kCliXmlDuplicates));
    if (all_ == !import_ids_.empty()) return Refuse(context, Strings().Get(str::kCliXmlIdsOrAll));
    auto doc = OpenCliDocument(context, CliAccess::kWrite, password_);
    if (!doc) return doc.exit_code();
    store::Document& document = *doc->document;
    const Result<interchange::PubListFile> file = interchange::ReadPubList(in_, document.db());
    if (!file) return Refuse(context, file.error().text);
    std::vector<int> chosen;
    for (std::size_t i = 0; i < file->entries.size(); ++i) {
      const long long id = file->entries[i].file_id;
      const bool wanted = all_ || ("," + import_ids_ + ",").find("," + std::to_string(id) + ",") !=
                                      std::string::npos;
      if (wanted) chosen.push_back(static_cast<int>(i));
    }
    const interchange::ImportTally tally = interchange::TallyOf(document.db(), *file, chosen);
    if (tally.too_many) return Refuse(context, Strings().Get(str::kXmlTooMany));
    if (!yes_) return Refuse(context, Strings().Format(str::kCliNeedsYes, {tally.line}));
    const auto outcome =
        interchange::ImportPubList(document, *file, chosen,
                                   duplicates_ == "new" ? interchange::DuplicateChoice::kNew
                                                        : interchange::DuplicateChoice::kUpdate,
                                   *doc->prompter);
    if (!outcome) return Refuse(context, outcome.error().text);
    if (document.db().modified && !document.SaveCommand(/*from_menu=*/false)) return kExitFailed;
    *context.out << json{{"added", outcome->added}, {"updated", outcome->updated}}.dump(1) << '\n';
    return kExitDone;
  }

  CLI::App* export_ = nullptr;
  CLI::App* import_ = nullptr;
  platform::Path in_;
  std::string import_ids_, duplicates_ = "update";
  bool all_ = false, yes_ = false;
  std::string list_, ids_;
  platform::Path out_;
  std::optional<std::string> password_;
};

}  // namespace

std::unique_ptr<CliCommand> MakeXmlCommand() {
  return std::make_unique<XmlCommand>();
}

}  // namespace ledra::cli
