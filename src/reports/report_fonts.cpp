#include "reports/report_fonts.h"

#include <algorithm>
#include <string>

#include "platform/string_table.h"

namespace ledra::reports {
namespace {

constexpr int kSectionIds[kFontRoleCount] = {20906, 20907, 20908, 20909, 20910};
constexpr int kKeyHeight = 20911, kKeyWeight = 20912, kKeyItalic = 20913, kKeyUnderline = 20914,
              kKeyPitch = 20915, kKeyFace = 20916, kKeyCharSet = 20917;
constexpr int kVariableSwiss = pitch::kVariable | pitch::kSwiss;  // 34
constexpr int kFixedModern = pitch::kFixed | pitch::kModern;      // 49

bool Among(std::string_view code, std::initializer_list<std::string_view> codes) {
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

}  // namespace

int DefaultCharSet(std::string_view code) {
  if (Among(code, {"rus", "urk"})) return 204;
  if (code == "greek") return 161;
  if (code == "turkish") return 162;
  if (Among(code, {"polish", "hrvatski", "slovenian", "czech", "hun", "slovak", "rom"})) return 238;
  if (Among(code, {"lt", "estonian"})) return 186;
  if (code == "tha") return 222;
  if (code == "vie") return 163;
  return 0;
}

FontSpec DefaultFont(FontRole role, bool high, std::string_view code) {
  FontSpec f;
  f.char_set = DefaultCharSet(code);
  const bool bold =
      role == FontRole::kTitle || role == FontRole::kSubtitle || role == FontRole::kHeading;
  f.weight = bold ? 700 : 400;
  if (high) {
    f.height = role == FontRole::kTitle ? -19 : role == FontRole::kSubtitle ? -16 : -13;
    f.pitch_and_family = kVariableSwiss;
    f.face = "Arial";
  } else {
    f.height = -13;
    f.pitch_and_family = kFixedModern;
    const bool twelve = role == FontRole::kHeading || role == FontRole::kSmall;
    f.face = twelve ? "Roman 12cpi" : "Roman 10cpi";
  }
  if (f.char_set == 222) f.face = "System";
  return f;
}

std::string SectionName(FontRole role) {
  return Strings().Get(kSectionIds[static_cast<int>(role)]);
}

int FontDialogCaption(FontRole role) {
  switch (role) {
    case FontRole::kTitle:
      return 20920;
    case FontRole::kSubtitle:
      return 20921;
    case FontRole::kHeading:
      return 20922;
    case FontRole::kText:
      return 20923;
    case FontRole::kSmall:
      return 0;
  }
  return 0;
}

int FontCommand(FontRole role) {
  constexpr int kCommands[kFontRoleCount] = {32791, 32788, 32789, 32790, 32803};
  return kCommands[static_cast<int>(role)];
}

ReportFonts::ReportFonts(bool high_resolution, std::string_view language_code)
    : language_(language_code), high_resolution_(high_resolution) {
  for (FontRole r : kAllFontRoles) fonts_[Index(r)] = DefaultFont(r, high_resolution, language_);
}

bool ReportFonts::Set(FontRole role, const FontSpec& desc) {
  FontSpec& f = fonts_[Index(role)];
  if (f == desc) return false;
  f = desc;
  return true;
}

void ReportFonts::Reset(bool high_resolution) {
  high_resolution_ = high_resolution;
  for (FontRole r : kAllFontRoles) fonts_[Index(r)] = DefaultFont(r, high_resolution, language_);
  reset_ = true;
}

void ReportFonts::Read(const platform::IniFile& ini) {
  for (FontRole r : kAllFontRoles) {
    const std::string section = SectionName(r);
    const StringTable& s = Strings();
    const int height = ini.GetInt(section, s.Get(kKeyHeight), 0);
    if (height == 0) continue;
    FontSpec f = fonts_[Index(r)];
    f.height = height;
    f.weight = ini.GetInt(section, s.Get(kKeyWeight), f.weight);
    f.italic = ini.GetInt(section, s.Get(kKeyItalic), 0) != 0;
    f.underline = ini.GetInt(section, s.Get(kKeyUnderline), 0) != 0;
    f.pitch_and_family = ini.GetInt(section, s.Get(kKeyPitch), f.pitch_and_family);
    f.face = ini.GetString(section, s.Get(kKeyFace), "System").substr(0, 31);
    f.char_set = ini.GetInt(section, s.Get(kKeyCharSet), f.char_set);
    fonts_[Index(r)] = f;
  }
}

void ReportFonts::Write(platform::IniFile& ini) const {
  const StringTable& s = Strings();
  for (FontRole r : kAllFontRoles) {
    const std::string section = SectionName(r);
    const FontSpec& f = fonts_[Index(r)];
    auto put_int = [&](int key_id, int value) {
      const std::string& key = s.Get(key_id);
      if (reset_ || ini.GetInt(section, key, value + 1) != value) ini.SetInt(section, key, value);
    };
    put_int(kKeyHeight, f.height);
    put_int(kKeyWeight, f.weight);
    put_int(kKeyItalic, f.italic ? 1 : 0);
    put_int(kKeyUnderline, f.underline ? 1 : 0);
    put_int(kKeyPitch, f.pitch_and_family);
    const std::string& face_key = s.Get(kKeyFace);
    if (reset_ || !ini.Has(section, face_key) || ini.GetString(section, face_key, "") != f.face)
      ini.SetString(section, face_key, f.face);
    put_int(kKeyCharSet, f.char_set);
  }
}

FontSpec ScaleToPrinter(FontSpec font, int printer_dpi_x, int printer_dpi_y, int screen_dpi_x,
                        int screen_dpi_y) {
  if (screen_dpi_y > 0) font.height = font.height * printer_dpi_y / screen_dpi_y;
  if (screen_dpi_x > 0) font.width = font.width * printer_dpi_x / screen_dpi_x;
  return font;
}

}  // namespace ledra::reports
