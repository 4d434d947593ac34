#pragma once
// The import buttons of the sheet list: preparing a group's collection file,
// and taking a month's reports from a returned .t19 or an XML list through
// the import dialog.

#include <QWidget>

#include "interchange/ui/collection_prep_dialog.h"
#include "platform/prompter.h"
#include "store/document.h"
#include "store/settings.h"

namespace ledra::interchange::ui {

// The group chooser, then the preparation dialog (again for another group).
// Returns whether a setting changed.
bool RunCollectionPrepare(const store::Document& doc, store::Settings& settings, Prompter& prompter,
                          const MailSend& send, QWidget* parent);
// Returns how many lines were merged.
int RunCollectionImport(store::Document& doc, Prompter& prompter, QWidget* parent);
int RunXmlReportImport(store::Document& doc, Prompter& prompter, QWidget* parent);

}  // namespace ledra::interchange::ui
