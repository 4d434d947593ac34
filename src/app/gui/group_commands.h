#pragma once
// The commands of the field service groups, the Bible students and the
// circuit overseer (menu Editar; the groups also on the action panel), with
// their enabling rules.

#include <QObject>

#include "platform/prompter.h"
#include "store/document.h"
#include "store/settings.h"

class QAction;

namespace ledra::gui {

class DocumentMenus;
class MainWindow;

class GroupCommands : public QObject {
  Q_OBJECT

 public:
  GroupCommands(MainWindow& window, store::Document& document, DocumentMenus& menus,
                const store::Settings& settings, Prompter& prompter);

  void OpenGroups();
  void OpenStudents();
  void OpenOverseer();
  void Refresh();
  QAction* groups_action() const { return groups_; }
  QAction* students_action() const { return students_; }
  QAction* overseer_action() const { return overseer_; }

 private:
  void After(bool changed);

  MainWindow& window_;
  store::Document& document_;
  DocumentMenus& menus_;
  const store::Settings& settings_;
  Prompter& prompter_;
  QAction* groups_ = nullptr;
  QAction* students_ = nullptr;
  QAction* overseer_ = nullptr;
};

}  // namespace ledra::gui
