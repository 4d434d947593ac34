#pragma once
// "Superintendente de circuito": the one record of the circuit overseer,
// with the publisher editor's field widths; created on the first save.

#include <string>

#include "platform/prompter.h"
#include "platform/result.h"
#include "store/document.h"

namespace ledra::records {

struct OverseerForm {
  std::string first, last, address, phone, mobile, other_phone, email;  // ANSI
  bool operator==(const OverseerForm&) const = default;
};

class CircuitOverseerEditor {
 public:
  explicit CircuitOverseerEditor(store::Document& doc);

  OverseerForm& form() { return form_; }
  const OverseerForm& form() const { return form_; }
  // Row of the record (0 while there is none).
  int row() const;
  // While a past month is viewed the record is only shown.
  bool read_only() const { return doc_.read_only(); }

  // A text over its width, or one the data file would not read back.
  Status Check() const;
  // Writes what changed; a missing record is created (an empty form creates
  // nothing). Returns whether anything changed.
  Result<bool> Save(Prompter& prompter);

 private:
  store::Document& doc_;
  OverseerForm opened_;
  OverseerForm form_;
};

}  // namespace ledra::records
