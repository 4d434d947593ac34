#pragma once
// The full-capacity folder the benchmarks run on (1,509 people, every side
// table full), written once per run.

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/prompter.h"
#include "store/demo_congregation.h"
#include "store/document.h"
#include "support/temp_folder.h"

namespace ledra::bench {

inline const platform::Path& FullFolder() {
  static TempFolder folder;
  static const platform::Path path = [] {
    ScriptedPrompter prompter;
    store::DemoOptions options;
    options.full = true;
    (void)store::WriteDemoCongregation(folder.path() / "full", options, prompter);
    return folder.path() / "full";
  }();
  return path;
}

// That folder opened read-only, today being 8 December 2026.
inline store::Document& FullDocument() {
  static const FixedClock clock(Date{2026, 12, 8});
  static ScriptedPrompter prompter;
  static store::Document doc(FullFolder(), clock, prompter);
  static const bool opened = [] {
    store::OpenOptions options;
    options.read_only = true;
    return doc.Open(options) == store::OpenOutcome::kOpened;
  }();
  (void)opened;
  return doc;
}

}  // namespace ledra::bench
