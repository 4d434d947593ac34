#include "reports/report_kinds.h"

#include <array>

#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "reports/analysis_page.h"
#include "reports/averages_report.h"
#include "reports/emergency_forms.h"
#include "reports/group_lists.h"
#include "reports/hours_report.h"
#include "reports/phone_list.h"
#include "reports/pioneer_hours_report.h"
#include "reports/publisher_labels.h"
#include "reports/roster_lists.h"
#include "reports/service_year_totals.h"
#include "reports/statistics_page.h"

namespace ledra::reports {
namespace {

constexpr std::array kKinds = {
    ReportKindInfo{kAnalysisCongregation, 32779, false, &DrawAnalysis, 32891, true},
    ReportKindInfo{kAnalysisGroup, 32780, true, &DrawAnalysis, 0, false, true},
    ReportKindInfo{kAnalysisSummary, 32793, false, &DrawAnalysis, 0, true},
    ReportKindInfo{kAnalysisAttendance, 32794, false, &DrawAnalysis, 0, true},
    ReportKindInfo{kAnalysisAlphabetical, 32892, false, &DrawAnalysis, 0, true},
    ReportKindInfo{kAveragesCongregation, 32796, false, &DrawAverages},
    ReportKindInfo{kAveragesGroup, 32797, true, &DrawAverages},
    ReportKindInfo{kAveragesRegularPioneers, 32798, false, &DrawAverages},
    ReportKindInfo{kAveragesElders, 32799, false, &DrawAverages},
    ReportKindInfo{kAveragesServants, 32800, false, &DrawAverages},
    ReportKindInfo{kAveragesBaptisedBrothers, 32801, false, &DrawAverages},
    ReportKindInfo{kAveragesSpecialCategory, 32836, false, &DrawAverages},
    ReportKindInfo{kHoursSpecialCategory, 32844, false, &DrawHoursReport},
    ReportKindInfo{kHoursAuxiliary, 32816, false, &DrawHoursReport},
    ReportKindInfo{kHoursCongregation, 32807, false, &DrawHoursReport},
    ReportKindInfo{kHoursGroup, 32808, true, &DrawHoursReport},
    ReportKindInfo{kHoursRegular, 32817, false, &DrawHoursReport},
    ReportKindInfo{kHoursServants, 32840, false, &DrawHoursReport},
    ReportKindInfo{kHoursBrothers, 32851, false, &DrawHoursReport},
    ReportKindInfo{kServiceYearCongregation, 32818, false, &DrawServiceYearTotals},
    ReportKindInfo{kServiceYearPioneers, 32819, false, &DrawServiceYearTotals},
    ReportKindInfo{kServiceYearServants, 32841, false, &DrawServiceYearTotals},
    ReportKindInfo{kPioneerHoursReport, 32806, false, &DrawPioneerHours},
    ReportKindInfo{kStatisticsPage, 32802, false, &DrawStatistics},
    ReportKindInfo{70, 32852, false, &DrawGroupList},
    ReportKindInfo{71, 32853, false, &DrawGroupList},
    ReportKindInfo{72, 32893, false, &DrawGroupList},
    ReportKindInfo{73, 32854, false, &DrawGroupList},
    ReportKindInfo{74, 32901, false, &DrawGroupList},
    ReportKindInfo{60, 32811, false, &DrawRosterList},
    ReportKindInfo{61, 32812, true, &DrawRosterList},
    ReportKindInfo{62, 32825, false, &DrawRosterList},
    ReportKindInfo{63, 32831, false, &DrawRosterList},
    ReportKindInfo{64, 32830, false, &DrawRosterList},
    ReportKindInfo{80, 32846, false, &DrawRosterList},
    ReportKindInfo{81, 32847, true, &DrawRosterList},
    ReportKindInfo{82, 32848, false, &DrawRosterList},
    ReportKindInfo{83, 32875, false, &DrawRosterList},
    ReportKindInfo{84, 32882, true, &DrawRosterList, 0, false, true},
    ReportKindInfo{90, 32859, false, &DrawRosterList},
    ReportKindInfo{91, 32860, true, &DrawRosterList},
    ReportKindInfo{kLabelsKind, 32821, false, &DrawLabels},
    ReportKindInfo{kEmergencyFormBlank, 32867, false, &DrawEmergencyForms},
    ReportKindInfo{kEmergencyFormFilled, 0, false, &DrawEmergencyForms},
    ReportKindInfo{100, 32871, false, &DrawRosterList},
    ReportKindInfo{101, 32872, true, &DrawRosterList},
    ReportKindInfo{103, 32874, false, &DrawRosterList},
    ReportKindInfo{104, 32873, false, &DrawRosterList},
    ReportKindInfo{120, 32915, false, &DrawRosterList},
    ReportKindInfo{121, 32916, true, &DrawRosterList},
    ReportKindInfo{kPhoneListAll, 32809, false, &DrawPhoneList},
    ReportKindInfo{kPhoneListGroup, 32810, true, &DrawPhoneList},
    ReportKindInfo{kPhoneListServants, 32823, false, &DrawPhoneList},
    ReportKindInfo{kPhoneListPioneers, 32824, false, &DrawPhoneList},
};

// The string that names each family of kinds.
int TitleId(int kind) {
  if (kind == 1 || kind == 110) return str::kAnalysisCongregationTitle;
  if (kind == 2) return str::kCommandGroupAnalysis;
  if (kind == 3) return str::kCommandCongregationSummary;
  if (kind == 4) return str::kCommandMeetingAttendance;
  if (kind >= 5 && kind <= 11) return str::kAveragesTitle;
  if (kind == 20) return str::kCommandStatistics;
  if (kind >= 44 && kind <= 47) return str::kPioneerReportTitle;
  if ((kind >= 38 && kind <= 43) || kind == 48) return str::kHoursTitle;
  if (kind >= 50 && kind <= 53) return 25000;
  if (kind >= 60 && kind <= 64) return str::kRosterAddresses;
  if (kind >= 70 && kind <= 74) return str::kGroupListTitle;
  if (kind >= 80 && kind <= 84) return str::kRosterContacts;
  if (kind >= 100 && kind <= 104) return str::kRosterPhonesEmail;
  if (kind >= 90 && kind <= 96) return str::kEmergencyTitle;
  if (kind == kLabelsKind) return str::kLabelTitle;
  return str::kRosterSpecialNeeds;
}

}  // namespace

std::string ReportTitle(int kind) {
  // Menu texts lose their accelerator marks; "&&" stands for "&", and an
  // "&" before a blank is a word of the title.
  const std::string& text = Strings().Get(TitleId(kind));
  std::string title;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size() && text[i + 1] == '&') {
      title += '&';
      ++i;
    } else if (text[i] != '&' || (i + 1 < text.size() && text[i + 1] == ' ')) {
      title += text[i];
    }
  }
  return title;
}

std::span<const ReportKindInfo> BuiltReportKinds() {
  return kKinds;
}

const ReportKindInfo* FindReportKind(int kind) {
  for (const auto& k : kKinds)
    if (k.kind == kind) return &k;
  return nullptr;
}

const ReportKindInfo* FindReportCommand(int command) {
  for (const auto& k : kKinds)
    if (command != 0 && (k.command == command || k.alias_command == command)) return &k;
  return nullptr;
}

std::optional<int> DrawReport(Canvas& canvas, const ReportEnv& env,
                              const store::CongregationDatabase& db, int kind, int group) {
  const ReportKindInfo* info = FindReportKind(kind);
  if (info == nullptr) return std::nullopt;
  ReportFrame frame(canvas, env);
  const int pages = info->draw(frame, db, kind, group);
  return pages < 1 ? 1 : pages;
}

}  // namespace ledra::reports
