#include "reports/publisher_labels.h"

#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "records/record_card.h"

namespace ledra::reports {
namespace {

constexpr int kHome = 25001, kMobile = 25002;

void Add(std::vector<std::string>& lines, std::string text) {
  if (!text.empty()) lines.push_back(std::move(text));
}

}  // namespace

LabelPlace LabelPlaceOf(int n) {
  return {(n - 1) / 2, n % 2 == 1 ? 0 : 1};
}

int LabelPageCount(int labels, int first) {
  return (labels + first - 2) / kLabelsPerSheet + 1;
}

bool AsksFirstLabel(int chosen) {
  return chosen > 0 && chosen <= kLabelsPerSheet;
}

std::vector<std::string> LabelLines(const store::CongregationDatabase& db, int row,
                                    const PageOptions& options) {
  const store::PublisherRecord& p = db.row(row);
  std::vector<std::string> lines;
  Add(lines, db.DisplayName(row, /*surname_first=*/false));
  Add(lines, p.Text(store::field::kAddr));
  if (options.alternate_label) {
    // The second layout: the telephones instead of the birth date.
    const std::string home = p.Text(store::field::kPhone), mobile = p.Text(store::field::kPhone2);
    if (!home.empty()) Add(lines, Strings().Get(kHome) + " " + home);
    if (!mobile.empty()) Add(lines, Strings().Get(kMobile) + " " + mobile);
    return lines;
  }
  const bool day_first = db.side.shared_settings[store::shared::kAlternateDates] != 0;
  const std::string birth = records::CardDate(p.Text(store::field::kBirdate), day_first, false);
  if (!birth.empty())
    Add(lines,
        options.label_birth_caption ? Strings().Get(str::kLabelBirthCaption) + " " + birth : birth);
  return lines;
}

int DrawLabels(ReportFrame& frame, const store::CongregationDatabase& db, int, int) {
  Canvas& c = frame.canvas();
  const ReportEnv& env = frame.env();
  std::vector<int> rows;
  for (std::uint16_t id : env.chosen_ids)
    if (const int row = db.FindRow(id); row != 0) rows.push_back(row);
  if (env.chosen_ids.empty())
    for (const store::IndexEntry& e : db.status_list(store::ListType::kActive))
      rows.push_back(e.row);
  const int first =
      env.first_label >= 1 && env.first_label <= kLabelsPerSheet ? env.first_label : 1;

  const int dpi_x = frame.dpi_x(), dpi_y = frame.dpi_y();
  const bool a4 = env.page_height_tenths > kPageHeightTenths;
  const int pitch_x = a4 ? dpi_x * 81 / 20 : dpi_x * 21 / 5;
  const int left = env.options.label_left_margin * dpi_x / (frame.screen() ? 200 : 100);
  const int top = TopMargin(env.options.top_margin, dpi_y);
  frame.Use(FontRole::kSmall);
  const TextMetrics m = c.Metrics();
  const int line = m.height + m.external_leading;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int position = static_cast<int>(i) + first - 1;
    const int page = position / kLabelsPerSheet;
    const LabelPlace place = LabelPlaceOf(position % kLabelsPerSheet + 1);
    const int label_top = (env.page_height_tenths / 10) * page * dpi_y + top + place.row * dpi_y;
    const int x = left + place.column * pitch_x + dpi_x / 8;
    const std::vector<std::string> lines = LabelLines(db, rows[i], env.options);
    // Bottom-aligned lines, the block ending a little above the label's foot.
    int y = label_top + dpi_y - dpi_y / 8 - static_cast<int>(lines.size() - 1) * line;
    for (const std::string& text : lines) {
      c.Text(x, y, text, HAlign::kLeft, VAlign::kBottom);
      y += line;
    }
  }
  return LabelPageCount(static_cast<int>(rows.size()), first);
}

}  // namespace ledra::reports
