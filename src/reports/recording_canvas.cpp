#include "reports/recording_canvas.h"

#include <cstdlib>
#include <sstream>

#include "platform/codepage.h"

namespace ledra::reports {
namespace {

// Joins the words of one trace line with blanks.
template <typename... Parts>
std::string Join(const Parts&... parts) {
  std::ostringstream out;
  bool first = true;
  ((out << (first ? "" : " ") << parts, first = false), ...);
  return out.str();
}

std::string Quoted(std::string_view ansi) {
  return '"' + platform::AnsiToUtf8(ansi) + '"';
}

int CharHeight(const FontSpec& f) {
  return std::abs(f.height);
}

const char* AlignName(HAlign h) {
  switch (h) {
    case HAlign::kLeft:
      return "left";
    case HAlign::kRight:
      return "right";
    case HAlign::kCenter:
      return "center";
  }
  return "left";
}

}  // namespace

void RecordingCanvas::SetFont(const FontSpec& f) {
  font_ = f;
  lines_.push_back(Join("font", f.height, f.width, f.weight, int{f.italic}, int{f.underline},
                        f.pitch_and_family, Quoted(f.face), f.char_set));
}

TextMetrics RecordingCanvas::Metrics() const {
  return MetricsOf(font_);
}

TextMetrics RecordingCanvas::MetricsOf(const FontSpec& font) const {
  const int h = CharHeight(font);
  return {(h * 23 + 19) / 20, 0, (h + 1) / 2};
}

int RecordingCanvas::TextWidth(std::string_view ansi) const {
  return TextWidthOf(font_, ansi);
}

int RecordingCanvas::TextWidthOf(const FontSpec& font, std::string_view ansi) const {
  return static_cast<int>(ansi.size()) * MetricsOf(font).average_char_width;
}

void RecordingCanvas::Text(int x, int y, std::string_view ansi, HAlign h, VAlign v) {
  lines_.push_back(
      Join("text", x, y, AlignName(h), v == VAlign::kTop ? "top" : "bottom", Quoted(ansi)));
}

void RecordingCanvas::Line(int x1, int y1, int x2, int y2, int pen_width) {
  lines_.push_back(Join("line", x1, y1, x2, y2, pen_width));
}

void RecordingCanvas::Rectangle(const Rect& r, int pen_width) {
  lines_.push_back(Join("rect", r.left, r.top, r.right, r.bottom, pen_width));
}

void RecordingCanvas::SetClip(const Rect& r) {
  lines_.push_back(Join("clip", r.left, r.top, r.right, r.bottom));
}

void RecordingCanvas::ShiftOrigin(int dx, int dy) {
  lines_.push_back(Join("origin", dx, dy));
}

void RecordingCanvas::StartPage() {
  lines_.push_back("page-start");
}

void RecordingCanvas::EndPage() {
  lines_.push_back("page-end");
}

std::string RecordingCanvas::Trace() const {
  std::string out;
  for (const auto& l : lines_) {
    out += l;
    out += '\n';
  }
  return out;
}

}  // namespace ledra::reports
