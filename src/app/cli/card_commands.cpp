#include "cli/card_commands.h"

#include <CLI/CLI.hpp>

#include "cli/cli_document.h"
#include "cli/pdf_file.h"
#include "cli/report_command.h"
#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "records/record_card_dialog.h"
#include "reports/publisher_labels.h"
#include "reports/record_card_print.h"
#include "reports/report_env.h"
#include "reports/report_kinds.h"
#include "store/settings.h"

namespace ledra::cli {
namespace {

constexpr int kTraceDpi = 300;

store::Settings SettingsOf(const CliContext& context, const store::CongregationDatabase& db) {
  return store::LoadSettings(store::SettingsPath(context.data_dir), db.language_code);
}

// Prints cards into the PDF file: one card a page.
int WriteCardsPdf(const CliContext& context, const std::filesystem::path& file,
                  const std::string& name, const std::vector<int>& rows,
                  const records::RecordCardDialogModel& model, const std::string& language) {
  const PdfDocumentWriter& writer = InstalledPdfDocumentWriter();
  return WritePdfFile(context, file, static_cast<bool>(writer), [&] {
    return writer(file, [&](PrinterPort& port) {
      StreamPrompter prompter(*context.err);
      return reports::PrintRecordCards(
                 port, prompter, name, static_cast<int>(rows.size()),
                 [&](int i) { return model.PrintedCard(rows[static_cast<std::size_t>(i)]); },
                 language) == reports::CardPrintOutcome::kPrinted;
    });
  });
}

class CardCommand final : public CliCommand {
 public:
  std::string Name() const override { return "card"; }
  std::string Description() const override {
    return "One publisher's record card as a PDF file or a trace of its drawing";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--id", id_, "Publisher id")->required();
    command.add_flag("--previous-year", previous_, "The service year before first");
    command.add_flag("--inactive", inactive_, "A card of the inactive file");
    output_.AddOptions(command, "the card");
    command.add_option("--password", password_, "Password of a protected folder");
  }
  int Run(const CliContext& context) override {
    if (!output_.Check(context)) return kExitRefused;
    auto doc = OpenCliDocument(context, CliAccess::kRead, password_);
    if (!doc) return doc.exit_code();
    const store::Document& document = *doc->document;
    const auto& db = document.db();
    const int row = id_ > 0 && id_ <= 0xFFFF ? db.FindRow(static_cast<std::uint16_t>(id_)) : 0;
    const auto list = inactive_ ? store::ListType::kInactive : store::ListType::kActive;
    if (row == 0 || !db.row(row).is(list))
      return Refuse(context,
                    Strings().Format(inactive_ ? str::kCardCliNotInactive : str::kCardCliNotActive,
                                     {std::to_string(id_)}));
    const store::Settings settings = SettingsOf(context, db);
    records::RecordCardDialogModel model(document, settings);
    model.SetPreviousYear(previous_);
    if (output_.tracing()) {
      reports::RecordingCanvas canvas(kTraceDpi, kTraceDpi);
      reports::CardStyle style;
      style.language_code = db.language_code;
      reports::DrawRecordCard(canvas, model.PrintedCard(row), style);
      return WriteTraceFile(context, output_.trace, 1, canvas);
    }
    return WriteCardsPdf(context, output_.pdf, model.DocumentName(row), {row}, model,
                         db.language_code);
  }

 private:
  int id_ = 0;
  bool previous_ = false, inactive_ = false;
  PdfOrTrace output_;
  std::optional<std::string> password_;
};

class CardsCommand final : public CliCommand {
 public:
  std::string Name() const override { return "cards"; }
  std::string Description() const override {
    return "Record cards of the active or inactive file, or of chosen publishers, into one PDF";
  }
  void Configure(CLI::App& command) override {
    command.add_flag("--active", active_, "Every active publisher, group by group");
    command.add_flag("--inactive", inactive_, "Every inactive publisher, group by group");
    command.add_option("--ids", ids_, "Publisher ids, comma-separated");
    command.add_flag("--previous-year", previous_, "The service year before first");
    command.add_option("--pdf", pdf_, "The PDF file")->required();
    command.add_option("--password", password_, "Password of a protected folder");
  }
  int Run(const CliContext& context) override {
    if ((active_ ? 1 : 0) + (inactive_ ? 1 : 0) + (ids_.empty() ? 0 : 1) != 1)
      return Refuse(context, Strings().Get(str::kCardCliIdsOrFile));
    auto doc = OpenCliDocument(context, CliAccess::kRead, password_);
    if (!doc) return doc.exit_code();
    const store::Document& document = *doc->document;
    const auto& db = document.db();
    const store::Settings settings = SettingsOf(context, db);
    records::RecordCardDialogModel model(document, settings);
    model.SetPreviousYear(previous_);
    std::vector<int> rows;
    std::string name;
    if (ids_.empty()) {
      rows = model.FileRows(inactive_);
      name = records::RecordCardDialogModel::FileDocumentName(inactive_);
    } else {
      const auto ids = ParseIdList(context, ids_, db);
      if (!ids) return kExitRefused;
      for (std::uint16_t id : *ids) {
        const int row = db.FindRow(id);
        const auto& p = db.row(row);
        if (!p.is(store::ListType::kActive) && !p.is(store::ListType::kInactive))
          return Refuse(context, Strings().Format(str::kCardCliNotActive, {std::to_string(id)}));
        rows.push_back(row);
      }
      name = Strings().Get(str::kCardChooser);
    }
    if (rows.empty()) return Refuse(context, Strings().Get(str::kCardNoPublisher));
    return WriteCardsPdf(context, pdf_, name, rows, model, db.language_code);
  }

 private:
  bool active_ = false, inactive_ = false, previous_ = false;
  std::string ids_;
  std::filesystem::path pdf_;
  std::optional<std::string> password_;
};

class LabelsCommand final : public CliCommand {
 public:
  std::string Name() const override { return "labels"; }
  std::string Description() const override {
    return "Publisher labels (every active publisher, or chosen ones) as a PDF file or a trace";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--ids", ids_, "Publisher ids, comma-separated");
    command.add_option("--first", first_, "The first label of the first sheet (1-20)");
    output_.AddOptions(command, "the labels");
    command.add_option("--password", password_, "Password of a protected folder");
  }
  int Run(const CliContext& context) override {
    if (!output_.Check(context)) return kExitRefused;
    const auto first = ParseNumber(first_);
    if (!first || *first < 1 || *first > reports::kLabelsPerSheet)
      return Refuse(context,
                    Strings().Format(str::kCardCliBadFirst, {platform::Utf8ToAnsi(first_).text}));
    auto doc = OpenCliDocument(context, CliAccess::kRead, password_);
    if (!doc) return doc.exit_code();
    const auto& db = doc->document->db();
    const auto ini = platform::IniFile::Load(store::SettingsPath(context.data_dir));
    const store::Settings settings = store::ReadSettings(ini, db.language_code);
    reports::ReportEnv env =
        reports::PrintedReportEnv(settings, ini, db, context.clock->Today(), kTraceDpi);
    if (!ids_.empty()) {
      const auto ids = ParseIdList(context, ids_, db);
      if (!ids) return kExitRefused;
      env.chosen_ids = *ids;
    }
    env.first_label = static_cast<int>(*first);
    if (output_.tracing()) {
      reports::RecordingCanvas canvas(kTraceDpi, kTraceDpi);
      const auto pages = reports::DrawReport(canvas, env, db, reports::kLabelsKind, 0);
      return WriteTraceFile(context, output_.trace, pages.value_or(1), canvas);
    }
    const PdfReportWriter& writer = InstalledPdfReportWriter();
    return WritePdfFile(context, output_.pdf, static_cast<bool>(writer),
                        [&] { return writer(env, db, reports::kLabelsKind, 0, output_.pdf); });
  }

 private:
  std::string ids_;
  std::string first_ = "1";
  PdfOrTrace output_;
  std::optional<std::string> password_;
};

}  // namespace

std::unique_ptr<CliCommand> MakeCardCommand() {
  return std::make_unique<CardCommand>();
}
std::unique_ptr<CliCommand> MakeCardsCommand() {
  return std::make_unique<CardsCommand>();
}
std::unique_ptr<CliCommand> MakeLabelsCommand() {
  return std::make_unique<LabelsCommand>();
}

}  // namespace ledra::cli
