#include "records/bible_students.h"

#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "records/publisher_chooser.h"
#include "records/publisher_deletion.h"
#include "store/name_collation.h"

namespace ledra::records {
namespace {

std::string ConductorName(const store::CongregationDatabase& db, std::uint16_t id) {
  const int row = id != 0 ? db.FindRow(id) : 0;
  return row > 0 ? ListName(db, row) : std::string{};
}

}  // namespace

std::uint16_t ConductorOf(const store::PublisherRecord& student) {
  return student.U16(kConductorOffset);
}

void SetConductorOf(store::PublisherRecord& student, std::uint16_t id) {
  student.SetU16(kConductorOffset, id);
}

std::string ConductorLine(const store::CongregationDatabase& db, std::uint16_t conductor) {
  const std::string name = ConductorName(db, conductor);
  if (name.empty()) return {};
  return Strings().Get(str::kStudentConductor) + ": " + name;
}

bool ConductorAllowed(const store::CongregationDatabase& db, std::uint16_t id) {
  if (id == 0) return true;
  const int row = db.FindRow(id);
  return row > 0 && db.row(row).is(store::ListType::kActive);
}

bool StudentSurnameAccepted(std::string_view surname) {
  return store::TrimBlanks(surname).size() >= kMinStudentSurname;
}

std::vector<StudentRow> StudentRows(const store::CongregationDatabase& db) {
  std::vector<StudentRow> rows;
  for (const store::IndexEntry& e : db.status_list(store::ListType::kNonPublisher)) {
    StudentRow r{e.id, e.row, ListName(db, e.row)};
    const std::string conductor = ConductorName(db, ConductorOf(db.row(e.row)));
    if (!conductor.empty()) r.text += "\t( " + conductor + " )";
    rows.push_back(std::move(r));
  }
  return rows;
}

std::string StudentDeleteQuestion(const store::CongregationDatabase& db, int row) {
  return Strings().Format(str::kStudentDeleteQuestion, {ListName(db, row)});
}

Status DeleteStudent(store::Document& doc, int row, Prompter& prompter) {
  if (row <= 0 || row >= doc.db().count() || !doc.db().row(row).is(store::ListType::kNonPublisher))
    return {};
  return DeletePublisher(doc, row, DeletionChoice{}, prompter);
}

}  // namespace ledra::records
