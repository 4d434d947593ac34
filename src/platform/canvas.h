#pragma once
// The drawing surface every report routine draws on. The screen, print
// preview, the printer, PDF files and the recording canvas of the tests all
// implement it, so one routine per report serves every output. It lives here,
// below both, so that the Qt canvas implements it without knowing the reports.

#include <string>
#include <string_view>

namespace ledra {

// Pitch-and-family values of a font description.
namespace pitch {
inline constexpr int kFixed = 1;
inline constexpr int kVariable = 2;
inline constexpr int kRoman = 0x10;
inline constexpr int kSwiss = 0x20;
inline constexpr int kModern = 0x30;
}  // namespace pitch

// A logical font. A negative height is the character height in pixels, a
// positive one the cell height; width 0 lets the face choose.
struct FontSpec {
  int height = -13;
  int width = 0;
  int weight = 400;
  bool italic = false;
  bool underline = false;
  int pitch_and_family = pitch::kVariable | pitch::kSwiss;
  std::string face = "Arial";  // ANSI, at most 31 characters
  int char_set = 0;
  bool operator==(const FontSpec&) const = default;
};

struct TextMetrics {
  int height = 0;
  int external_leading = 0;
  int average_char_width = 0;
};

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const Rect&) const = default;
};

enum class HAlign { kLeft, kRight, kCenter };
enum class VAlign { kTop, kBottom };

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual int dpi_x() const = 0;
  virtual int dpi_y() const = 0;

  // Selects a font, already scaled for this target.
  virtual void SetFont(const FontSpec& font) = 0;
  virtual TextMetrics Metrics() const = 0;
  // Measure a font, and a text in it, without selecting it and the same on
  // every target: what page planning needs.
  virtual TextMetrics MetricsOf(const FontSpec& font) const = 0;
  virtual int TextWidthOf(const FontSpec& font, std::string_view ansi) const = 0;
  // Width of an ANSI text in the current font.
  virtual int TextWidth(std::string_view ansi) const = 0;
  // Draws an ANSI text with its reference point at (x, y).
  virtual void Text(int x, int y, std::string_view ansi, HAlign h = HAlign::kLeft,
                    VAlign v = VAlign::kTop) = 0;
  virtual void Line(int x1, int y1, int x2, int y2, int pen_width = 1) = 0;
  virtual void Rectangle(const Rect& r, int pen_width = 1) = 0;
  // Only what falls in `r` shows (in the coordinates before the shift).
  virtual void SetClip(const Rect& r) = 0;
  // Everything drawn afterwards moves by (-dx, -dy).
  virtual void ShiftOrigin(int dx, int dy) = 0;
  virtual void StartPage() = 0;
  virtual void EndPage() = 0;
};

}  // namespace ledra
