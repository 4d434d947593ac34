#pragma once
// The default printer as the core sees it: a port that opens a document on it
// and the job that draws that document page by page. The Qt printer
// implements it; the decisions of direct printing run against it without one.

#include <memory>
#include <string_view>

#include "platform/canvas.h"

namespace ledra {

// One document open on a printer.
class PrintJob {
 public:
  virtual ~PrintJob() = default;
  // The canvas of the current page, at the printer's resolution.
  virtual Canvas& canvas() = 0;
  // Moves to a fresh sheet.
  virtual void NewPage() = 0;
  // Sends the document; false when the printer refused it.
  virtual bool Finish() = 0;
  // The paper's height in tenths of an inch (Letter unless told otherwise).
  virtual int paper_height_tenths() const { return 110; }
};

class PrinterPort {
 public:
  virtual ~PrinterPort() = default;
  // Starts a document of that name on the default printer; null when there is
  // no default printer or it cannot start.
  virtual std::unique_ptr<PrintJob> OpenDefault(std::string_view document_name) = 0;
  // Whether a default printer exists at all.
  virtual bool HasDefault() const = 0;
};

}  // namespace ledra
