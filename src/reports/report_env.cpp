#include "reports/report_env.h"

namespace ledra::reports {

PageOptions PageOptionsFrom(const store::Settings& settings,
                            const store::CongregationDatabase& db) {
  PageOptions o;
  o.grid = settings.grid;
  o.datestamp = settings.datestamp;
  o.top_margin = settings.top_margin;
  o.cong_name = settings.cong_name;
  o.surname_first = !db.sort_by_first_name;
  if (settings.special_category_enabled) o.special_category = settings.special_category;
  o.emergency_witness = settings.emergency_witness;
  o.label_birth_caption = settings.birth_caption;
  o.alternate_label = settings.alternate_label;
  o.label_left_margin = settings.label_left_margin;
  return o;
}

ReportEnv PrintedReportEnv(const store::Settings& settings, const platform::IniFile& ini,
                           const store::CongregationDatabase& db, Date today, int printer_dpi) {
  ReportEnv env;
  env.printer_dpi_x = env.printer_dpi_y = printer_dpi;
  env.printed = true;
  env.options = PageOptionsFrom(settings, db);
  env.language_code = db.language_code;
  env.fonts = ReportFonts(IsHighResolution(printer_dpi), db.language_code);
  env.fonts.Read(ini);
  env.today = today;
  return env;
}

}  // namespace ledra::reports
