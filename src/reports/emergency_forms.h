#pragma once
// The emergency contact forms: one blank form to hand out (kind 95), or one
// form a page for each chosen publisher, filled in with what is on file
// (kind 96).

#include <string>
#include <vector>

#include "reports/report_frame.h"
#include "store/congregation_database.h"

namespace ledra::reports {

inline constexpr int kEmergencyFormBlank = 95;
inline constexpr int kEmergencyFormFilled = 96;

// One field of a form: its label and the lines written under it.
struct FormField {
  int label = 0;                    // string id
  std::vector<std::string> values;  // ANSI
};

struct EmergencyForm {
  std::string name;  // ANSI; empty on the blank form
  std::string mark;  // "Chefe de Familia", "Unico Membro da Familia" or none
  std::vector<FormField> fields;
};

EmergencyForm EmergencyFormFor(const store::CongregationDatabase& db, int row, bool surname_first);
EmergencyForm BlankEmergencyForm();

int DrawEmergencyForms(ReportFrame& frame, const store::CongregationDatabase& db, int kind,
                       int group);

}  // namespace ledra::reports
