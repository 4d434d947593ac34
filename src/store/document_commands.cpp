#include "store/document_commands.h"

#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::store {

bool ConfirmClose(Document& document, Prompter& prompter) {
  if (document.db().modified && !document.db().month().viewing_past) {
    switch (prompter.AskYesNoCancel(Strings().Get(str::kSaveChanges))) {
      case Answer::kCancel:
        return false;
      case Answer::kYes:
        // A save that failed was named to the user; the program stays open so
        // nothing typed is lost.
        if (!document.SaveCommand(/*from_menu=*/false)) return false;
        break;
      default:
        document.DiscardRemarkChanges();
        break;
    }
  }
  document.DeleteRemarkUndo();
  return true;
}

bool CanSave(const Document& document) {
  return document.db().modified && !document.db().month().viewing_past && !document.read_only();
}

void SetSortByFirstName(Document& document, Settings& settings, bool on, Prompter& prompter) {
  CongregationDatabase& db = document.db();
  settings.sort_by_first_name = on && db.language_code == "ptg";
  db.sort_by_first_name = settings.sort_by_first_name;
  if (settings.sort_by_first_name) db.side.shared_settings[shared::kSurnameFirst] = 0;
  db.SortTable();
  db.RebuildIndexes(prompter);
  db.modified = true;
}

void ToggleNag(Document& document, Settings& settings) {
  settings.nag = !settings.nag;
  document.db().modified = true;
}

void ToggleAutoCap(Document& document, Settings& settings) {
  settings.auto_cap = !settings.auto_cap;
  document.db().modified = true;
}

}  // namespace ledra::store
