#pragma once
// "Exportar para XML" and "Importar do XML": the publisher choosers bound to
// the XML export and import of the core.

#include <QWidget>

#include "platform/clock.h"
#include "platform/prompter.h"
#include "store/document.h"

namespace ledra::interchange::ui {

// Chooses a list and its publishers, then writes the file into "Exports".
void RunXmlExport(const store::Document& doc, const Clock& clock, Prompter& prompter,
                  QWidget* parent);
// The backup question, the file, the chooser with its duplicates; returns
// whether anything was imported.
bool RunXmlImport(store::Document& doc, const Clock& clock, Prompter& prompter, QWidget* parent);

}  // namespace ledra::interchange::ui
