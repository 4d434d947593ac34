#pragma once
// The record card commands of the window: "&Registros de Publicador" in the
// Reports menu and on the action panel, and the card options.

#include <QObject>

#include "platform/prompter.h"
#include "store/document.h"
#include "store/settings.h"

namespace ledra::gui {

class MainWindow;

class CardCommands : public QObject {
  Q_OBJECT

 public:
  CardCommands(MainWindow& window, store::Document& document, store::Settings& settings,
               Prompter& prompter);

  void OpenCards();

 private:
  MainWindow& window_;
  store::Document& document_;
  store::Settings& settings_;
  Prompter& prompter_;
};

}  // namespace ledra::gui
