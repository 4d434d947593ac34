#pragma once
// The three tab-separated exports of people's data: contacts
// ("contact.tsv"), emergency contacts ("3rdparty.tsv") and the data of the
// record card headers ("cardhdr.tsv").

#include <string>
#include <string_view>

#include "store/document.h"

namespace ledra::interchange {

std::string BuildContactsTsv(const store::Document& doc);
std::string BuildEmergencyTsv(const store::Document& doc);
std::string BuildCardHeaderTsv(const store::Document& doc, bool hide_birth);

// A stored date (MMDDYYYY) as the record card shows it: "MM/DD/YYYY", or
// "DD/MM/YYYY" with the alternate date format; only the year when
// `year_only`; empty for anything that is not a date.
std::string CardDateText(std::string_view stored, bool day_first, bool year_only);

}  // namespace ledra::interchange
