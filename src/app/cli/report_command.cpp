#include "cli/report_command.h"

#include <CLI/CLI.hpp>
#include <fstream>
#include <limits>
#include <nlohmann/json.hpp>
#include <ostream>

#include "activity/status_list.h"
#include "cli/cli_document.h"
#include "cli/pdf_file.h"
#include "cli/status_list_args.h"
#include "platform/codepage.h"
#include "platform/prompter.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "reports/attendance_record_page.h"
#include "reports/recording_canvas.h"
#include "reports/report_env.h"
#include "reports/report_kinds.h"
#include "reports/status_list_printout.h"
#include "store/settings.h"

namespace ledra::cli {
namespace {

PdfReportWriter& PdfWriter() {
  static PdfReportWriter writer;
  return writer;
}

PdfDocumentWriter& DocumentWriter() {
  static PdfDocumentWriter writer;
  return writer;
}

// The value of `--kind` that prints a status list (`--list` names it).
constexpr std::string_view kStatusKind = "status";
// The value of `--kind` that prints the attendance record of the record dialog.
constexpr std::string_view kAttendanceRecordKind = "attendance-record";

class ReportCommand final : public CliCommand {
 public:
  std::string Name() const override { return "report"; }
  std::string Description() const override {
    return "Draw a report (--kind) into a PDF file or a trace of its drawing operations";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--kind", kind_,
                       "Report kind, e.g. 50 for the phone list, status for a status list, or "
                       "attendance-record");
    list_option_ = command
                       .add_option("--list", status_.kind,
                                   "Alone: print the report kinds with their titles; with --kind "
                                   "status: the list (not-reported, irregular, new, ...)")
                       ->expected(0, 1);
    status_.AddOptions(command, /*with_group=*/false);
    group_option_ =
        command.add_option("--group", group_,
                           "Field service group of a per-group report (0: every group, where the "
                           "report allows it)");
    command.add_option("--ids", ids_,
                       "Publisher ids, comma-separated, of a report for chosen people (96)");
    command.add_option("--pdf", pdf_, "Write the report as a PDF file");
    command.add_option("--trace", trace_, "Write the drawing operations as text");
    command.add_option("--dpi", dpi_, "Printer resolution (72 to 1200, default 300)");
    command.add_option("--password", password_, "Password of a protected folder");
  }
  int Run(const CliContext& context) override {
    std::ostream& err = *context.err;
    if (kind_.empty()) {
      if (list_option_->count() > 0 && status_.kind.empty()) return PrintKinds(context);
      PrintAnsi(err, Strings().Format(str::kCliMissingArgument, {"--kind", Name()}));
      return kExitRefused;
    }
    if (pdf_.empty() == trace_.empty()) {
      PrintAnsi(err, Strings().Get(str::kCliPdfOrTrace));
      return kExitRefused;
    }
    const auto dpi_given = ParseNumber(dpi_);
    if (!dpi_given || *dpi_given < kMinDpi || *dpi_given > kMaxDpi) {
      PrintAnsi(err, Strings().Format(str::kCliBadDpi,
                                      {platform::Utf8ToAnsi(dpi_).text, std::to_string(kMinDpi),
                                       std::to_string(kMaxDpi)}));
      return kExitRefused;
    }
    dpi_number_ = static_cast<int>(*dpi_given);
    if (kind_ == kStatusKind) return RunStatusList(context);
    if (!status_.kind.empty() || status_.month || status_.period || status_.row)
      return Refuse(context, Strings().Format(str::kCliStatusOptionsOnly, {kind_}));
    if (kind_ == kAttendanceRecordKind) return RunAttendanceRecord(context);
    const auto kind = NumberOption(context, "--kind", kind_, 0, std::numeric_limits<int>::max());
    const auto group = NumberOption(context, "--group", group_, 0, std::numeric_limits<int>::max());
    if (!kind || !group) return kExitRefused;
    kind_number_ = static_cast<int>(*kind);
    group_number_ = static_cast<int>(*group);
    const reports::ReportKindInfo* info = reports::FindReportKind(kind_number_);
    if (info == nullptr) {
      PrintAnsi(err, Strings().Format(str::kCliNoSuchReport, {kind_}));
      return kExitRefused;
    }
    if (info->per_group && !info->all_groups && group_number_ < 1) {
      PrintAnsi(err, Strings().Format(str::kCliReportNeedsGroup, {kind_}));
      return kExitRefused;
    }
    auto doc = OpenCliDocument(context, /*read_only=*/true, password_);
    if (!doc) return doc.exit_code();
    const store::CongregationDatabase& db = doc->document->db();
    const platform::Path settings_file = store::SettingsPath(context.data_dir);
    const auto ini = platform::IniFile::Load(settings_file);
    const store::Settings settings = store::ReadSettings(ini, db.language_code);
    const int dpi = dpi_number_;
    reports::ReportEnv env =
        reports::PrintedReportEnv(settings, ini, db, context.clock->Today(), dpi);
    // The chosen people, each one known.
    if (!ids_.empty()) {
      const auto ids = ParseIdList(context, ids_, db);
      if (!ids) return kExitRefused;
      env.chosen_ids = *ids;
    }

    if (!trace_.empty()) {
      reports::RecordingCanvas canvas(dpi, dpi);
      const auto pages = reports::DrawReport(canvas, env, db, kind_number_, group_number_);
      return WriteTraceFile(context, trace_, pages.value_or(1), canvas);
    }
    return WritePdfFile(context, pdf_, static_cast<bool>(PdfWriter()),
                        [&] { return PdfWriter()(env, db, kind_number_, group_number_, pdf_); });
  }

 private:
  // `--kind status --list KIND`: the printout of a status list, as its
  // dialog's print button makes it.
  int RunStatusList(const CliContext& context) {
    if (status_.kind.empty()) return Refuse(context, Strings().Get(str::kCliStatusNeedsList));
    auto doc = OpenCliDocument(context, /*read_only=*/true, password_);
    if (!doc) return doc.exit_code();
    const store::CongregationDatabase& db = doc->document->db();
    const platform::Path settings_file = store::SettingsPath(context.data_dir);
    const auto ini = platform::IniFile::Load(settings_file);
    const store::Settings settings = store::ReadSettings(ini, db.language_code);
    const activity::StatusList list(db,
                                    {settings.special_category_enabled, settings.special_category});
    StatusListArgs args = status_;
    if (group_option_ != nullptr && group_option_->count() > 0) args.group = group_;
    activity::StatusListChoice choice;
    if (const int refused = args.Parse(context, list, db, choice); refused != 0) return refused;
    const Result<activity::StatusListPage> page = list.Build(choice);
    if (!page) return Refuse(context, page.error().text);
    const reports::StatusListDocument printout = reports::StatusListDocumentOf(*page, choice.kind);
    const int dpi = dpi_number_;
    const reports::ReportEnv env =
        reports::PrintedReportEnv(settings, ini, db, context.clock->Today(), dpi);

    if (!trace_.empty()) {
      reports::RecordingCanvas canvas(dpi, dpi);
      return WriteTraceFile(context, trace_, reports::DrawStatusList(canvas, env, printout),
                            canvas);
    }
    ScriptedPrompter silent;
    return WritePdfFile(context, pdf_, static_cast<bool>(DocumentWriter()), [&] {
      return DocumentWriter()(pdf_, [&](PrinterPort& port) {
        return reports::PrintStatusLists(port, silent, env, {printout}) ==
               reports::DirectPrintOutcome::kPrinted;
      });
    });
  }

  // `--kind attendance-record`: the page the attendance record dialog prints.
  int RunAttendanceRecord(const CliContext& context) {
    auto doc = OpenCliDocument(context, /*read_only=*/true, password_);
    if (!doc) return doc.exit_code();
    const store::CongregationDatabase& db = doc->document->db();
    const auto ini = platform::IniFile::Load(store::SettingsPath(context.data_dir));
    const store::Settings settings = store::ReadSettings(ini, db.language_code);
    const reports::ReportEnv env =
        reports::PrintedReportEnv(settings, ini, db, context.clock->Today(), dpi_number_);
    const reports::AttendanceRecord record = reports::AttendanceRecordOf(db);
    if (!trace_.empty()) {
      reports::RecordingCanvas canvas(dpi_number_, dpi_number_);
      reports::DrawAttendanceRecord(canvas, env, record);
      return WriteTraceFile(context, trace_, 1, canvas);
    }
    ScriptedPrompter silent;
    return WritePdfFile(context, pdf_, static_cast<bool>(DocumentWriter()), [&] {
      return DocumentWriter()(pdf_, [&](PrinterPort& port) {
        return reports::PrintAttendanceRecord(port, silent, env, record) ==
               reports::DirectPrintOutcome::kPrinted;
      });
    });
  }

  // `--list` alone: every kind with its menu command and title, as JSON.
  static int PrintKinds(const CliContext& context) {
    nlohmann::ordered_json kinds = nlohmann::ordered_json::array();
    for (const reports::ReportKindInfo& k : reports::BuiltReportKinds())
      kinds.push_back({{"kind", k.kind},
                       {"command", k.command},
                       {"title", platform::AnsiToUtf8(reports::ReportTitle(k.kind))},
                       {"per_group", k.per_group}});
    *context.out << nlohmann::ordered_json{{"kinds", kinds}}.dump(1) << '\n';
    return kExitDone;
  }

  // Printer resolutions the report layout is made for.
  static constexpr int kMinDpi = 72;
  static constexpr int kMaxDpi = 1200;

  std::string kind_;
  std::string ids_;
  std::string group_ = "0";
  std::string dpi_ = "300";
  int kind_number_ = 0;
  int group_number_ = 0;
  int dpi_number_ = 300;
  std::filesystem::path pdf_, trace_;
  std::optional<std::string> password_;
  StatusListArgs status_;
  CLI::Option* group_option_ = nullptr;
  CLI::Option* list_option_ = nullptr;
};

}  // namespace

void SetPdfReportWriter(PdfReportWriter writer) {
  PdfWriter() = std::move(writer);
}

void SetPdfDocumentWriter(PdfDocumentWriter writer) {
  DocumentWriter() = std::move(writer);
}

const PdfReportWriter& InstalledPdfReportWriter() {
  return PdfWriter();
}

const PdfDocumentWriter& InstalledPdfDocumentWriter() {
  return DocumentWriter();
}

std::unique_ptr<CliCommand> MakeReportCommand() {
  return std::make_unique<ReportCommand>();
}

}  // namespace ledra::cli
