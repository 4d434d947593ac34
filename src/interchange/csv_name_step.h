#pragma once
// The second step of the CSV import: each data line's name is compared with
// the names of the active publishers; the names that find nobody are paired
// by hand (or by the pairs saved last time) or left out, and the result is
// the line match table.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "interchange/csv_column_map.h"
#include "interchange/csv_name_map.h"
#include "interchange/csv_reader.h"
#include "store/congregation_database.h"

namespace ledra::interchange {

// The name of a line as built from its columns, at most 59 characters.
inline constexpr std::size_t kMaxLineName = 59;

// One entry of the line match table.
struct CsvLineMatch {
  int line = 0;          // 1 = the first data line
  std::string name;      // ANSI; empty for a line without a name
  std::uint16_t id = 0;  // the publisher, 0 = none
};

// The trimmed text of a line's column; empty when the map has no such
// column or the line is short. Line breaks inside a quoted field become blanks.
std::string FieldOf(const CsvLine& line, const ColumnMap& map, CsvTarget target);

// The name a line goes by: the first and last name (when both are mapped)
// joined in the order the program shows names, else the whole-name column
// (the surname-first one when both are mapped). Nothing for a line whose
// names are shorter than 2 characters.
std::optional<std::string> LineName(const CsvLine& line, const ColumnMap& map,
                                    const store::CongregationDatabase& db);

struct NameCandidate {
  std::uint16_t id = 0;
  int row = 0;
  std::string display;  // ANSI, as the list shows it
};

class NameMatchingStep {
 public:
  NameMatchingStep(const store::CongregationDatabase& db, const CsvFile& file, const ColumnMap& map,
                   std::vector<NamePair> saved);

  // The left list: the names that found nobody, each once, in file order.
  const std::vector<std::string>& unmatched() const { return unmatched_; }
  // The right list: the active publishers no line found, in list order.
  const std::vector<NameCandidate>& publishers() const { return publishers_; }
  // The name, or "%s -> %s" (name, publisher) when paired.
  std::string NameText(int name) const;
  // Index into publishers(), -1 when unpaired.
  int paired_with(int name) const { return pairs_[static_cast<std::size_t>(name)]; }

  // Pairs a name with a publisher; the same pair again undoes it. A
  // publisher is paired with one name at most.
  void Pair(int name, int publisher);
  // "Limpar"
  void Clear();
  int Unpaired() const;
  // "%d publicadores não identificados"
  std::string Title() const;
  bool skip_unmatched() const { return skip_; }
  void set_skip_unmatched(bool on) { skip_ = on; }
  // No name was left unmatched: the step is confirmed without being shown.
  bool ConfirmedAtOnce() const { return unmatched_.empty(); }
  bool CanContinue() const { return Unpaired() == 0 || skip_; }

  // One entry per data line, with the publisher each line goes to.
  std::vector<CsvLineMatch> LineMatches() const;
  // The name map after this step: its pairs first, then the saved pairs of
  // names this file does not hold (at most 300 in all).
  std::vector<NamePair> PairsToSave() const;
  bool PairsChanged() const { return PairsToSave() != saved_; }

 private:
  const store::CongregationDatabase& db_;
  std::vector<NamePair> saved_;
  std::vector<std::optional<std::string>> line_names_;  // per data line
  std::vector<std::uint16_t> line_ids_;                 // found by name, 0 = none
  std::vector<std::string> unmatched_;
  std::vector<NameCandidate> publishers_;
  std::vector<int> pairs_;  // per unmatched name
  bool skip_ = false;
};

}  // namespace ledra::interchange
