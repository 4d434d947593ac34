#pragma once
// The publisher list as XML ("PUBLIST"): the chosen publishers of one list
// with their personal data, privileges and the 24 months of activity, for
// moving them to another congregation or program.

#include <string>
#include <vector>

#include "interchange/xml/xml_document.h"
#include "platform/clock.h"
#include "platform/result.h"
#include "store/document.h"

namespace ledra::interchange {

// The month elements' names, January first.
inline constexpr std::string_view kPubListMonthTags[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

enum class PubListSection { kActive, kInactive, kNonPublishers };

// "Active", "Inactive", "Non-Publishers".
std::string SectionName(PubListSection section);
// "Active.xml", ...
std::string PubListFileName(PubListSection section);
// The list a section holds.
store::ListType SectionList(PubListSection section);

// The document of `rows` (in that order).
xml::XmlDocument BuildPubList(const store::Document& doc, PubListSection section,
                              const std::vector<int>& rows, Date today);

// "Exports" under the data folder, made when missing.
Result<platform::Path> ExportFolder(const platform::Path& data_folder);

// Writes the document into `file` (replacing it); the read-only message of
// string 1231 when it cannot be written.
Status WritePubList(const store::Document& doc, PubListSection section,
                    const std::vector<int>& rows, Date today, const platform::Path& file);

}  // namespace ledra::interchange
