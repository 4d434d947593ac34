#include "list_commands.h"

#include <QMenu>
#include <QMenuBar>

#include "document_menus.h"
#include "main_window.h"
#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "records/ui/people_list_dialogs.h"
#include "window_lookups.h"

namespace ledra::gui {

ListCommands::ListCommands(MainWindow& window, store::Document& document, DocumentMenus& menus,
                           const store::Settings& settings, Prompter& prompter)
    : QObject(&window),
      window_(window),
      document_(document),
      menus_(menus),
      settings_(settings),
      prompter_(prompter) {
  QMenu* edit = MenuNamed(window_.menuBar(), qt::Text(str::kRecMenuEdit));
  auto add = [&](int text, auto slot) {
    QAction* a = edit->addAction(qt::Text(text));
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  auxiliary_ = add(str::kPioneerListAuxiliaryMenu,
                   [this] { OpenPioneers(records::PioneerMode::kAuxiliary); });
  regular_ =
      add(str::kPioneerListRegularMenu, [this] { OpenPioneers(records::PioneerMode::kRegular); });
  inactive_ = add(str::kInactiveMenu, [this] { OpenInactive(records::InactiveMode::kInactive); });
  deleted_ = add(str::kDeletedMenu, [this] { OpenInactive(records::InactiveMode::kDeleted); });
  moved_ = add(str::kMovedMenu, [this] { OpenMoved(); });
  // A past month can be chosen or left while the program runs.
  connect(edit, &QMenu::aboutToShow, this, &ListCommands::Refresh);
  Refresh();
}

void ListCommands::Refresh() {
  const auto& db = document_.db();
  const bool open = !db.month().viewing_past && !document_.read_only();
  const bool people = db.count() > 1;
  for (QAction* a : {auxiliary_, regular_, inactive_, moved_}) a->setEnabled(open && people);
  deleted_->setEnabled(open && !db.status_list(store::ListType::kDeleted).empty());
}

void ListCommands::After(bool changed) {
  document_.db().RebuildIndexes(prompter_);
  if (changed) {
    if (QWidget* view = window_.centralWidget()) view->update();
  }
  menus_.Refresh();
  Refresh();
}

void ListCommands::OpenPioneers(records::PioneerMode mode) {
  Refresh();
  QAction* a = mode == records::PioneerMode::kAuxiliary ? auxiliary_ : regular_;
  if (!a->isEnabled()) return;
  records::ui::PioneerListDialog dialog(document_, mode, prompter_, &window_);
  dialog.exec();
  After(dialog.changed());
}

void ListCommands::OpenInactive(records::InactiveMode mode) {
  Refresh();
  if (!(mode == records::InactiveMode::kInactive ? inactive_ : deleted_)->isEnabled()) return;
  records::ui::InactiveListDialog dialog(document_, settings_, mode, prompter_, &window_);
  dialog.exec();
  After(dialog.changed());
}

void ListCommands::OpenMoved() {
  Refresh();
  if (!moved_->isEnabled()) return;
  records::ui::MovedListDialog dialog(document_, prompter_, &window_);
  dialog.exec();
  After(dialog.changed());
}

}  // namespace ledra::gui
