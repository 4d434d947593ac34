#pragma once
// The Bible students (people on the non-publisher list): their list, the
// link to the publisher who conducts their study, and their removal. They are
// added and edited through the publisher editor in its student form.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/prompter.h"
#include "platform/result.h"
#include "store/document.h"

namespace ledra::records {

// A new student gets the first free id from here on.
inline constexpr std::uint16_t kFirstStudentId = 2000;
// A student is saved only with a surname of at least this many characters.
inline constexpr std::size_t kMinStudentSurname = 2;
// The record's reserved word holds a student's conductor (a publisher id).
inline constexpr std::size_t kConductorOffset = 198;

std::uint16_t ConductorOf(const store::PublisherRecord& student);
void SetConductorOf(store::PublisherRecord& student, std::uint16_t id);
// "Dirigente de estudo bíblico: name"; empty without a conductor on file.
std::string ConductorLine(const store::CongregationDatabase& db, std::uint16_t conductor);
// Whether an active publisher may conduct the study (0 always may: no conductor).
bool ConductorAllowed(const store::CongregationDatabase& db, std::uint16_t id);
bool StudentSurnameAccepted(std::string_view surname);

struct StudentRow {
  std::uint16_t id = 0;
  int row = 0;
  std::string text;  // name, and a tab and "( conductor )" when one is on file
};
// The students in list order.
std::vector<StudentRow> StudentRows(const store::CongregationDatabase& db);

// "Quer mesmo apagar %1?" with the student's name.
std::string StudentDeleteQuestion(const store::CongregationDatabase& db, int row);
// Removes the student at `row` for good; the lists are rebuilt.
Status DeleteStudent(store::Document& doc, int row, Prompter& prompter);

}  // namespace ledra::records
