#include "reports/ui/default_printer.h"

#include "platform/qt/qt_direct_print.h"

namespace ledra::reports::ui {

DirectPrintOutcome PrintDirect(Prompter& prompter, const DirectPrintRequest& request,
                               const PageDrawer& draw) {
  qt::QtPrinterPort port;
  return reports::PrintDirect(port, prompter, request, draw);
}

}  // namespace ledra::reports::ui
