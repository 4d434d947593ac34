#pragma once
// "Adicionar - Editar - Apagar - Reativar Publicadores Inativos" and, in its
// deleted mode, "Editar - Apagar permanentemente - Restaurar": the people of
// the list on the left (filtered by period), the active publishers without
// activity for six months on the right, and what the main button does.

#include <string>
#include <vector>

#include "activity/status_rules.h"
#include "store/congregation_database.h"

namespace ledra::records {

enum class InactiveMode { kInactive, kDeleted };
enum class ListSide { kLeft, kRight };

struct ListEntry {
  int row = 0;
  std::string text;  // ANSI: the name, a tab, the month and year
};

class InactiveListModel {
 public:
  InactiveListModel(const store::CongregationDatabase& db, InactiveMode mode);

  InactiveMode mode() const { return mode_; }
  std::string caption() const;
  std::string frame_caption() const;  // deleted mode only
  bool right_visible() const { return mode_ == InactiveMode::kInactive; }

  // The filter button: six months, service year, twelve months, more than
  // twelve months, all; each press moves on, after the last back to the first.
  activity::StatusPeriod filter() const { return filter_; }
  std::string filter_text() const;
  void NextFilter();

  std::vector<ListEntry> left() const;
  std::vector<ListEntry> right() const;
  // "Transf. p/ Inativos" for the right side, "Reativar" (or "Restaurar") for the left.
  std::string main_text(ListSide side) const;
  // Making inactive stops at 299 inactive records.
  bool can_make_inactive() const;

 private:
  bool Shown(const store::PublisherRecord& p) const;

  const store::CongregationDatabase& db_;
  InactiveMode mode_;
  activity::StatusPeriod filter_ = activity::StatusPeriod::kAll;
};

// "Quer mesmo apagar %1?" with the name.
std::string DeleteQuestion(const store::CongregationDatabase& db, int row);

}  // namespace ledra::records
