#pragma once
// The full-capacity folder the benchmarks run on (1,509 people, every side
// table full), written once per run.

#include "platform/files.h"
#include "platform/prompter.h"
#include "store/demo_congregation.h"
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

}  // namespace ledra::bench
