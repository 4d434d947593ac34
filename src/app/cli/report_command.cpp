#include "cli/report_command.h"

#include <CLI/CLI.hpp>
#include <fstream>
#include <ostream>

#include "cli/cli_document.h"
#include "reports/recording_canvas.h"
#include "reports/report_env.h"
#include "reports/report_kinds.h"
#include "store/settings.h"

namespace ledra::cli {
namespace {

PdfReportWriter& PdfWriter() {
  static PdfReportWriter writer;
  return writer;
}

class ReportCommand final : public CliCommand {
 public:
  std::string Name() const override { return "report"; }
  std::string Description() const override {
    return "Draw a report (--kind) into a PDF file or a trace of its drawing operations";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--kind", kind_, "Report kind, e.g. 50 for the phone list")->required();
    command.add_option("--group", group_, "Field service group of a per-group report");
    auto* pdf = command.add_option("--pdf", pdf_, "Write the report as a PDF file");
    auto* trace = command.add_option("--trace", trace_, "Write the drawing operations as text");
    pdf->excludes(trace);
    command.add_option("--dpi", dpi_, "Printer resolution (default 300)");
    command.add_option("--password", password_, "Password of a protected folder");
  }
  int Run(const CliContext& context) override {
    std::ostream& err = *context.err;
    if (pdf_.empty() == trace_.empty()) {
      err << "report: give --pdf FILE or --trace FILE\n";
      return 2;
    }
    const reports::ReportKindInfo* info = reports::FindReportKind(kind_);
    if (info == nullptr) {
      err << "report: kind " << kind_ << " is not available\n";
      return 2;
    }
    if (info->per_group && group_ < 1) {
      err << "report: kind " << kind_ << " needs --group\n";
      return 2;
    }
    auto doc = OpenCliDocument(context, /*read_only=*/true, password_);
    if (!doc) return doc.exit_code();
    const store::CongregationDatabase& db = doc->document->db();
    const platform::Path settings_file = store::SettingsPath(context.data_dir);
    const auto ini = platform::IniFile::Load(settings_file);
    const store::Settings settings = store::ReadSettings(ini, db.language_code);
    const int dpi = dpi_ > 0 ? dpi_ : 300;
    const reports::ReportEnv env =
        reports::PrintedReportEnv(settings, ini, db, context.clock->Today(), dpi);

    if (!trace_.empty()) {
      reports::RecordingCanvas canvas(dpi, dpi);
      const auto pages = reports::DrawReport(canvas, env, db, kind_, group_);
      std::ofstream file(trace_, std::ios::binary);
      file << "pages " << pages.value_or(1) << '\n' << canvas.Trace();
      if (!file.good()) {
        err << "report: cannot write " << trace_.string() << '\n';
        return 1;
      }
      return 0;
    }
    if (!PdfWriter()) {
      err << "report: this build of ledra-cli cannot write PDF files\n";
      return 1;
    }
    const Status status = PdfWriter()(env, db, kind_, group_, pdf_);
    if (!status.ok()) {
      PrintAnsi(err, status.error().text);
      return 1;
    }
    return 0;
  }

 private:
  int kind_ = 0;
  int group_ = 0;
  int dpi_ = 300;
  std::filesystem::path pdf_, trace_;
  std::optional<std::string> password_;
};

}  // namespace

void SetPdfReportWriter(PdfReportWriter writer) {
  PdfWriter() = std::move(writer);
}

std::unique_ptr<CliCommand> MakeReportCommand() {
  return std::make_unique<ReportCommand>();
}

}  // namespace ledra::cli
