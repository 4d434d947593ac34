#pragma once
// The CSV and TSV exports: the month's publisher data ("Exportar Dados"),
// contacts, emergency contacts, record card headers, a group's collection
// list (the template the CSV import reads back), the meeting attendance and
// the activity summary. Each file is ANSI text with CR LF line ends, written
// whole into the export folder ("Exports" under the data folder).

#include <string>

#include "platform/files.h"
#include "platform/result.h"
#include "store/document.h"

namespace ledra::interchange {

enum class ExportKind {
  kData,            // "Exportar Dados": Março.csv / Março.rpt
  kContacts,        // contact.tsv
  kEmergency,       // 3rdparty.tsv
  kCardHeaders,     // cardhdr.tsv
  kCollectionList,  // Grupo-3.csv
  kAttendance,      // Assistência às Reuniões.csv
  kSummary,         // Resumo.csv
};

struct ExportRequest {
  ExportKind kind = ExportKind::kData;
  // kData: the month (0 = January), tab-separated ".rpt" or ".csv", header line.
  int month_index = 0;
  bool tab = false;
  bool header = false;
  // kCollectionList: the group.
  int group = 1;
  // kCardHeaders: only the year of birth, as the record card shows it.
  bool hide_birth = false;
};

// The file's name (ANSI).
std::string ExportFileName(const ExportRequest& request);
// The file's bytes.
std::string BuildExport(const store::Document& doc, const ExportRequest& request);
// Writes the file into the export folder (replacing it) and returns its path;
// a file that cannot be written gives the read-only message.
Result<platform::Path> WriteExport(const store::Document& doc, const ExportRequest& request);
// "%1 exportado\nMostrar na pasta?"
std::string ExportedQuestion(const platform::Path& file);

// The calendar year of month `month_index` as the data export counts it: the
// ReportMonth's year, the year before for a month later in the calendar.
int ExportYear(const store::CongregationDatabase& db, int month_index);

}  // namespace ledra::interchange
