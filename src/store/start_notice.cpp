#include "store/start_notice.h"

#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::store {

std::string StartNoticeText() {
  return Strings().Get(str::kStartNotice1) + "  " + Strings().Get(str::kStartNotice2) + "  " +
         Strings().Get(str::kStartNotice3);
}

bool ShowStartNotice(const Settings& settings, Prompter& prompter) {
  if (settings.nag) return false;
  prompter.Inform(StartNoticeText());
  return true;
}

}  // namespace ledra::store
