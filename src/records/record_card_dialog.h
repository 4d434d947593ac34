#pragma once
// The record card dialog without its window: which publishers it lists (the
// active or the inactive file), the card shown, what the print commands take
// and in which order, and the card options.

#include <optional>
#include <string>
#include <vector>

#include "records/record_card.h"

namespace ledra::records {

struct CardListEntry {
  int row = 0;
  std::string name;  // ANSI
};

class RecordCardDialogModel {
 public:
  RecordCardDialogModel(const store::Document& doc, const store::Settings& settings);

  const std::vector<CardListEntry>& entries() const { return entries_; }
  // "Inativos" is offered only while the inactive file holds someone.
  bool inactive_offered() const;
  bool inactive() const { return inactive_; }
  void SetInactive(bool on);
  int selected() const { return selected_; }  // -1: none
  void Select(int index);
  std::optional<int> selected_row() const;
  bool previous_year() const { return previous_year_; }
  void SetPreviousYear(bool on) { previous_year_ = on; }

  // The card of the preview: the chosen year only.
  std::optional<RecordCard> PreviewCard() const;
  // "&Editar" and the history need a publisher, a file that can be written
  // and the open month.
  bool edit_enabled(bool read_only) const;

  // A printed card of `row`: the other year below unless one year a page.
  RecordCard PrintedCard(int row) const;
  // The document of one card is named after its publisher.
  std::string DocumentName(int row) const;
  // Every publisher of a file, group by group (those without a group last),
  // in the list's order within a group.
  std::vector<int> FileRows(bool inactive) const;
  // "Publicadores Ativos" / "Publicadores Inativos".
  static std::string FileDocumentName(bool inactive);

 private:
  void Fill();

  const store::Document& doc_;
  const store::Settings& settings_;
  std::vector<CardListEntry> entries_;
  bool inactive_ = false;
  bool previous_year_ = false;
  int selected_ = -1;
};

// The card options as the options dialog shows them.
struct CardOptions {
  bool group_numbers = false;
  bool one_per_page = false;
  bool hide_birth = false;
  bool hide_averages_this_year = false, hide_averages_previous_year = false;
  bool hide_totals_this_year = false, hide_totals_previous_year = false;
  bool operator==(const CardOptions&) const = default;
};
CardOptions CardOptionsOf(const store::Settings& settings);
// Returns whether anything changed (the document then counts as changed).
bool ApplyCardOptions(const CardOptions& options, store::Settings& settings);

}  // namespace ledra::records
