#pragma once
// The commands of the people lists: the auxiliary and regular pioneers of a
// month, the inactive, deleted and moved lists (menu Editar and the action
// panel), with their enabling rules.

#include <QObject>

#include "platform/prompter.h"
#include "records/inactive_list.h"
#include "records/pioneer_list.h"
#include "store/document.h"
#include "store/settings.h"

class QAction;

namespace ledra::gui {

class DocumentMenus;
class MainWindow;

class ListCommands : public QObject {
  Q_OBJECT

 public:
  ListCommands(MainWindow& window, store::Document& document, DocumentMenus& menus,
               const store::Settings& settings, Prompter& prompter);

  void OpenPioneers(records::PioneerMode mode);
  void OpenInactive(records::InactiveMode mode);
  void OpenMoved();
  void Refresh();

 private:
  void After(bool changed);

  MainWindow& window_;
  store::Document& document_;
  DocumentMenus& menus_;
  const store::Settings& settings_;
  Prompter& prompter_;
  QAction* auxiliary_ = nullptr;
  QAction* regular_ = nullptr;
  QAction* inactive_ = nullptr;
  QAction* deleted_ = nullptr;
  QAction* moved_ = nullptr;
};

}  // namespace ledra::gui
