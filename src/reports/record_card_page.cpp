#include "reports/record_card_page.h"

#include <algorithm>
#include <cstdio>
#include <functional>

#include "activity/month_calendar.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "reports/ticked_box.h"

namespace ledra::reports {
namespace {

using records::CardMonth;
using records::CardYear;
using records::RecordCard;

// Sizes in tenths of a point.
constexpr int kTitlePoints = 150;
constexpr int kHeaderPoints = 125;
constexpr int kCaptionPoints = 110;
constexpr int kTablePoints = 100;

// Month rows below the heading row; the current card adds the total row,
// the earlier one the total and the average rows.
constexpr int kMonthRows = 12;

FontSpec CardFont(int tenth_points, bool bold, int dpi_y, std::string_view language) {
  FontSpec f;
  f.height = -(tenth_points * dpi_y / 720);
  f.weight = bold ? 700 : 400;
  if (language == "urk") {
    f.face = "Times New Roman";
    f.pitch_and_family = pitch::kVariable | pitch::kRoman;
  } else {
    f.face = "Calibri";
    f.pitch_and_family = pitch::kVariable | pitch::kSwiss;
  }
  return f;
}

std::string HoursText(int hours, int quarters) {
  static constexpr const char* kGlyph[] = {"", "\xBC", "\xBD", "\xBE"};
  return std::to_string(hours) + kGlyph[quarters & 3];
}

std::string OneDecimal(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", v);
  return text;
}

// Where everything of one card falls on one target.
struct Geometry {
  int dpi_x = 300, dpi_y = 300;
  bool screen = false;
  int left = 0, width = 0, y0 = 0;
  int unit = 1;
  int table_top = 0, table_height = 0;

  int Pen(int units) const { return screen ? 1 : std::max(1, units * unit); }
  int right() const { return left + width; }
};

Geometry GeometryOf(int dpi_x, int dpi_y, const CardStyle& style) {
  Geometry g;
  g.dpi_x = dpi_x;
  g.dpi_y = dpi_y;
  g.screen = style.screen;
  g.left = dpi_x / 2;
  // Tall paper (A4) leaves less width.
  g.width = style.paper_height_tenths > 114 ? dpi_x * 29 / 4 : dpi_x * 15 / 2;
  g.y0 = dpi_y;
  g.unit = std::max(1, dpi_y / 300);
  // Two inches would put the headings over the third row of boxes on screen;
  // the screen keeps the printer's top.
  g.table_top = dpi_y * 9 / 4;
  g.table_height = style.screen ? dpi_y * 7 / 2 : dpi_y * 63 / 16;
  return g;
}

// One month table placed at its top.
struct Table {
  const Geometry& g;
  const CardYear& year;
  int top;  // T: the heading band lies above it
  std::vector<int> bounds;

  int rows() const { return year.earlier ? kMonthRows + 3 : kMonthRows + 2; }
  int row_height() const { return g.table_height / rows(); }
  int frame_top() const { return top - g.table_height / 10; }
  int RowTop(int r) const { return r == 0 ? frame_top() : top + 3 * g.unit + r * row_height(); }
  int RowBottom(int r) const { return top + 3 * g.unit + (r + 1) * row_height(); }
  int Baseline(int r) const { return RowBottom(r) - row_height() / 5; }
  int bottom() const { return RowBottom(rows() - 1); }
};

std::vector<int> Bounds(const Geometry& g, bool earlier) {
  std::vector<int> b{g.left};
  const int columns = earlier ? 6 : 5;  // before the remarks
  if (g.screen) {
    const int step = g.width / (earlier ? 9 : 8);
    for (int k = 1; k <= columns; ++k) b.push_back(g.left + k * step);
  } else {
    const auto stops =
        ReadStops(Strings().Get(earlier ? str::kCardEarlierColumnStops : str::kCardColumnStops), 3);
    for (int k = 0; k < columns; ++k)
      b.push_back(g.left + stops[static_cast<std::size_t>(k)] * g.dpi_x / 100);
  }
  b.push_back(g.right());
  return b;
}

std::vector<int> Headings(bool earlier, bool screen) {
  if (earlier) {
    if (screen)
      return {str::kCardShortPublications, str::kCardShortVideos,  str::kCardShortHours,
              str::kCardShortReturnVisits, str::kCardShortStudies, str::kCardRemarks};
    return {str::kCardPublications, str::kCardVideos,  str::kCardEarlierHours,
            str::kCardReturnVisits, str::kCardStudies, str::kCardRemarks};
  }
  if (screen)
    return {str::kCardShortParticipated, str::kCardShortStudies, str::kCardShortAuxiliary,
            str::kCardShortHours, str::kCardRemarks};
  return {str::kCardParticipated, str::kCardStudies, str::kCardAuxiliary, str::kCardHours,
          str::kCardRemarks};
}

// The earlier card split its headings once, at the first blank or hyphen.
std::vector<std::string> SplitOnce(std::string_view text) {
  const std::size_t at = text.find_first_of(" -");
  if (at == std::string_view::npos) return {std::string(text)};
  const std::size_t keep = text[at] == '-' ? at + 1 : at;
  return {std::string(text.substr(0, keep)), std::string(text.substr(at + 1))};
}

void DrawLines(Canvas& c, int centre, int top, int bottom, const std::vector<std::string>& lines) {
  const TextMetrics m = c.Metrics();
  const int h = m.height;
  const int count = static_cast<int>(lines.size());
  int y = top + (bottom - top - count * h) / 2;
  for (const std::string& line : lines) {
    c.Text(centre, y, line, HAlign::kCenter, VAlign::kTop);
    y += h;
  }
}

void DrawBox(Canvas& c, const Geometry& g, int left, int right, int row_bottom, int row_height,
             bool ticked) {
  const int w = g.dpi_x / 7, h = g.dpi_y / 7;
  const int box_right = (left + right + w) / 2;
  const int box_bottom = row_bottom - (row_height - h) / 2;
  if (ticked) {
    DrawTickedBox(c, box_right, box_bottom, w, h);
  } else {
    c.Rectangle({box_right - w, box_bottom - h, box_right, box_bottom},
                g.screen ? 1 : g.dpi_x / 120);
  }
}

void DrawRules(Canvas& c, const Table& t) {
  const Geometry& g = t.g;
  const int frame = t.g.Pen(4);
  const int ft = t.frame_top();
  const bool earlier = t.year.earlier;
  const int total_row = kMonthRows + 1;
  const int month_bottom = t.RowTop(total_row);
  // The total row of the current card is closed only right of the hours' left stop.
  const int total_left = earlier ? g.left : t.bounds[4];
  for (int n = 1; n < t.rows(); ++n) {
    const int y = t.RowTop(n);
    if (n != total_row) {
      c.Line(g.left, y, g.right(), y, g.Pen(1));
      continue;
    }
    // Left of the total box the line closes the frame.
    if (!earlier) c.Line(g.left, y, total_left, y, frame);
    c.Line(total_left, y, g.right(), y, g.Pen(3));
  }
  for (std::size_t k = 1; k + 1 < t.bounds.size(); ++k) {
    const int x = t.bounds[k];
    const bool through = earlier || x >= total_left;
    c.Line(x, ft, x, through ? t.bottom() : month_bottom, x == total_left ? frame : g.Pen(1));
  }
  // The outer frame.
  c.Line(g.left, ft, g.right(), ft, frame);
  c.Line(g.left, ft, g.left, earlier ? t.bottom() : month_bottom, frame);
  c.Line(g.right(), ft, g.right(), t.bottom(), frame);
  c.Line(total_left, t.bottom(), g.right(), t.bottom(), frame);
}

void DrawHeadings(Canvas& c, const Table& t, const CardStyle& style) {
  const Geometry& g = t.g;
  const int band_top = t.frame_top(), band_bottom = t.RowBottom(0);
  c.SetFont(CardFont(kTablePoints, true, g.dpi_y, style.language_code));
  DrawLines(c, (t.bounds[0] + t.bounds[1]) / 2, band_top, band_bottom,
            {Strings().Get(str::kCardServiceYear), std::to_string(t.year.service_year)});
  const std::vector<int> ids = Headings(t.year.earlier, g.screen);
  for (std::size_t k = 0; k < ids.size(); ++k) {
    const int left = t.bounds[k + 1], right = t.bounds[k + 2];
    const std::string text = Strings().Get(ids[k]);
    std::vector<std::string> lines;
    if (g.screen) {
      lines = {text};
    } else if (t.year.earlier) {
      lines = SplitOnce(text);
    } else {
      const int room = right - left - g.dpi_x / 20;
      lines = SplitHeading(text, 4, [&](std::string_view s) { return c.TextWidth(s) <= room; });
    }
    DrawLines(c, (left + right) / 2, band_top, band_bottom, lines);
  }
}

// Right-aligned a quarter of the column's width before its right stop.
void Figure(Canvas& c, const Table& t, std::size_t column, int row, const std::string& text) {
  const int left = t.bounds[column], right = t.bounds[column + 1];
  c.Text(right - (right - left) / 4, t.Baseline(row), text, HAlign::kRight, VAlign::kBottom);
}

void DrawMonths(Canvas& c, const Table& t, const CardStyle& style) {
  const Geometry& g = t.g;
  const CardYear& y = t.year;
  c.SetFont(CardFont(kTablePoints, false, g.dpi_y, style.language_code));
  const int pad = g.dpi_x / 16;
  const std::size_t remarks = t.bounds.size() - 2;
  for (std::size_t i = 0; i < y.months.size(); ++i) {
    const CardMonth& m = y.months[i];
    const int row = static_cast<int>(i) + 1;
    c.Text(g.left + pad, t.Baseline(row), activity::MonthName(m.month_index), HAlign::kLeft,
           VAlign::kBottom);
    std::string remark = m.filled ? m.remark : std::string();
    if (y.earlier) {
      if (m.filled) {
        const int values[] = {m.publications, m.videos, m.hours, m.return_visits, m.studies};
        for (std::size_t k = 0; k < 5; ++k) {
          if (values[k] == 0 && !(k == 2 && m.quarters > 0)) continue;
          Figure(c, t, k + 1, row,
                 k == 2 ? HoursText(m.hours, m.quarters) : std::to_string(values[k]));
        }
        // No room in the hours column: the remarks take it.
        if (m.less_than_hour && m.hours == 0) {
          const std::string less = Strings().Get(str::kCardLessThanHour);
          remark = remark.empty() ? less : less + "  " + remark;
        }
      }
    } else {
      DrawBox(c, g, t.bounds[1], t.bounds[2], t.RowBottom(row), t.row_height(),
              m.filled && m.participated);
      DrawBox(c, g, t.bounds[3], t.bounds[4], t.RowBottom(row), t.row_height(),
              m.filled && m.auxiliary);
      if (m.filled && m.studies > 0) Figure(c, t, 2, row, std::to_string(m.studies));
      if (m.filled && m.hours_shown && (m.hours > 0 || m.quarters > 0))
        Figure(c, t, 4, row, HoursText(m.hours, m.quarters));
    }
    if (!remark.empty())
      c.Text(t.bounds[remarks] + pad, t.Baseline(row), remark, HAlign::kLeft, VAlign::kBottom);
  }

  // The bottom rows.
  const int total_row = kMonthRows + 1;
  if (y.earlier) {
    c.SetFont(CardFont(kTablePoints, true, g.dpi_y, style.language_code));
    const int labels[] = {g.screen ? str::kCardShortTotal : str::kCardTotal,
                          g.screen ? str::kCardShortAverage : str::kCardAverage};
    for (int r = 0; r < 2; ++r)
      c.Text(g.left + pad, t.Baseline(total_row + r), Strings().Get(labels[r]), HAlign::kLeft,
             VAlign::kBottom);
    c.SetFont(CardFont(kTablePoints, false, g.dpi_y, style.language_code));
    for (std::size_t k = 0; k < 5; ++k) {
      if (y.show_totals)
        Figure(c, t, k + 1, total_row,
               k == 2 ? HoursText(y.totals[k], y.total_quarters) : std::to_string(y.totals[k]));
      if (y.show_averages) Figure(c, t, k + 1, total_row + 1, OneDecimal(y.averages[k]));
    }
    return;
  }
  if (!y.show_totals) return;
  c.SetFont(CardFont(kTablePoints, true, g.dpi_y, style.language_code));
  c.Text(t.bounds[4] - g.dpi_x / 8, t.Baseline(total_row),
         Strings().Get(g.screen ? str::kCardShortTotal : str::kCardTotal), HAlign::kRight,
         VAlign::kBottom);
  c.SetFont(CardFont(kTablePoints, false, g.dpi_y, style.language_code));
  Figure(c, t, 4, total_row, HoursText(y.totals[2], y.total_quarters));
}

void DrawHeaderBox(Canvas& c, const Geometry& g, int right, int bottom, bool ticked,
                   const std::string& caption) {
  const int w = g.dpi_x / 10, h = g.dpi_y / 10;
  const int pen = g.screen ? 1 : std::max(1, g.dpi_x / 120);
  const Rect r{right - w, bottom - h, right, bottom};
  c.Rectangle(r, pen);
  if (ticked) {
    c.Line(r.left, r.top, r.right, r.bottom, pen);
    c.Line(r.left, r.bottom, r.right, r.top, pen);
  }
  c.Text(right + g.width / 190, bottom, caption, HAlign::kLeft, VAlign::kBottom);
}

void DrawHeader(Canvas& c, const Geometry& g, const RecordCard& card, const CardStyle& style) {
  const StringTable& s = Strings();
  c.SetFont(CardFont(kTitlePoints, true, g.dpi_y, style.language_code));
  c.Text(g.left + g.width / 2, g.y0 - g.dpi_y * 5 / 8, s.Get(str::kCardTitle), HAlign::kCenter,
         VAlign::kTop);
  c.SetFont(CardFont(kHeaderPoints, true, g.dpi_y, style.language_code));
  if (!card.group_name.empty())
    c.Text(g.right() - g.width / 80, g.y0 - g.dpi_y / 8, card.group_name, HAlign::kRight,
           VAlign::kTop);
  const std::pair<int, const std::string*> lines[] = {{str::kCardName, &card.name},
                                                      {str::kCardBirth, &card.birth_date},
                                                      {str::kCardBaptism, &card.baptism_date}};
  for (std::size_t i = 0; i < 3; ++i)
    c.Text(g.left, g.y0 + static_cast<int>(i) * g.dpi_y / 4,
           s.Get(lines[i].first) + ":  " + *lines[i].second, HAlign::kLeft, VAlign::kBottom);

  c.SetFont(CardFont(kCaptionPoints, true, g.dpi_y, style.language_code));
  const auto stops = ReadStops(s.Get(str::kCardLabelStops), 2);
  auto at = [&](std::size_t k) { return g.left + stops[k] * g.width / 100; };
  const int row1 = g.y0 + g.dpi_x / 8 + g.dpi_y / 8;
  const int row2 = g.y0 + g.dpi_y / 2;
  const int row3 = g.y0 + g.dpi_y * 3 / 4;
  DrawHeaderBox(c, g, at(0), row1, card.male, s.Get(str::kCardMale));
  DrawHeaderBox(c, g, at(1), row1, card.female, s.Get(str::kCardFemale));
  DrawHeaderBox(c, g, at(0), row2, card.other_sheep, s.Get(str::kCardOtherSheep));
  DrawHeaderBox(c, g, at(1), row2, card.anointed, s.Get(str::kCardAnointed));
  DrawHeaderBox(c, g, at(2), row3, card.elder, s.Get(str::kCardElder));
  DrawHeaderBox(c, g, at(3), row3, card.ministerial_servant, s.Get(str::kCardServant));
  DrawHeaderBox(c, g, at(4), row3, card.regular_pioneer, s.Get(str::kCardRegular));
  DrawHeaderBox(c, g, at(5), row3, card.special_pioneer, s.Get(str::kCardSpecial));
  DrawHeaderBox(c, g, at(6), row3, card.field_missionary, s.Get(str::kCardMissionary));
}

// The top of each table: the second one under the first, its headings clear of it.
std::vector<int> TableTops(const Geometry& g, const RecordCard& card) {
  std::vector<int> tops;
  int top = g.table_top;
  for (std::size_t i = 0; i < card.years.size(); ++i) {
    tops.push_back(top);
    top += g.table_height + 3 * g.unit + g.table_height / 10 + g.dpi_y / 10;
  }
  return tops;
}

}  // namespace

std::array<int, 7> ReadStops(std::string_view text, int digits) {
  std::array<int, 7> stops{};
  const std::size_t step = static_cast<std::size_t>(digits) + 1;
  for (std::size_t k = 0; k < stops.size(); ++k) {
    int value = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(digits); ++i) {
      const std::size_t at = k * step + i;
      const char ch = at < text.size() ? text[at] : ' ';
      if (ch < '0' || ch > '9') {
        value = 0;
        break;
      }
      value = value * 10 + (ch - '0');
    }
    stops[k] = value;
  }
  return stops;
}

std::vector<std::string> SplitHeading(std::string_view text, int max_lines,
                                      const std::function<bool(std::string_view)>& fits) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  std::size_t last_split = 0;
  bool split_yet = false;
  while (static_cast<int>(lines.size()) + 1 < max_lines && !fits(text.substr(start))) {
    // The last allowed break that still fits, else the first allowed one.
    std::size_t chosen = std::string_view::npos;
    for (std::size_t i = start; i < text.size(); ++i) {
      if (text[i] != ' ' && text[i] != '-') continue;
      if (i < 2 || (split_yet && i < last_split + 4)) continue;
      const std::size_t end = text[i] == '-' ? i + 1 : i;
      if (chosen != std::string_view::npos && !fits(text.substr(start, end - start))) break;
      chosen = i;
    }
    if (chosen == std::string_view::npos) break;
    const std::size_t end = text[chosen] == '-' ? chosen + 1 : chosen;
    lines.emplace_back(text.substr(start, end - start));
    start = chosen + 1;
    last_split = chosen;
    split_yet = true;
  }
  lines.emplace_back(text.substr(start));
  return lines;
}

void DrawRecordCard(Canvas& canvas, const RecordCard& card, const CardStyle& style) {
  const Geometry g = GeometryOf(canvas.dpi_x(), canvas.dpi_y(), style);
  DrawHeader(canvas, g, card, style);
  const std::vector<int> tops = TableTops(g, card);
  for (std::size_t i = 0; i < card.years.size(); ++i) {
    const CardYear& y = card.years[i];
    const Table t{g, y, tops[i], Bounds(g, y.earlier)};
    DrawHeadings(canvas, t, style);
    DrawMonths(canvas, t, style);
    DrawRules(canvas, t);
  }
}

Rect RecordCardExtent(int dpi_x, int dpi_y, const RecordCard& card, const CardStyle& style) {
  const Geometry g = GeometryOf(dpi_x, dpi_y, style);
  int bottom = g.table_top;
  const std::vector<int> tops = TableTops(g, card);
  for (std::size_t i = 0; i < card.years.size(); ++i) {
    const Table t{g, card.years[i], tops[i], {}};
    bottom = t.bottom();
  }
  return {0, 0, g.right() + g.dpi_x / 2, bottom + dpi_y / 4};
}

}  // namespace ledra::reports
