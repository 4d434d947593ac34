#pragma once
// The notice shown when a data folder is opened, unless switched off ("Nag").

#include <string>

#include "platform/prompter.h"
#include "store/settings.h"

namespace ledra::store {

// The three sentences of the notice, two blanks apart (ANSI).
std::string StartNoticeText();
// Shows the notice when the settings ask for it; returns whether it was shown.
bool ShowStartNotice(const Settings& settings, Prompter& prompter);

}  // namespace ledra::store
