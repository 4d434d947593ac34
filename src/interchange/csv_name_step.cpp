#include "interchange/csv_name_step.h"

#include <algorithm>
#include <set>

#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::interchange {
namespace {

enum class NameSource { kNone, kFirstLast, kName, kNameSurnameFirst };

NameSource SourceOf(const ColumnMap& map) {
  if (map.has(CsvTarget::kFirstName) && map.has(CsvTarget::kLastName))
    return NameSource::kFirstLast;
  if (map.has(CsvTarget::kNameSurnameFirst)) return NameSource::kNameSurnameFirst;
  if (map.has(CsvTarget::kName)) return NameSource::kName;
  return NameSource::kNone;
}

std::string Clean(std::string_view text) {
  std::string s(text);
  std::replace_if(
      s.begin(), s.end(), [](char c) { return c == '\n' || c == '\r' || c == '\t'; }, ' ');
  const auto first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The names joined as the program shows them (as DisplayName does).
std::string Joined(const store::CongregationDatabase& db, std::string_view first,
                   std::string_view last) {
  const bool surname_first = !db.sort_by_first_name || db.side.surname_first_shared();
  if (!surname_first) return std::string(first) + " " + std::string(last);
  return std::string(last) + (db.language_code == "hun" ? " " : ", ") + std::string(first);
}

// What a line's name is compared with: the names composed in the order the
// line's columns hold them.
std::string KeyOf(const store::CongregationDatabase& db, int row, NameSource source) {
  const store::PublisherRecord& p = db.row(row);
  switch (source) {
    case NameSource::kName:
      return p.fname() + " " + p.lname();
    case NameSource::kNameSurnameFirst:
      return p.lname() + ", " + p.fname();
    default:
      return db.DisplayName(row, !db.sort_by_first_name);
  }
}

}  // namespace

std::string FieldOf(const CsvLine& line, const ColumnMap& map, CsvTarget target) {
  const int c = map[target];
  if (c < 0 || c >= static_cast<int>(line.size())) return {};
  return Clean(line[static_cast<std::size_t>(c)]);
}

std::optional<std::string> LineName(const CsvLine& line, const ColumnMap& map,
                                    const store::CongregationDatabase& db) {
  std::string name;
  switch (SourceOf(map)) {
    case NameSource::kFirstLast: {
      const std::string first = FieldOf(line, map, CsvTarget::kFirstName);
      const std::string last = FieldOf(line, map, CsvTarget::kLastName);
      if (first.size() < 2 && last.size() < 2) return std::nullopt;
      name = Joined(db, first, last);
      break;
    }
    case NameSource::kNameSurnameFirst:
      name = FieldOf(line, map, CsvTarget::kNameSurnameFirst);
      break;
    case NameSource::kName:
      name = FieldOf(line, map, CsvTarget::kName);
      break;
    case NameSource::kNone:
      return std::nullopt;
  }
  if (name.size() < 2) return std::nullopt;
  if (name.size() > kMaxLineName) name.resize(kMaxLineName);
  return name;
}

NameMatchingStep::NameMatchingStep(const store::CongregationDatabase& db, const CsvFile& file,
                                   const ColumnMap& map, std::vector<NamePair> saved)
    : db_(db), saved_(std::move(saved)) {
  const NameSource source = SourceOf(map);
  std::vector<std::pair<std::string, int>> keys;  // (key, row) in table order
  for (int r = 1; r < db.count(); ++r)
    if (db.row(r).is(store::ListType::kActive)) keys.emplace_back(KeyOf(db, r, source), r);
  std::set<std::uint16_t> found;
  for (std::size_t i = 1; i < file.lines.size(); ++i) {
    const std::optional<std::string> name = LineName(file.lines[i], map, db);
    std::uint16_t id = 0;
    if (name) {
      const auto hit =
          std::find_if(keys.begin(), keys.end(), [&](const auto& k) { return k.first == *name; });
      if (hit != keys.end()) id = db.row(hit->second).id();
      if (id != 0)
        found.insert(id);
      else if (std::find(unmatched_.begin(), unmatched_.end(), *name) == unmatched_.end())
        unmatched_.push_back(*name);
    }
    line_names_.push_back(name);
    line_ids_.push_back(id);
  }
  for (const store::IndexEntry& e : db.status_list(store::ListType::kActive))
    if (!found.contains(e.id))
      publishers_.push_back({e.id, e.row, db.DisplayName(e.row, !db.sort_by_first_name)});
  pairs_.assign(unmatched_.size(), -1);
  // The pairs made by hand last time, where the publisher is still listed.
  for (std::size_t i = 0; i < unmatched_.size(); ++i) {
    for (const NamePair& s : saved_) {
      if (s.csv_name != unmatched_[i]) continue;
      for (std::size_t j = 0; j < publishers_.size(); ++j) {
        const bool taken =
            std::find(pairs_.begin(), pairs_.end(), static_cast<int>(j)) != pairs_.end();
        if (!taken && publishers_[j].id == s.id && publishers_[j].display == s.display_name) {
          pairs_[i] = static_cast<int>(j);
          break;
        }
      }
      break;
    }
  }
}

std::string NameMatchingStep::NameText(int name) const {
  const auto i = static_cast<std::size_t>(name);
  if (pairs_[i] < 0) return unmatched_[i];
  return FormatPrintf(Strings().Get(str::kCsvPairFormat),
                      {std::string_view(unmatched_[i]),
                       std::string_view(publishers_[static_cast<std::size_t>(pairs_[i])].display)});
}

void NameMatchingStep::Pair(int name, int publisher) {
  if (name < 0 || name >= static_cast<int>(unmatched_.size()) || publisher < 0 ||
      publisher >= static_cast<int>(publishers_.size()))
    return;
  int& pair = pairs_[static_cast<std::size_t>(name)];
  if (pair == publisher) {
    pair = -1;
    return;
  }
  for (int& other : pairs_)
    if (other == publisher) other = -1;
  pair = publisher;
}

void NameMatchingStep::Clear() {
  std::fill(pairs_.begin(), pairs_.end(), -1);
}

int NameMatchingStep::Unpaired() const {
  return static_cast<int>(std::count(pairs_.begin(), pairs_.end(), -1));
}

std::string NameMatchingStep::Title() const {
  return FormatPrintf(Strings().Get(str::kCsvUnmatchedTitle), {Unpaired()});
}

std::vector<CsvLineMatch> NameMatchingStep::LineMatches() const {
  std::vector<CsvLineMatch> matches;
  for (std::size_t i = 0; i < line_names_.size(); ++i) {
    CsvLineMatch m;
    m.line = static_cast<int>(i) + 1;
    m.name = line_names_[i].value_or("");
    m.id = line_ids_[i];
    if (m.id == 0 && line_names_[i]) {
      const auto at = std::find(unmatched_.begin(), unmatched_.end(), m.name);
      const int pair = pairs_[static_cast<std::size_t>(at - unmatched_.begin())];
      if (pair >= 0) m.id = publishers_[static_cast<std::size_t>(pair)].id;
    }
    matches.push_back(std::move(m));
  }
  return matches;
}

std::vector<NamePair> NameMatchingStep::PairsToSave() const {
  std::vector<NamePair> pairs;
  for (std::size_t i = 0; i < unmatched_.size(); ++i) {
    if (pairs_[i] < 0) continue;
    const NameCandidate& p = publishers_[static_cast<std::size_t>(pairs_[i])];
    pairs.push_back({p.display.substr(0, kNameMapText - 1), unmatched_[i], p.id});
  }
  // Pairs for the names of other files stay for their next import.
  for (const NamePair& s : saved_) {
    if (pairs.size() >= static_cast<std::size_t>(kMaxNamePairs)) break;
    const bool here = std::any_of(line_names_.begin(), line_names_.end(),
                                  [&](const auto& n) { return n && *n == s.csv_name; });
    if (!here) pairs.push_back(s);
  }
  return pairs;
}

}  // namespace ledra::interchange
