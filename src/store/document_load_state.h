#pragma once
// What one load of the document carries from step to step.

#include "store/document.h"
#include "store/old_record_conversion.h"

namespace ledra::store {

struct Document::LoadState {
  bool at_opening = false;
  bool conversion = false;  // the previous version's files are being converted
  bool meetings_converted = false;
  bool read_records = false;  // the table came from a main file, not from nothing
  ConversionYears years{};
};

}  // namespace ledra::store
