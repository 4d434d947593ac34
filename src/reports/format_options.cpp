#include "reports/format_options.h"

#include <algorithm>
#include <cstdio>

#include "store/name_collation.h"
#include "store/side_tables.h"

namespace ledra::reports {

FormatOptionsModel::FormatOptionsModel(const store::Settings& s,
                                       const std::array<std::uint8_t, 7>& shared)
    : sort_by_first_name_(s.sort_by_first_name) {
  values_.surname_first = shared[store::shared::kSurnameFirst] != 0;
  values_.alternate_dates = shared[store::shared::kAlternateDates] != 0;
  values_.birth_statistics = shared[store::shared::kBirthStatistics] != 0;
  values_.birth_caption = s.birth_caption;
  values_.alternate_labels = s.alternate_label;
  values_.grid = s.grid;
  values_.no_report_boxes = s.no_report_boxes;
  values_.datestamp = s.datestamp;
  values_.emergency_witness = s.emergency_witness;
  values_.top_margin = std::clamp(s.top_margin, 0, 99);
  values_.label_left_margin = std::clamp(s.label_left_margin, 0, 99);
  values_.congregation = s.cong_name;
}

void FormatOptionsModel::SetAlternateLabels(bool on) {
  values_.alternate_labels = on;
  if (on) values_.birth_caption = true;
}

void FormatOptionsModel::SetBirthCaption(bool on) {
  values_.birth_caption = on;
  if (!on) values_.alternate_labels = false;
}

std::vector<std::string> FormatOptionsModel::MarginChoices() {
  std::vector<std::string> choices;
  for (int k = 0; k < 100; ++k) {
    char text[4];
    std::snprintf(text, sizeof text, "%02d", k);
    choices.emplace_back(text);
  }
  return choices;
}

bool FormatOptionsModel::Apply(store::Settings& s, std::array<std::uint8_t, 7>& shared) const {
  const FormatOptionsModel before(s, shared);
  FormatOptionValues v = values_;
  v.top_margin = std::clamp(v.top_margin, 0, 99);
  v.label_left_margin = std::clamp(v.label_left_margin, 0, 99);
  const std::string cut(store::TrimBlanks(v.congregation).substr(0, kCongregationNameMax));
  v.congregation = std::string(store::TrimBlanks(cut));
  if (!surname_first_visible()) v.surname_first = before.values_.surname_first;
  if (v == before.values_) return false;
  shared[store::shared::kSurnameFirst] = v.surname_first ? 1 : 0;
  shared[store::shared::kAlternateDates] = v.alternate_dates ? 1 : 0;
  shared[store::shared::kBirthStatistics] = v.birth_statistics ? 1 : 0;
  s.birth_caption = v.birth_caption;
  s.alternate_label = v.alternate_labels;
  s.grid = v.grid;
  s.no_report_boxes = v.no_report_boxes;
  s.datestamp = v.datestamp;
  s.emergency_witness = v.emergency_witness;
  s.top_margin = v.top_margin;
  s.label_left_margin = v.label_left_margin;
  s.cong_name = v.congregation;
  return true;
}

}  // namespace ledra::reports
