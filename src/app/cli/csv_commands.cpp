#include "cli/csv_commands.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/cli_document.h"
#include "cli/import_pick_list.h"
#include "interchange/csv_column_map.h"
#include "interchange/csv_export.h"
#include "interchange/csv_import.h"
#include "interchange/csv_mapping_step.h"
#include "interchange/csv_name_map.h"
#include "interchange/csv_name_step.h"
#include "interchange/csv_reader.h"
#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/settings.h"

namespace ledra::cli {
namespace {

using json = nlohmann::ordered_json;
using interchange::CsvTarget;
using interchange::ExportKind;

constexpr std::pair<std::string_view, CsvTarget> kTargetNames[] = {
    {"first", CsvTarget::kFirstName},
    {"last", CsvTarget::kLastName},
    {"participated", CsvTarget::kParticipated},
    {"studies", CsvTarget::kStudies},
    {"hours", CsvTarget::kHours},
    {"remark", CsvTarget::kRemark},
    {"name", CsvTarget::kName},
    {"name-surname-first", CsvTarget::kNameSurnameFirst},
};

std::string Ansi(std::string_view utf8) {
  return platform::Utf8ToAnsi(utf8).text;
}

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

std::string Trimmed(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return std::string(s.substr(first, s.find_last_not_of(" \t") - first + 1));
}

bool IsDigits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "A=1,B=2" into its items; a comma belongs to a name unless the text before
// it ends an item (an "=ID" for pairs) or the text after it starts one (a
// "target=" for the map), so names and headers may hold commas.
std::vector<std::string> Items(const std::vector<std::string>& options, bool pairs) {
  std::vector<std::string> items;
  for (const std::string& option : options) {
    std::string current;
    for (std::size_t i = 0; i <= option.size(); ++i) {
      const bool end = i == option.size();
      if (!end && option[i] != ',') {
        current += option[i];
        continue;
      }
      bool split = end;
      if (!end && pairs) {
        const std::size_t eq = current.rfind('=');
        split = eq != std::string::npos && IsDigits(current.substr(eq + 1));
      } else if (!end) {
        const std::string rest = option.substr(i + 1);
        split = std::any_of(std::begin(kTargetNames), std::end(kTargetNames), [&](const auto& t) {
          return rest.starts_with(std::string(t.first) + "=");
        });
      }
      if (split) {
        if (!current.empty()) items.push_back(current);
        current.clear();
      } else {
        current += ',';
      }
    }
  }
  return items;
}

class CsvCommand final : public CliCommand {
 public:
  std::string Name() const override { return "csv"; }
  std::string Description() const override {
    return "CSV and TSV: the exports, and a month's reports imported from a CSV file";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--password", password_, "Password of a protected folder");
    export_ = command.add_subcommand("export", "Write one of the CSV/TSV files into Exports");
    CLI::App* data =
        AddExport("data", "The month's publisher data (Novembro.csv or .rpt)", ExportKind::kData);
    data->add_option("--month", month_, "The month, 1-12")->required();
    data->add_flag("--tab", request_.tab, "Tab-separated .rpt instead of .csv");
    data->add_flag("--header", request_.header, "Write a header line");
    AddExport("contacts", "Contacts (contact.tsv)", ExportKind::kContacts);
    AddExport("emergency", "Emergency contacts (3rdparty.tsv)", ExportKind::kEmergency);
    AddExport("cards", "Record card header data (cardhdr.tsv)", ExportKind::kCardHeaders);
    AddExport("collection", "A group's collection list (Grupo-N.csv)", ExportKind::kCollectionList)
        ->add_option("--group", group_, "The field service group")
        ->required();
    AddExport("attendance", "The meeting attendance of 24 months", ExportKind::kAttendance);
    AddExport("summary", "The activity summary of 24 months", ExportKind::kSummary);
    export_->require_subcommand(1, 1);
    export_->fallthrough();

    import_ = command.add_subcommand("import", "Reports of the ReportMonth from a CSV file");
    import_->add_option("file", file_, "The CSV file")->required();
    import_->add_option("--map", map_,
                        "TARGET=COLUMN,... (first, last, participated, studies, hours, remark, "
                        "name, name-surname-first; COLUMN a 0-based index, a header text or none)");
    import_->add_flag("--participation-from-hours", from_hours_,
                      "Hours above 0 count as participation");
    import_->add_option("--pair", pairs_, "\"CSV NAME=ID\",... for names that find nobody");
    import_->add_flag("--skip-unmatched", skip_, "Leave out the lines of names that find nobody");
    import_->add_flag("--apply", options_.apply, "Save the maps, merge the lines and save");
    import_->add_option("--lines", options_.lines,
                        "Lines of the pick list to merge, 0-based, comma-separated (default all)");
    import_->fallthrough();
    command.require_subcommand(1, 1);
  }
  int Run(const CliContext& context) override {
    return import_->parsed() ? RunImport(context) : RunExport(context);
  }

 private:
  CLI::App* AddExport(const char* name, const char* help, ExportKind kind) {
    CLI::App* sub = export_->add_subcommand(name, help);
    sub->fallthrough();
    kinds_.emplace_back(sub, kind);
    return sub;
  }

  int RunExport(const CliContext& context) {
    for (const auto& [sub, kind] : kinds_)
      if (sub->parsed()) request_.kind = kind;
    if (request_.kind == ExportKind::kData) {
      const auto month = NumberOption(context, "--month", month_, 1, 12);
      if (!month) return kExitRefused;
      request_.month_index = static_cast<int>(*month) - 1;
    }
    auto doc = OpenCliDocument(context, CliAccess::kRead, password_);
    if (!doc) return doc.exit_code();
    const store::Document& document = *doc->document;
    const auto& db = document.db();
    if (request_.kind == ExportKind::kCollectionList) {
      const int groups =
          db.side.groups.count() > 0 ? db.side.groups.count() : store::GroupTable::kMaxGroups;
      const std::optional<long long> group = ParseNumber(group_);
      if (!group || *group < 1 || *group > groups)
        return Refuse(context, Strings().Format(str::kCliCsvGroup, {std::to_string(groups)}));
      request_.group = static_cast<int>(*group);
    }
    if (request_.kind == ExportKind::kCardHeaders)
      request_.hide_birth =
          store::LoadSettings(store::SettingsPath(context.data_dir), db.language_code).hide_birth;
    const Result<platform::Path> file = interchange::WriteExport(document, request_);
    if (!file) {
      PrintAnsi(*context.err, file.error().text);
      return kExitFailed;
    }
    *context.out << json{{"file", file->string()}}.dump(1) << '\n';
    return kExitDone;
  }

  // The column a --map item names: a 0-based index or a header text; -1 for
  // "none"; nothing when the file has no such column.
  static std::optional<int> ColumnOf(const interchange::ColumnMappingStep& step,
                                     std::string_view text) {
    if (text == "none") return -1;
    const auto& columns = step.columns();
    if (const std::optional<long long> n = ParseNumber(text)) {
      if (*n >= 0 && *n < static_cast<long long>(columns.size())) return static_cast<int>(*n);
      return std::nullopt;
    }
    const std::string wanted = Lower(Trimmed(Ansi(text)));
    for (std::size_t c = 0; c < columns.size(); ++c)
      if (Lower(Trimmed(columns[c])) == wanted) return static_cast<int>(c);
    return std::nullopt;
  }

  // The column-mapping step as the dialog would end it; an exit code when refused.
  std::optional<int> MapColumns(const CliContext& context, interchange::ColumnMappingStep& step) {
    if (from_hours_) step.SetParticipationFromHours(true);
    for (const std::string& item : Items(map_, /*pairs=*/false)) {
      const std::size_t eq = item.find('=');
      if (eq == std::string::npos)
        return Refuse(context, Strings().Format(str::kCliCsvMapForm, {Ansi(item)}));
      const std::string name = item.substr(0, eq);
      const auto* target = std::find_if(std::begin(kTargetNames), std::end(kTargetNames),
                                        [&](const auto& t) { return t.first == name; });
      if (target == std::end(kTargetNames))
        return Refuse(context, Strings().Format(str::kCliCsvMapTarget, {Ansi(name)}));
      const std::optional<int> column = ColumnOf(step, item.substr(eq + 1));
      if (!column)
        return Refuse(context,
                      Strings().Format(str::kCliCsvMapColumn, {Ansi(item.substr(eq + 1))}));
      if (*column < 0)
        step.Unpair(target->second);
      else
        step.Pair(target->second, *column);
    }
    if (!step.CanContinue()) {
      std::string missing;
      for (CsvTarget t : step.Missing()) {
        if (!missing.empty()) missing += ", ";
        missing += interchange::CsvTargetLabel(t);
      }
      return Refuse(context, Strings().Format(str::kCliCsvMapMissing, {missing}));
    }
    return std::nullopt;
  }

  // The name-matching step as the dialog would end it; an exit code when refused.
  std::optional<int> MatchNames(const CliContext& context, interchange::NameMatchingStep& step) {
    for (const std::string& item : Items(pairs_, /*pairs=*/true)) {
      const std::size_t eq = item.rfind('=');
      const std::optional<long long> id =
          eq == std::string::npos ? std::nullopt : ParseNumber(item.substr(eq + 1));
      if (!id) return Refuse(context, Strings().Format(str::kCliCsvPairForm, {Ansi(item)}));
      const std::string name = Trimmed(Ansi(item.substr(0, eq)));
      const auto& names = step.unmatched();
      const auto at = std::find(names.begin(), names.end(), name);
      if (at == names.end()) return Refuse(context, Strings().Format(str::kCliCsvPairName, {name}));
      const auto& people = step.publishers();
      const auto who =
          std::find_if(people.begin(), people.end(), [&](const auto& p) { return p.id == *id; });
      if (who == people.end())
        return Refuse(context, Strings().Format(str::kCliCsvPairId, {std::to_string(*id)}));
      const int n = static_cast<int>(at - names.begin());
      const int p = static_cast<int>(who - people.begin());
      if (step.paired_with(n) != p) step.Pair(n, p);
    }
    step.set_skip_unmatched(skip_);
    if (!step.CanContinue()) {
      std::string names;
      for (std::size_t i = 0; i < step.unmatched().size(); ++i) {
        if (step.paired_with(static_cast<int>(i)) >= 0) continue;
        if (!names.empty()) names += "; ";
        names += step.unmatched()[i];
      }
      return Refuse(context, Strings().Format(str::kCliCsvUnmatched,
                                              {std::to_string(step.Unpaired()), names}));
    }
    return std::nullopt;
  }

  int RunImport(const CliContext& context) {
    auto doc =
        OpenCliDocument(context, options_.apply ? CliAccess::kWrite : CliAccess::kRead, password_);
    if (!doc) return doc.exit_code();
    store::Document& document = *doc->document;
    const Result<interchange::CsvFile> file = interchange::ReadCsvFile(file_);
    if (!file) {
      // A file the machine could not read is a failure; one that is no
      // report file is refused.
      if (file.error().id == str::kCannotReadFile) {
        PrintAnsi(*context.err, file.error().text);
        return kExitFailed;
      }
      return Refuse(context, file.error().text);
    }
    if (const Status valid = interchange::ValidateCsv(*file); !valid)
      return Refuse(context, valid.error().text);

    interchange::ColumnMappingStep columns(*file, interchange::ReadColumnMap(context.data_dir));
    if (const auto refused = MapColumns(context, columns)) return *refused;
    const interchange::ColumnMap map = columns.Map();
    interchange::NameMatchingStep names(document.db(), *file, map,
                                        interchange::ReadNameMap(context.data_dir));
    if (const auto refused = MatchNames(context, names)) return *refused;

    // "Continuar" in each dialog keeps what it was told for the next import.
    if (options_.apply) {
      Status saved = interchange::WriteColumnMap(context.data_dir, map);
      if (saved && names.PairsChanged())
        saved = interchange::WriteNameMap(context.data_dir, names.PairsToSave());
      if (!saved) {
        PrintAnsi(*context.err, saved.error().text);
        return kExitFailed;
      }
    }
    const interchange::CsvImport in =
        interchange::BuildCsvImport(document.db(), *file, map, names.LineMatches());
    if (const std::string notice = in.Notice(); !notice.empty()) PrintAnsi(*context.err, notice);
    return RunImportPickList(context, *doc, in.table, options_);
  }

  CLI::App* export_ = nullptr;
  CLI::App* import_ = nullptr;
  std::vector<std::pair<CLI::App*, ExportKind>> kinds_;
  interchange::ExportRequest request_;
  std::string month_, group_;
  platform::Path file_;
  std::vector<std::string> map_, pairs_;
  bool from_hours_ = false, skip_ = false;
  ImportPickOptions options_;
  std::optional<std::string> password_;
};

}  // namespace

std::unique_ptr<CliCommand> MakeCsvCommand() {
  return std::make_unique<CsvCommand>();
}

}  // namespace ledra::cli
