#include "reports/attendance_record_page.h"

#include <algorithm>
#include <cctype>

#include "activity/month_calendar.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/month_slot.h"

namespace ledra::reports {
namespace {

constexpr int kSeptember = 8;
constexpr int kRows = 14;  // headings, twelve months, the month average
constexpr int kDocumentNameLength = 50;
constexpr std::string_view kFace = "Times New Roman";

// The languages whose string table gives the record's column widths.
constexpr std::string_view kSizedLanguages[] = {"french", "I",   "esp", "hun",      "urk", "rom",
                                                "greek",  "nor", "rus", "estonian", "ptg"};

int MonthOfRow(int row) {
  return (kSeptember + row) % 12;
}

FontSpec Times(int points, bool bold, int dpi_y, std::string_view language) {
  FontSpec f;
  f.height = -((points * dpi_y + 36) / 72);
  f.weight = bold ? 700 : 400;
  f.pitch_and_family = pitch::kVariable | pitch::kRoman;
  f.face = std::string(kFace);
  f.char_set = DefaultCharSet(language);
  return f;
}

std::optional<records::AttendanceFigures> MonthAverage(
    const std::array<std::optional<records::AttendanceFigures>, 12>& months) {
  int shown = 0;
  records::AttendanceFigures sum;
  for (const auto& m : months) {
    if (!m) continue;
    ++shown;
    sum.count += m->count;
    sum.total += m->total;
    sum.average += m->average;
  }
  if (shown == 0) return std::nullopt;
  return records::AttendanceFigures{records::AttendanceAverage(sum.count, shown),
                                    records::AttendanceAverage(sum.total, shown),
                                    records::AttendanceAverage(sum.average, shown)};
}

// Draws one page on one target; every distance is the target's pixels.
class RecordPainter {
 public:
  RecordPainter(Canvas& canvas, const ReportEnv& env, int screen_pen)
      : c_(canvas),
        env_(env),
        printed_(canvas.dpi_x() != env.screen_dpi_x),
        dpi_x_(canvas.dpi_x()),
        dpi_y_(canvas.dpi_y()),
        unit_(printed_ ? std::max(1, dpi_y_ / 300) : 1),
        pen_(printed_ ? std::max(1, dpi_y_ / 300) : std::max(1, screen_pen)) {}

  void Page(const AttendanceRecord& record) {
    const StringTable& s = Strings();
    const std::string& language = env_.language_code;
    const int u = dpi_y_ / 6;
    c_.StartPage();
    c_.SetFont(Times(language == "I" ? 14 : 15, true, dpi_y_, language));
    c_.Text(dpi_x_ * 17 / 4, dpi_y_ - (5 * u) / 2, s.Get(str::kAttendanceRecordTitle),
            HAlign::kCenter);
    const int name_x = dpi_x_ * 85 / 100;
    const int names[] = {str::kMeetingMidweek, str::kMeetingWeekend};
    const int name_tops[] = {dpi_y_, 6 * dpi_y_};
    for (std::size_t m = 0; m < record.years.size(); ++m) {
      c_.SetFont(Times(12, true, dpi_y_, language));
      c_.Text(name_x, name_tops[m], s.Get(names[m]));
      Table(name_tops[m] + dpi_y_ / 2, record.years[m]);
    }
    c_.EndPage();
  }

 private:
  void Table(int top, const std::array<AttendanceRecordYear, 2>& years) {
    const int left = dpi_x_ * 3 / 4;
    const int width = dpi_x_ * 7;
    const int half = width / 2;
    const int row_h = dpi_y_ * 7 / 2 / kRows;
    const int bottom = top + kRows * row_h;
    c_.Rectangle({left, top, left + width, bottom}, pen_);
    for (int r = 1; r < kRows; ++r)
      c_.Line(left, top + r * row_h, left + width, top + r * row_h, pen_);
    const std::array<int, 4> widths = AttendanceColumnWidths(
        half, env_.language_code, Strings().Get(str::kAttendanceColumnWidths));
    for (std::size_t h = 0; h < years.size(); ++h) {
      std::array<int, 5> stops{};
      stops[0] = left + static_cast<int>(h) * half;
      for (std::size_t i = 0; i < widths.size(); ++i) stops[i + 1] = stops[i] + widths[i];
      for (std::size_t i = 1; i < 4; ++i) c_.Line(stops[i], top, stops[i], bottom, pen_);
      Half(top, row_h, stops, years[h]);
    }
    c_.Line(left + half, top, left + half, bottom, pen_);
  }

  void Half(int top, int row_h, const std::array<int, 5>& stops, const AttendanceRecordYear& year) {
    const StringTable& s = Strings();
    const std::string& language = env_.language_code;
    auto centre = [&](std::size_t column) { return (stops[column] + stops[column + 1]) / 2; };

    c_.SetFont(Times(language == "greek" ? 8 : 10, true, dpi_y_, language));
    TwoLines(centre(0), top, row_h,
             {s.Get(str::kAttendanceServiceYear), std::to_string(year.service_year)});
    const std::array<std::pair<std::string, std::string>, 3> headings =
        printed_ ? std::array{SplitHeading(s.Get(str::kAttendanceMeetingsHeading)),
                              SplitHeading(s.Get(str::kAttendanceTotalHeading)),
                              SplitHeading(s.Get(str::kAttendanceWeekAverage))}
                 : std::array{std::pair{s.Get(str::kAttendanceTimes), std::string{}},
                              std::pair{s.Get(str::kAttendanceTotal), std::string{}},
                              std::pair{s.Get(str::kAttendanceAverageShort), std::string{}}};
    for (std::size_t i = 0; i < headings.size(); ++i)
      TwoLines(centre(i + 1), top, row_h, headings[i]);

    c_.SetFont(Times(10, false, dpi_y_, language));
    const int text_h = c_.Metrics().height;
    for (int r = 0; r < 12; ++r) {
      const int row_top = top + (r + 1) * row_h;
      const int y = row_top + (row_h - text_h) / 2;
      const int month = MonthOfRow(r);
      c_.Text(stops[0] + 10 * unit_, y,
              printed_ ? activity::MonthName(month) : s.Get(str::kMonthShortJanuary + month));
      Figures(stops, y, year.months[static_cast<std::size_t>(r)]);
    }
    const int last_top = top + (kRows - 1) * row_h;
    TwoLines(centre(0), last_top, row_h, SplitHeading(s.Get(str::kAttendanceMonthAverage)));
    Figures(stops, last_top + (row_h - text_h) / 2, year.month_average);
  }

  void Figures(const std::array<int, 5>& stops, int y,
               const std::optional<records::AttendanceFigures>& f) {
    if (!f) return;
    const int values[] = {f->count, f->total, f->average};
    for (std::size_t i = 0; i < 3; ++i)
      c_.Text((stops[i + 1] + stops[i + 2]) / 2, y, std::to_string(values[i]), HAlign::kCenter);
  }

  // One or two lines centred in a row; two lines too tall for it share it.
  void TwoLines(int x, int row_top, int row_h, const std::pair<std::string, std::string>& lines) {
    const int h = c_.Metrics().height;
    if (lines.second.empty()) {
      c_.Text(x, row_top + (row_h - h) / 2, lines.first, HAlign::kCenter);
      return;
    }
    const int pitch = std::min(h, row_h / 2);
    const int first = row_top + (row_h - pitch - h) / 2;
    c_.Text(x, first, lines.first, HAlign::kCenter);
    c_.Text(x, first + pitch, lines.second, HAlign::kCenter);
  }

  Canvas& c_;
  const ReportEnv& env_;
  bool printed_;
  int dpi_x_, dpi_y_;
  int unit_;  // small offsets: an image dot of 300 per inch on paper
  int pen_;
};

}  // namespace

AttendanceRecord AttendanceRecordOf(const store::CongregationDatabase& db) {
  AttendanceRecord record;
  const int current = db.ServiceYear();
  for (std::size_t m = 0; m < record.years.size(); ++m) {
    const store::AttendanceBlock& block = db.side.attendance[m];
    for (std::size_t h = 0; h < 2; ++h) {
      AttendanceRecordYear& year = record.years[m][h];
      year.service_year = current - 1 + static_cast<int>(h);
      for (int r = 0; r < 12; ++r) {
        const int month = MonthOfRow(r);
        const int calendar_year = month >= kSeptember ? year.service_year - 1 : year.service_year;
        // A slot outside the window still holds the month two years earlier.
        if (!records::WindowMonthOffered(db, calendar_year, month)) continue;
        const records::AttendanceFigures f =
            records::StoredFigures(block, store::MonthSlot(month, calendar_year - 2000));
        if (f.count != 0 || f.total != 0) year.months[static_cast<std::size_t>(r)] = f;
      }
      year.month_average = MonthAverage(year.months);
    }
  }
  return record;
}

std::array<int, 4> AttendanceColumnWidths(int half_width, std::string_view language_code,
                                          std::string_view widths_text) {
  auto percent = [&](std::size_t at) -> std::optional<int> {
    if (widths_text.size() < at + 2) return std::nullopt;
    const char a = widths_text[at], b = widths_text[at + 1];
    if (!std::isdigit(static_cast<unsigned char>(a)) ||
        !std::isdigit(static_cast<unsigned char>(b)))
      return std::nullopt;
    return (a - '0') * 10 + (b - '0');
  };
  const bool sized = std::find(std::begin(kSizedLanguages), std::end(kSizedLanguages),
                               language_code) != std::end(kSizedLanguages);
  const auto p0 = percent(0), p1 = percent(3), p2 = percent(6);
  if (sized && p0 && p1 && p2 && *p0 + *p1 + *p2 < 100) {
    const int a = half_width * *p0 / 100, b = half_width * *p1 / 100, c = half_width * *p2 / 100;
    return {a, b, c, half_width - a - b - c};
  }
  const int eighth = half_width * 2 / 8;
  return {eighth, eighth, eighth, half_width - 3 * eighth};
}

std::pair<std::string, std::string> SplitHeading(std::string_view heading) {
  for (std::size_t i = 4; i < heading.size(); ++i) {
    if (heading[i] == ' ')
      return {std::string(heading.substr(0, i)), std::string(heading.substr(i + 1))};
    if (heading[i] == '-')
      return {std::string(heading.substr(0, i + 1)), std::string(heading.substr(i + 1))};
  }
  return {std::string(heading), std::string{}};
}

void DrawAttendanceRecord(Canvas& canvas, const ReportEnv& env, const AttendanceRecord& record,
                          int screen_pen) {
  RecordPainter(canvas, env, screen_pen).Page(record);
}

std::string AttendanceRecordDocumentName() {
  std::string name = Strings().Get(str::kAttendanceRecordCaption);
  if (name.size() > static_cast<std::size_t>(kDocumentNameLength)) name.resize(kDocumentNameLength);
  return name;
}

RecordPrintStart AttendancePrintStart(std::optional<std::string_view> default_printer) {
  if (!default_printer) return RecordPrintStart::kNoPrinter;
  return default_printer->find("PDF") != std::string_view::npos ? RecordPrintStart::kAtOnce
                                                                : RecordPrintStart::kAskFirst;
}

DirectPrintOutcome PrintAttendanceRecord(PrinterPort& printers, Prompter& prompter,
                                         const ReportEnv& env, const AttendanceRecord& record) {
  const DirectPrintRequest request{AttendanceRecordDocumentName(), env.fonts.font(FontRole::kText),
                                   env.screen_dpi_x, env.screen_dpi_y};
  return PrintDirect(printers, prompter, request, [&](Canvas& canvas) {
    ReportEnv printed = env;
    printed.printed = true;
    printed.printer_dpi_x = canvas.dpi_x();
    printed.printer_dpi_y = canvas.dpi_y();
    DrawAttendanceRecord(canvas, printed, record);
  });
}

}  // namespace ledra::reports
