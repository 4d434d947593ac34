#pragma once
// Taking one month's reports from a publisher list in XML: for each active
// publisher of the file that is on file here (same names, same id when the
// file gives one), the ReportMonth's element, read into the import table.

#include <string_view>

#include "interchange/import_table.h"
#include "platform/files.h"
#include "platform/result.h"
#include "store/document.h"

namespace ledra::interchange {

// A file that is no publisher list gives the list's validation message.
Result<ImportTable> ReadXmlReports(std::string_view bytes, const store::Document& doc);
Result<ImportTable> ReadXmlReportsFile(const platform::Path& file, const store::Document& doc);

}  // namespace ledra::interchange
