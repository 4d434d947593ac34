#include "store/settings.h"

#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::store {
namespace {

using platform::IniFile;

const std::string& T(int id) {
  return Strings().Get(id);
}

bool SortAvailable(std::string_view language_code) {
  return language_code == "ptg";
}

// Section of the dialing flag: "Discar para %1" with "OK".
std::string DialSection() {
  return Strings().Format(str::kSectionDialFormat, {T(str::kOk)});
}

bool Flag(const IniFile& ini, std::string_view section, std::string_view key, bool fallback) {
  return ini.GetInt(section, key, fallback ? 1 : 0) != 0;
}

bool Enabled(const IniFile& ini, int section_id, bool fallback) {
  return Flag(ini, T(section_id), T(str::kKeyEnabled), fallback);
}

void SetFlag(IniFile& ini, std::string_view section, std::string_view key, bool value) {
  ini.SetInt(section, key, value ? 1 : 0);
}

void SetEnabled(IniFile& ini, int section_id, bool value) {
  SetFlag(ini, T(section_id), T(str::kKeyEnabled), value);
}

int Counter(int year, int month) {
  return year * 12 + month - 1;
}

}  // namespace

platform::Path SettingsPath(const platform::Path& data_folder) {
  return data_folder / T(str::kSettingsFileName);
}

Settings ReadSettings(const IniFile& ini, std::string_view language_code) {
  Settings s;
  const std::string& labels = T(str::kSectionLabels);
  s.birth_caption = Flag(ini, labels, T(str::kKeyBirthCaption), s.birth_caption);
  s.alternate_label = Flag(ini, labels, T(str::kKeyAlternateLabel), s.alternate_label);
  s.label_left_margin = ini.GetInt(labels, T(str::kKeyLabelLeftMargin), s.label_left_margin);

  const std::string& reports = T(str::kSectionReports);
  s.grid = Flag(ini, reports, T(str::kKeyGrid), s.grid);
  s.no_report_boxes = Flag(ini, reports, T(str::kKeyNoReportBoxes), s.no_report_boxes);
  s.emergency_witness = Flag(ini, reports, T(str::kKeyEmergJw), s.emergency_witness);
  s.top_margin = ini.GetInt(reports, T(str::kKeyTopMargin), s.top_margin);
  s.datestamp = Flag(ini, reports, T(str::kKeyDatestamp), s.datestamp);
  s.cong_name = ini.GetString(reports, T(str::kKeyCongName), "");

  s.auto_cap = Enabled(ini, str::kSectionAutoCap, s.auto_cap);
  s.nag = Enabled(ini, str::kSectionNag, s.nag);
  if (SortAvailable(language_code))
    s.sort_by_first_name = Enabled(ini, str::kSortByFirstName, false);
  s.print_groups = Enabled(ini, str::kSectionPrtGrp, s.print_groups);
  s.hide_averages = ini.GetInt(T(str::kSectionHideAvg), T(str::kKeyEnabled), 0);
  s.one_per_page = Enabled(ini, str::kSectionOnePerPage, s.one_per_page);
  s.hide_birth = Enabled(ini, str::kSectionHideBir, s.hide_birth);

  const std::string& special = T(str::kSectionSpecialCategory);
  s.special_category_enabled = Enabled(ini, str::kSectionSpecialCategory, false);
  s.special_category = ini.GetString(special, special, "").substr(0, kSpecialCategoryMax);
  s.secretary_email = ini.GetString(T(str::kSectionSec), T(str::kKeyEmail), "");
  s.assistant_mail_groups = ini.GetInt(T(str::kSectionSec), T(str::kKeyAssistantMail), 0);
  return s;
}

void WriteSettings(const Settings& s, IniFile& ini, std::string_view language_code) {
  const std::string& labels = T(str::kSectionLabels);
  SetFlag(ini, labels, T(str::kKeyBirthCaption), s.birth_caption);
  SetFlag(ini, labels, T(str::kKeyAlternateLabel), s.alternate_label);
  ini.SetInt(labels, T(str::kKeyLabelLeftMargin), s.label_left_margin);

  const std::string& reports = T(str::kSectionReports);
  SetFlag(ini, reports, T(str::kKeyGrid), s.grid);
  SetFlag(ini, reports, T(str::kKeyNoReportBoxes), s.no_report_boxes);
  SetFlag(ini, reports, T(str::kKeyEmergJw), s.emergency_witness);
  ini.SetInt(reports, T(str::kKeyTopMargin), s.top_margin);
  SetFlag(ini, reports, T(str::kKeyDatestamp), s.datestamp);
  ini.SetString(reports, T(str::kKeyCongName), s.cong_name);

  SetFlag(ini, DialSection(), T(str::kKeyEnabled), s.dialing);
  SetEnabled(ini, str::kSectionAutoCap, s.auto_cap);
  SetEnabled(ini, str::kSectionNag, s.nag);
  if (SortAvailable(language_code)) SetEnabled(ini, str::kSortByFirstName, s.sort_by_first_name);
  SetEnabled(ini, str::kSectionPrtGrp, s.print_groups);
  ini.SetInt(T(str::kSectionHideAvg), T(str::kKeyEnabled), s.hide_averages);
  SetEnabled(ini, str::kSectionOnePerPage, s.one_per_page);
  SetEnabled(ini, str::kSectionHideBir, s.hide_birth);

  const std::string& special = T(str::kSectionSpecialCategory);
  SetEnabled(ini, str::kSectionSpecialCategory, s.special_category_enabled);
  ini.SetString(special, special, s.special_category);
  ini.SetString(T(str::kSectionSec), T(str::kKeyEmail), s.secretary_email);
  ini.SetInt(T(str::kSectionSec), T(str::kKeyAssistantMail), s.assistant_mail_groups);

  const std::string& early = T(str::kSectionEarly);
  ini.SetInt(early, T(str::kKeyYear), s.early_year);
  ini.SetInt(early, T(str::kKeyMonth), s.early_month);
}

Settings LoadSettings(const platform::Path& file, std::string_view language_code) {
  return ReadSettings(IniFile::Load(file), language_code);
}

Status SaveSettings(const Settings& settings, const platform::Path& file,
                    std::string_view language_code) {
  IniFile ini = IniFile::Load(file);
  WriteSettings(settings, ini, language_code);
  return ini.Save(file);
}

EffectiveToday ResolveToday(Date clock_today, IniFile& ini) {
  EffectiveToday result{clock_today, 0, 0};
  const std::string& early = T(str::kSectionEarly);
  const auto clear = [&] {
    ini.SetInt(early, T(str::kKeyYear), 0);
    ini.SetInt(early, T(str::kKeyMonth), 0);
  };
  if (clock_today.day < 25) {
    clear();
    return result;
  }
  const int year = ini.GetInt(early, T(str::kKeyYear), 0);
  const int month = ini.GetInt(early, T(str::kKeyMonth), 0);
  if (year == 0) return result;
  // An early start always names the month after the calendar's; anything else
  // is left over from an earlier month (or damaged) and would move the
  // ReportMonth backwards, so it is dropped.
  const bool next_month =
      year > 0 && year < 100 && month >= 1 && month <= 12 &&
      Counter(2000 + year, month) == Counter(clock_today.year, clock_today.month) + 1;
  if (!next_month) {
    clear();
    return result;
  }
  result.today.year = 2000 + year;
  result.today.month = month;
  result.early_year = year;
  result.early_month = month;
  return result;
}

EffectiveToday ResolveToday(Date clock_today, const platform::Path& settings_file) {
  IniFile ini = IniFile::Load(settings_file);
  const std::string before = ini.Serialize();
  const EffectiveToday result = ResolveToday(clock_today, ini);
  // Writing the settings is silent; only a change is written.
  if (ini.Serialize() != before) static_cast<void>(ini.Save(settings_file));
  return result;
}

}  // namespace ledra::store
