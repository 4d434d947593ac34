#pragma once
// The settings file "ledra.ini" of a data folder: every option the program
// keeps between runs (the report fonts apart), with its default and the rules
// for reading and writing it.

#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "platform/result.h"

namespace ledra::store {

inline constexpr std::size_t kSpecialCategoryMax = 15;

struct Settings {
  // Labels
  bool birth_caption = true;  // "Data de Nasc." caption on labels
  bool alternate_label = false;
  int label_left_margin = 20;
  // Reports
  bool grid = false;
  bool no_report_boxes = false;
  bool emergency_witness = true;
  int top_margin = 50;  // hundredths of an inch
  bool datestamp = false;
  std::string cong_name;  // ANSI
  // Telephone dialing: written at save, never read, so off after every start.
  bool dialing = false;
  bool auto_cap = true;
  bool nag = false;                 // true: the start-up notice is not shown
  bool sort_by_first_name = false;  // only ever on for the "ptg" edition
  // Record cards
  bool print_groups = false;
  int hide_averages = 0;  // bits: 1, 2 averages; 4, 8 totals (current, previous year)
  bool one_per_page = false;
  bool hide_birth = false;
  // Special category of publishers
  bool special_category_enabled = false;
  std::string special_category;  // ANSI, at most kSpecialCategoryMax characters
  std::string secretary_email;   // ANSI
  // Bit g - 1: group g's collection file goes to its assistant.
  int assistant_mail_groups = 0;
  // Early start of the next month (two-digit year, month 1-12); 0 = none.
  int early_year = 0;
  int early_month = 0;
};

// The settings file of a data folder.
platform::Path SettingsPath(const platform::Path& data_folder);

// Every key but the fonts and the early start; a missing key gives its default.
Settings ReadSettings(const platform::IniFile& ini, std::string_view language_code);
// Every key but the fonts, the early start included.
void WriteSettings(const Settings& settings, platform::IniFile& ini,
                   std::string_view language_code);

// A missing or damaged file gives the defaults.
Settings LoadSettings(const platform::Path& file, std::string_view language_code);
// Rewrites the keys and keeps every other line of the file (the fonts). The
// program does not show a failure to the user; the status is for tests.
Status SaveSettings(const Settings& settings, const platform::Path& file,
                    std::string_view language_code);

// The date the program works with, and the early start it came from.
struct EffectiveToday {
  Date today;
  int early_year = 0;
  int early_month = 0;
};

// Before the 25th the early start is over: it is cleared and written back as
// 0/0. From the 25th on, a recorded early start makes today its month.
EffectiveToday ResolveToday(Date clock_today, platform::IniFile& ini);
// The same on the settings file; writing it is silent.
EffectiveToday ResolveToday(Date clock_today, const platform::Path& settings_file);

}  // namespace ledra::store
