#include "group_commands.h"

#include <QMenu>
#include <QMenuBar>

#include "document_menus.h"
#include "main_window.h"
#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "records/ui/group_dialogs.h"
#include "records/ui/overseer_dialog.h"
#include "records/ui/student_dialogs.h"
#include "window_lookups.h"

namespace ledra::gui {

GroupCommands::GroupCommands(MainWindow& window, store::Document& document, DocumentMenus& menus,
                             const store::Settings& settings, Prompter& prompter)
    : QObject(&window),
      window_(window),
      document_(document),
      menus_(menus),
      settings_(settings),
      prompter_(prompter) {
  QMenu* edit = MenuNamed(window_.menuBar(), qt::Text(str::kRecMenuEdit));
  groups_ = edit->addAction(qt::Text(str::kPanelFieldGroups));
  students_ = edit->addAction(qt::Text(str::kStudentsMenu));
  overseer_ = edit->addAction(qt::Text(str::kOverseerTitle));
  connect(groups_, &QAction::triggered, this, &GroupCommands::OpenGroups);
  connect(students_, &QAction::triggered, this, &GroupCommands::OpenStudents);
  connect(overseer_, &QAction::triggered, this, &GroupCommands::OpenOverseer);
  // A past month can be chosen or left while the program runs.
  connect(edit, &QMenu::aboutToShow, this, &GroupCommands::Refresh);
  Refresh();
}

void GroupCommands::Refresh() {
  const auto& db = document_.db();
  const bool open = !db.month().viewing_past && !document_.read_only();
  groups_->setEnabled(open);
  students_->setEnabled(open);
  // The overseer is shown even from a past month; he needs someone on file.
  overseer_->setEnabled(db.count() > 1);
}

void GroupCommands::After(bool changed) {
  document_.db().RebuildIndexes(prompter_);
  if (changed) {
    if (QWidget* view = window_.centralWidget()) view->update();
  }
  menus_.Refresh();
  Refresh();
}

void GroupCommands::OpenGroups() {
  Refresh();
  if (!groups_->isEnabled()) return;
  After(records::ui::RunGroupEditing(document_, settings_, prompter_, &window_));
}

void GroupCommands::OpenStudents() {
  Refresh();
  if (!students_->isEnabled()) return;
  After(records::ui::RunStudentEditing(document_, settings_, prompter_, &window_));
}

void GroupCommands::OpenOverseer() {
  Refresh();
  if (!overseer_->isEnabled()) return;
  After(records::ui::RunOverseerEditing(document_, prompter_, &window_));
}

}  // namespace ledra::gui
