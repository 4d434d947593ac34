#pragma once
// "Escolha o Publicador": the active publishers in index order with one
// selected. The same list serves other dialogs as a pick-one chooser.

#include <cstdint>
#include <string>
#include <vector>

#include "store/congregation_database.h"

namespace ledra::records {

enum class ChooserMode { kEdit, kPickOne };

class PublisherChooser {
 public:
  PublisherChooser(const store::CongregationDatabase& db, ChooserMode mode);

  // Refills from the active list (after its rebuild), keeping the selected person when possible.
  void Refill();
  const std::vector<std::string>& names() const { return names_; }
  const std::vector<std::uint16_t>& ids() const { return ids_; }
  int selected() const { return selected_; }
  std::uint16_t selected_id() const;
  void Select(int index);
  bool SelectId(std::uint16_t id);
  // Moves by `delta` rows, wrapping around at either end.
  void Move(int delta);

  ChooserMode mode() const { return mode_; }
  std::string title() const;
  bool edit_visible() const { return !ids_.empty(); }
  bool add_visible() const { return mode_ == ChooserMode::kEdit; }
  // "&Editar..." / "&Sair", or "&Eleger" / "&Cancelar" when picking.
  std::string accept_text() const;
  std::string close_text() const;

 private:
  const store::CongregationDatabase& db_;
  ChooserMode mode_;
  std::vector<std::uint16_t> ids_;
  std::vector<std::string> names_;
  int selected_ = -1;
};

// "Adicione Publicador": which of its three choices are offered; when neither
// list has anyone the editor opens straight away.
struct AddChoices {
  bool ask = false;
  bool from_bible_students = false;
  bool from_inactive = false;
};
AddChoices OfferedAddChoices(const store::CongregationDatabase& db);

// The name the lists show: surname first unless sorting by first name.
std::string ListName(const store::CongregationDatabase& db, int row);

}  // namespace ledra::records
