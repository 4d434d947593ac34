#pragma once
// The welcome view's three ways in, when there is no congregation to open:
// the demonstration congregation, a folder the secretary already has, or a
// new, empty congregation. Each gives the folder to open and whether the
// next start should come back to it.

#include <optional>

#include "platform/data_folder.h"
#include "platform/prompter.h"

namespace ledra::store {

struct FirstStartPlan {
  platform::Path folder;
  bool build_demo = false;  // write the demonstration congregation there first
  bool remember = false;    // open it again at the next start
};

class FirstStart {
 public:
  explicit FirstStart(platform::DataFolderInputs inputs) : in_(std::move(inputs)) {}

  platform::Path demo_folder() const { return platform::DemoDataFolder(in_); }
  platform::Path new_folder() const { return platform::DefaultDataFolder(in_); }
  // "Uma congregação vazia, guardada em <folder>." (ANSI)
  std::string NewNote() const;

  // The demonstration is built once and kept as the user leaves it; it is
  // never remembered, so the welcome comes back until a real congregation is
  // opened.
  FirstStartPlan Demo() const;
  FirstStartPlan New() const;
  // A chosen folder without a main data file is a new congregation only when
  // the user says so; nullopt brings him back to the welcome.
  std::optional<FirstStartPlan> Existing(const platform::Path& folder, Prompter& prompter) const;

 private:
  platform::DataFolderInputs in_;
};

}  // namespace ledra::store
