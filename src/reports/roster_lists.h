#pragma once
// The roster lists that share the phone list's page: addresses (60-64),
// contact lists (80-84), phones and e-mail (100-104) and special needs
// (120-121). Each names the people of its variant, a block of lines each,
// under the list's title, subtitle and column headings.

#include <string>
#include <vector>

#include "reports/report_frame.h"
#include "reports/roster_selection.h"
#include "store/congregation_database.h"
#include "store/person_side_records.h"
#include "store/side_tables.h"

namespace ledra::reports {

// One text of a block line, at a stop in hundredths of an inch from the margin.
struct RosterCell {
  int hundredths = 0;
  std::string text;  // ANSI
  HAlign align = HAlign::kLeft;
};
using RosterLine = std::vector<RosterCell>;

struct RosterFamily {
  int first_kind;
  int title;  // string id
  std::vector<RosterCell> headings;
};

// The family a kind belongs to; null for other kinds.
const RosterFamily* RosterFamilyOf(int kind);
RosterVariant RosterVariantOf(int kind);
// The options that change what a block shows.
struct RosterOptions {
  bool surname_first = true;
  bool emergency_witness = true;
};

// The block of lines of one person in a list of that kind (empty: not listed;
// the emergency contact data lists a household under its head).
std::vector<RosterLine> RosterBlock(const store::CongregationDatabase& db, int kind, int row,
                                    const RosterOptions& options);

// A person's e-mail ("" when none); the special-needs text is store::NeedOf.
std::string EmailOf(const store::CongregationDatabase& db, const store::PublisherRecord& p);
// The third person to call, null when none is kept.
const store::EmergencyContact* EmergencyContactOf(const store::CongregationDatabase& db,
                                                  const store::PublisherRecord& p);

int DrawRosterList(ReportFrame& frame, const store::CongregationDatabase& db, int kind, int group);

}  // namespace ledra::reports
