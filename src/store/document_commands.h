#pragma once
// What the main window's document commands do, apart from any widget:
// leaving the program, and the options that re-sort or are saved with the data.

#include "platform/prompter.h"
#include "store/document.h"
#include "store/settings.h"

namespace ledra::store {

// Closing the main window: a modified document (not a past month) asks
// "Salvar Mudanças?"; Yes saves, No drops the remark changes, Cancel keeps
// the program running. Returns whether the window may close; the remarks'
// undo copy is gone afterwards.
bool ConfirmClose(Document& document, Prompter& prompter);

// Whether "Sal&var" is available: something changed and no past month is viewed.
bool CanSave(const Document& document);

// "Ordenar pelo primeiro nome": turning it on also clears the shared
// surname-first option; the table is re-sorted and re-indexed.
void SetSortByFirstName(Document& document, Settings& settings, bool on, Prompter& prompter);

// "Omita a observação inicial" and the automatic capitals: toggled and kept with the next save.
void ToggleNag(Document& document, Settings& settings);
void ToggleAutoCap(Document& document, Settings& settings);

}  // namespace ledra::store
