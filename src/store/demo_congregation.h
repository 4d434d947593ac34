#pragma once
// A realistic, made-up congregation written through the program's own store:
// for the first start, for demonstrations, and (full) for capacity tests.

#include <cstdint>

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/prompter.h"
#include "platform/result.h"

namespace ledra::store {

// People besides the circuit overseer that fit the main data file.
inline constexpr int kMaxDemoPeople = 1508;

struct DemoOptions {
  int people = 120;        // people on file besides the circuit overseer
  std::uint64_t seed = 1;  // the same seed and date give the same folder
  Date today{2026, 12, 8};
  bool full = false;  // every table filled to its capacity
};

// Refuses a number of people outside 1..kMaxDemoPeople (unless full).
Status CheckDemoOptions(const DemoOptions& options);

// Writes the folder (created when missing). A folder that already holds data
// files is refused, so real data is never overwritten. The folder is built
// beside the target and renamed into place at the end.
Status WriteDemoCongregation(const platform::Path& folder, const DemoOptions& options,
                             Prompter& prompter);

}  // namespace ledra::store
