#pragma once
// The five report fonts: their defaults for high- and low-resolution printers,
// the character set the language asks for, and their place in the settings
// file (one section per role).

#include <array>
#include <string_view>

#include "platform/canvas.h"
#include "platform/ini_file.h"

namespace ledra::reports {

enum class FontRole { kText = 0, kTitle, kSubtitle, kHeading, kSmall };
inline constexpr int kFontRoleCount = 5;
inline constexpr std::array<FontRole, kFontRoleCount> kAllFontRoles = {
    FontRole::kText, FontRole::kTitle, FontRole::kSubtitle, FontRole::kHeading, FontRole::kSmall};

// Character set by language code ("rus" 204, "greek" 161, ..., anything else 0).
int DefaultCharSet(std::string_view language_code);
// The default description of a role; Thai editions use "System" for every face.
FontSpec DefaultFont(FontRole role, bool high_resolution, std::string_view language_code);
// A printer of 300 pixels per inch or more takes the high-resolution defaults.
inline bool IsHighResolution(int printer_dpi_x) {
  return printer_dpi_x >= 300;
}

// Settings section of a role ("Font", "Title Font", ...), ANSI.
std::string SectionName(FontRole role);

// The string id of the font dialog's caption (0: the dialog has none).
int FontDialogCaption(FontRole role);
// The menu command that changes a role's font.
int FontCommand(FontRole role);

class ReportFonts {
 public:
  ReportFonts(bool high_resolution, std::string_view language_code);

  const FontSpec& font(FontRole role) const { return fonts_[Index(role)]; }
  // Returns whether the description changed (and the view must be redrawn).
  bool Set(FontRole role, const FontSpec& desc);
  // All five back to the defaults of that resolution; everything is written at the end.
  void Reset(bool high_resolution);
  bool high_resolution() const { return high_resolution_; }

  // A role whose stored height is 0 or missing keeps its default.
  void Read(const platform::IniFile& ini);
  // Writes each key that differs from what the file holds (every key after a reset).
  void Write(platform::IniFile& ini) const;

 private:
  static std::size_t Index(FontRole role) { return static_cast<std::size_t>(role); }

  std::array<FontSpec, kFontRoleCount> fonts_;
  std::string language_;
  bool high_resolution_;
  bool reset_ = false;
};

// The height and width of a screen font scaled to a printer's resolution:
// multiply, then divide, as integers.
FontSpec ScaleToPrinter(FontSpec font, int printer_dpi_x, int printer_dpi_y, int screen_dpi_x,
                        int screen_dpi_y);

}  // namespace ledra::reports
