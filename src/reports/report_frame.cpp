#include "reports/report_frame.h"

#include <cstdio>

#include "platform/string_table.h"

namespace ledra::reports {
namespace {

constexpr int kConfidential = 20900;
constexpr int kPrinted = 20901;
constexpr int kDateFormat = 20902;
constexpr int kDateFormatGreek = 20903;
constexpr int kTitleSeparator = 20934;
constexpr int kMonthJanuary = 3;

// The small fixed font of the date stamp.
FontSpec DateStampFont(std::string_view language_code) {
  FontSpec f;
  f.height = -10;
  f.weight = 400;
  f.face = "Times New Roman";
  f.pitch_and_family = pitch::kVariable | pitch::kRoman;
  f.char_set = DefaultCharSet(language_code);
  return f;
}

// A printf format of the string table with integers and one text.
std::string FormatDate(const std::string& format, int a, const std::string& month, int b) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, format.c_str(), a, month.c_str(), b);
  return buffer;
}

std::string FormatDate(const std::string& format, int a, int b, int c) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, format.c_str(), a, b, c);
  return buffer;
}

}  // namespace

ReportFrame::ReportFrame(Canvas& canvas, const ReportEnv& env)
    : canvas_(canvas), env_(env), screen_(canvas.dpi_x() == env.screen_dpi_x) {}

void ReportFrame::Use(FontRole role) {
  Use(env_.fonts.font(role));
}

void ReportFrame::Use(const FontSpec& screen_font) {
  if (screen_) {
    canvas_.SetFont(screen_font);
  } else {
    canvas_.SetFont(ScaleToPrinter(screen_font, env_.printer_dpi_x, env_.printer_dpi_y,
                                   env_.screen_dpi_x, env_.screen_dpi_y));
  }
}

PageFrame ReportFrame::ListFrame() {
  Use(FontRole::kText);
  PageFrame f;
  f.dpi_x = dpi_x();
  f.dpi_y = dpi_y();
  f.page_height_tenths = env_.page_height_tenths;
  f.top_margin = TopMargin(env_.options.top_margin, f.dpi_y);
  f.left_margin = f.dpi_x / 2;
  f.line_height = LineHeight(canvas_.Metrics(), env_.options.grid);
  if (f.line_height < 1) f.line_height = 1;
  // Planned apart from the target: its own rounding of the scaled font would
  // fit a line more or less on a page and move every page break after it.
  f.lines_per_page =
      LinesPerPage(kPlanDpi, LineHeight(canvas_.MetricsOf(PlanFont()), env_.options.grid));
  return f;
}

FontSpec ReportFrame::PlanFont() const {
  return ScaleToPrinter(env_.fonts.font(FontRole::kText), kPlanDpi, kPlanDpi, env_.screen_dpi_x,
                        env_.screen_dpi_y);
}

std::string ReportFrame::Title(std::string_view name) const {
  std::string title(name);
  if (!env_.options.cong_name.empty())
    title += Strings().Get(kTitleSeparator) + env_.options.cong_name;
  return title;
}

std::string ReportFrame::DateStamp() const {
  const Date& d = env_.today;
  std::string stamp = Strings().Get(kPrinted);
  if (env_.language_code == "greek") {
    stamp += FormatDate(Strings().Get(kDateFormatGreek), d.day, d.month, d.year);
  } else {
    const int month = d.month >= 1 && d.month <= 12 ? d.month : 1;
    stamp += FormatDate(Strings().Get(kDateFormat), d.day, Strings().Get(kMonthJanuary + month - 1),
                        d.year);
  }
  return stamp;
}

void ReportFrame::DrawHeader(const PageFrame& frame, int page, std::string_view title,
                             std::string_view subtitle, HeaderPlacement placement) {
  const int top = frame.PageTop(page);
  Use(FontRole::kTitle);
  canvas_.Text(frame.left_margin, top, title, HAlign::kLeft, VAlign::kBottom);
  const int after_title = frame.left_margin + canvas_.TextWidth(title);
  Use(FontRole::kText);
  canvas_.Text(after_title, top, "     " + Strings().Get(kConfidential), HAlign::kLeft,
               VAlign::kBottom);
  if (env_.printed && env_.options.datestamp) {
    Use(DateStampFont(env_.language_code));
    // From the page's edge, not the margin.
    canvas_.Text(frame.Inches(placement.datestamp_eighths, 8), top - frame.dpi_y / 5, DateStamp(),
                 HAlign::kRight, VAlign::kTop);
  }
  if (!subtitle.empty()) {
    Use(FontRole::kSubtitle);
    canvas_.Text(frame.left_margin, top + frame.line_height * placement.subtitle_half_lines / 2,
                 subtitle);
  }
  Use(FontRole::kText);
}

}  // namespace ledra::reports
