#pragma once
// Direct printing of a dialog's own document on the real default printer.

#include "platform/prompter.h"
#include "reports/direct_print.h"

namespace ledra::reports::ui {

// Prints on the default printer; without one the user is told so through
// `prompter` and nothing is drawn.
DirectPrintOutcome PrintDirect(Prompter& prompter, const DirectPrintRequest& request,
                               const PageDrawer& draw);

}  // namespace ledra::reports::ui
