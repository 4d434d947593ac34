// `ledra-cli attendance`: the meeting attendance of a month, typed in as the
// entry dialog takes it, then printed as stored.

#include "cli/attendance_command.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/cli_document.h"
#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "records/attendance_entry.h"

namespace ledra::cli {
namespace {

using json = nlohmann::ordered_json;

// "80,0,90": up to five week texts (ANSI); more are refused.
std::optional<std::vector<std::string>> WeekTexts(const std::string& list) {
  std::vector<std::string> weeks;
  if (list.empty()) return weeks;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = list.find(',', start);
    weeks.push_back(platform::Utf8ToAnsi(list.substr(start, comma - start)).text);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (weeks.size() > static_cast<std::size_t>(records::kAttendanceWeeks)) return std::nullopt;
  return weeks;
}

json MeetingJson(const store::AttendanceBlock& block, int slot) {
  const records::AttendanceFigures f = records::StoredFigures(block, slot);
  json weeks = json::array();
  for (std::uint16_t w : records::StoredWeeks(block, slot)) weeks.push_back(w);
  return {{"weeks", weeks}, {"count", f.count}, {"total", f.total}, {"average", f.average}};
}

class AttendanceCommand final : public CliCommand {
 public:
  std::string Name() const override { return "attendance"; }
  std::string Description() const override {
    return "Type in a month's meeting attendance (\"Assistência às Reuniões\") and print it";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--month", month_, "Month 1-12 (with --year; default the report month)");
    command.add_option("--year", year_, "Four-digit year (with --month)");
    command.add_option("--midweek", midweek_,
                       "Midweek meeting, weeks 1-5 comma-separated (missing weeks are 0)");
    command.add_option("--weekend", weekend_,
                       "Weekend meeting, weeks 1-5 comma-separated (missing weeks are 0)");
    command.add_option("--password", password_, "Password of a protected folder");
  }

  int Run(const CliContext& context) override {
    if (month_.has_value() != year_.has_value())
      return Refuse(context, Strings().Get(str::kCliAttendanceMonthAndYear));
    if (month_ && (*month_ < 1 || *month_ > 12))
      return Refuse(context, Strings().Format(str::kCliNoSuchMonth, {std::to_string(*month_)}));
    std::optional<std::vector<std::string>> weeks[records::kAttendanceMeetings];
    const std::pair<const char*, const std::optional<std::string>*> options[] = {
        {"--midweek", &midweek_}, {"--weekend", &weekend_}};
    for (std::size_t m = 0; m < std::size(options); ++m) {
      const auto& [name, value] = options[m];
      if (!*value) continue;
      weeks[m] = WeekTexts(**value);
      if (!weeks[m]) return Refuse(context, Strings().Format(str::kCliAttendanceWeeks, {name}));
    }

    const bool edits = midweek_ || weekend_;
    auto doc = OpenCliDocument(context, edits ? CliAccess::kWrite : CliAccess::kRead, password_);
    if (!doc) return doc.exit_code();
    store::Document& document = *doc->document;
    records::AttendanceEntry entry(document);
    if (month_) {
      if (Status chosen = entry.Choose(*year_, *month_ - 1); !chosen)
        return Refuse(context, chosen.error().text);
    }
    for (int m = 0; m < records::kAttendanceMeetings; ++m) {
      const auto& given = weeks[static_cast<std::size_t>(m)];
      if (!given) continue;
      for (int w = 0; w < records::kAttendanceWeeks; ++w)
        entry.field(m, w) = static_cast<std::size_t>(w) < given->size()
                                ? (*given)[static_cast<std::size_t>(w)]
                                : "";
    }
    const Result<bool> stored = entry.Store();
    if (!stored) return Refuse(context, stored.error().text);
    if (document.db().modified && !document.SaveCommand(/*from_menu=*/false)) return kExitFailed;

    const auto& blocks = document.db().side.attendance;
    const json out = {{"month", entry.month_index() + 1},
                      {"year", entry.year()},
                      {"slot", entry.slot()},
                      {"midweek", MeetingJson(blocks[0], entry.slot())},
                      {"weekend", MeetingJson(blocks[1], entry.slot())},
                      {"saved", *stored}};
    *context.out << out.dump(1) << '\n';
    return kExitDone;
  }

 private:
  std::optional<int> month_, year_;
  std::optional<std::string> midweek_, weekend_, password_;
};

}  // namespace

std::unique_ptr<CliCommand> MakeAttendanceCommand() {
  return std::make_unique<AttendanceCommand>();
}

}  // namespace ledra::cli
