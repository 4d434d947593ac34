#pragma once
// The rules of "Opções de Formatar": the report and label options kept in the
// settings file and in the settings shared with the companion program.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "store/settings.h"

namespace ledra::reports {

inline constexpr std::size_t kCongregationNameMax = 25;

struct FormatOptionValues {
  bool surname_first = false;     // shared byte 0
  bool birth_statistics = false;  // shared byte 6
  bool alternate_dates = false;   // shared byte 5 (dd/mm/aa)
  bool birth_caption = true;
  bool alternate_labels = false;
  bool grid = false;
  bool no_report_boxes = false;
  bool datestamp = false;
  bool emergency_witness = true;
  int top_margin = 50;         // 0-99 hundredths of an inch
  int label_left_margin = 20;  // 0-99
  std::string congregation;    // ANSI
  bool operator==(const FormatOptionValues&) const = default;
};

class FormatOptionsModel {
 public:
  FormatOptionsModel(const store::Settings& settings, const std::array<std::uint8_t, 7>& shared);

  const FormatOptionValues& values() const { return values_; }
  FormatOptionValues& edit() { return values_; }

  // The alternative labels carry the birth-date caption: ticking them ticks
  // it, clearing the caption clears them.
  void SetAlternateLabels(bool on);
  void SetBirthCaption(bool on);
  // Hidden while people are sorted by first name.
  bool surname_first_visible() const { return !sort_by_first_name_; }

  // The one-row margin lists: "00" .. "99".
  static std::vector<std::string> MarginChoices();

  // Writes the values back (margins kept to 0-99, the name trimmed and cut to
  // 25 characters); returns whether anything changed.
  bool Apply(store::Settings& settings, std::array<std::uint8_t, 7>& shared) const;

 private:
  FormatOptionValues values_;
  bool sort_by_first_name_ = false;
};

}  // namespace ledra::reports
