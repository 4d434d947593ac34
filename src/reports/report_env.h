#pragma once
// Building a report's environment from the program's settings.

#include "platform/ini_file.h"
#include "reports/report_frame.h"
#include "store/congregation_database.h"
#include "store/settings.h"

namespace ledra::reports {

PageOptions PageOptionsFrom(const store::Settings& settings, const store::CongregationDatabase& db);

// A printed report (printer, preview, PDF) with the fonts of the settings file.
ReportEnv PrintedReportEnv(const store::Settings& settings, const platform::IniFile& ini,
                           const store::CongregationDatabase& db, Date today, int printer_dpi);

}  // namespace ledra::reports
