// `ledra-cli totals` and `summary`: the report to the branch as computed now,
// and the 24 months the totals card keeps. Both only read.

#include "cli/totals_commands.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <ostream>

#include "activity/branch_totals.h"
#include "activity/glance.h"
#include "activity/month_calendar.h"
#include "activity/year_to_date.h"
#include "cli/cli_document.h"
#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/settings.h"

namespace ledra::cli {
namespace {

using json = nlohmann::ordered_json;
using activity::BranchTotals;
namespace column = activity::column;

std::string Utf8(const std::string& ansi) {
  return platform::AnsiToUtf8(ansi);
}

json ReportJson(const store::CongregationDatabase& db, const BranchTotals& t) {
  const auto active = db.status_list(store::ListType::kActive).size();
  const std::string title = Strings().Format(str::kBranchReportTitle,
                                             {activity::MonthName(db.month().report_month_index)}) +
                            Strings().Format(str::kSheetListCount, {std::to_string(active)}) +
                            Strings().Get(str::kSheetListActive);
  json rows = json::array();
  const int labels[] = {str::kTotalsPublishers, str::kTotalsAuxiliary, str::kTotalsRegular};
  for (int k = 0; k < 3; ++k) {
    rows.push_back({{"label", Utf8(Strings().Get(labels[k]))},
                    {"count", t.at(k, column::kReports)},
                    {"hours", k == 0 ? json(nullptr) : json(t.at(k, column::kHours))},
                    {"studies", t.at(k, column::kStudies)}});
  }
  rows.push_back({{"label", Utf8(Strings().Get(str::kTotalsLabel))},
                  {"count", t.Reports()},
                  {"hours", t.CategoryTotal(column::kHours)},
                  {"studies", t.CategoryTotal(column::kStudies)}});
  return {{"title", Utf8(title)}, {"rows", rows}};
}

json PeriodJson(const activity::GlancePeriod& p) {
  return {{"auxiliary", p.auxiliary},
          {"new", p.new_publishers},
          {"inactive", p.inactive},
          {"reactivated", p.reactivated},
          {"moved", p.moved}};
}

json GlanceJson(const activity::Glance& g) {
  return {{"active", g.active},
          {"regular", g.regular},
          {"baptised", g.baptised},
          {"regular_pioneers", g.regular_pioneers},
          {"elders", g.elders},
          {"ministerial_servants", g.ministerial_servants},
          {"auxiliary_pioneers", g.auxiliary_pioneers},
          {"avg_hours_pub", g.avg_hours_publishers ? json(*g.avg_hours_publishers) : json(nullptr)},
          {"avg_hours_preg", g.avg_hours_regular},
          {"avg_hours_paux", g.avg_hours_auxiliary},
          {"service_year", PeriodJson(g.service_year)},
          {"six_months", PeriodJson(g.six_months)},
          {"special_needs", {{"deaf", g.deaf}, {"blind", g.blind}, {"prison", g.prison}}}};
}

class TotalsCommand final : public CliCommand {
 public:
  std::string Name() const override { return "totals"; }
  std::string Description() const override {
    return "The report to the branch office as computed now (reads only)";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--password", password_, "Password of a protected folder");
  }
  int Run(const CliContext& context) override {
    auto doc = OpenCliDocument(context, CliAccess::kRead, password_);
    if (!doc) return doc.exit_code();
    const auto& db = doc->document->db();
    const BranchTotals t = activity::PeekBranchTotals(db);
    json table = json::array();
    for (const auto& row : t.v) table.push_back(row);
    json out = {{"branch_totals", table},
                {"report", ReportJson(db, t)},
                {"glance", GlanceJson(activity::ComputeGlance(db))}};
    // The special category shows only with its option on, as in the dialog.
    const store::Settings settings =
        store::LoadSettings(store::SettingsPath(context.data_dir), db.language_code);
    if (settings.special_category_enabled) {
      out["glance"]["special_category"] = {
          {"name", platform::AnsiToUtf8(settings.special_category)},
          {"count", activity::ComputeGlance(db).special_category}};
    }
    *context.out << out.dump(1) << '\n';
    return 0;
  }

 private:
  std::optional<std::string> password_;
};

class SummaryCommand final : public CliCommand {
 public:
  std::string Name() const override { return "summary"; }
  std::string Description() const override {
    return "The totals sent to the branch over 24 months, by designation (reads only)";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--password", password_, "Password of a protected folder");
  }
  int Run(const CliContext& context) override {
    auto doc = OpenCliDocument(context, CliAccess::kRead, password_);
    if (!doc) return doc.exit_code();
    const int designations[] = {str::kDesignationPublishers, str::kDesignationAuxiliary,
                                str::kDesignationPioneers};
    json rows = json::array();
    for (const activity::SummaryRow& r : activity::SummaryRows(doc->document->db())) {
      rows.push_back(
          {{"designation", Utf8(Strings().Get(designations[r.designation]))},
           {"month_counter", r.counter},
           {"reports", r.reports},
           {"publications", r.publications},
           {"videos", r.videos},
           {"hours", r.hours},
           {"return_visits", r.return_visits},
           {"studies", r.studies},
           {"active", r.designation == 0 && r.active != 0 ? json(r.active) : json(nullptr)}});
    }
    *context.out << json{{"rows", rows}}.dump(1) << '\n';
    return 0;
  }

 private:
  std::optional<std::string> password_;
};

json Number(const std::optional<int>& v) {
  return v ? json(*v) : json(nullptr);
}

json Decimal(const std::optional<double>& v) {
  return v ? json(*v) : json(nullptr);
}

class YtdCommand final : public CliCommand {
 public:
  std::string Name() const override { return "ytd"; }
  std::string Description() const override {
    return "The activity summary since the start of the year (reads only)";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--category", category_, "congregation, publishers, auxiliary or regular");
    command.add_option("--period", period_, "six, service-year or twelve");
    command.add_option("--source", source_, "records or card (what went to the branch)");
    command.add_option("--password", password_, "Password of a protected folder");
  }
  int Run(const CliContext& context) override {
    using activity::StatusPeriod;
    using activity::YtdCategory;
    const std::pair<const char*, YtdCategory> categories[] = {
        {"congregation", YtdCategory::kCongregation},
        {"publishers", YtdCategory::kPublishers},
        {"auxiliary", YtdCategory::kAuxiliary},
        {"regular", YtdCategory::kPioneers}};
    const std::pair<const char*, StatusPeriod> periods[] = {
        {"six", StatusPeriod::kSixMonths},
        {"service-year", StatusPeriod::kServiceYear},
        {"twelve", StatusPeriod::kTwelveMonths}};
    const std::pair<const char*, activity::YtdSource> sources[] = {
        {"records", activity::YtdSource::kRecords}, {"card", activity::YtdSource::kTotalsCard}};
    auto pick = [](const auto& table, const std::string& text) {
      for (const auto& [name, value] : table)
        if (text == name) return std::optional(value);
      return std::optional<decltype(table[0].second)>();
    };
    const auto category = pick(categories, category_);
    const auto period = pick(periods, period_);
    const auto source = pick(sources, source_);
    const std::pair<const char*, const std::string*> bad[] = {
        {"--category", category ? nullptr : &category_},
        {"--period", period ? nullptr : &period_},
        {"--source", source ? nullptr : &source_}};
    for (const auto& [option, text] : bad) {
      if (text != nullptr)
        return Refuse(context, Strings().Format(str::kCliBadValue,
                                                {option, platform::Utf8ToAnsi(*text).text}));
    }
    auto doc = OpenCliDocument(context, CliAccess::kRead, password_);
    if (!doc) return doc.exit_code();
    const activity::YearToDate y =
        activity::ComputeYearToDate(doc->document->db(), *category, *period, *source);
    json table = json::array();
    for (const activity::YtdLine& l : y.lines) {
      table.push_back({{"month", l.month.number()},
                       {"year", 2000 + l.month.year_byte},
                       {"reports", Number(l.reports)},
                       {"studies", Number(l.studies)},
                       {"hours", Number(l.hours)}});
    }
    const json out = {
        {"table", table},
        {"totals", {{"studies", Number(y.total_studies)}, {"hours", Number(y.total_hours)}}},
        {"averages",
         {{"studies", Decimal(y.average_studies)}, {"hours", Decimal(y.average_hours)}}}};
    *context.out << out.dump(1) << '\n';
    return 0;
  }

 private:
  std::string category_ = "congregation";
  std::string period_ = "twelve";
  std::string source_ = "records";
  std::optional<std::string> password_;
};

}  // namespace

std::unique_ptr<CliCommand> MakeYtdCommand() {
  return std::make_unique<YtdCommand>();
}

std::unique_ptr<CliCommand> MakeTotalsCommand() {
  return std::make_unique<TotalsCommand>();
}
std::unique_ptr<CliCommand> MakeSummaryCommand() {
  return std::make_unique<SummaryCommand>();
}

}  // namespace ledra::cli
