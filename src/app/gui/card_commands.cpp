#include "card_commands.h"

#include <QMenu>
#include <QMenuBar>

#include "main_window.h"
#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "records/ui/card_dialog.h"
#include "window_lookups.h"

namespace ledra::gui {
CardCommands::CardCommands(MainWindow& window, store::Document& document, store::Settings& settings,
                           Prompter& prompter)
    : QObject(&window),
      window_(window),
      document_(document),
      settings_(settings),
      prompter_(prompter) {
  QMenu* reports = MenuNamed(window_.menuBar(), qt::Text(str::kMenuReports));
  QAction* cards = reports->addAction(qt::Text(str::kCardMenu));
  cards->setData(32771);
  connect(cards, &QAction::triggered, this, &CardCommands::OpenCards);
  QAction* options = reports->addAction(qt::Text(str::kCardOptionsCaption));
  options->setData(32888);
  connect(options, &QAction::triggered, this, [this] {
    if (records::ui::RunCardOptions(settings_, &window_)) document_.db().modified = true;
  });
}

void CardCommands::OpenCards() {
  records::ui::RecordCardDialog dialog(document_, settings_, prompter_, &window_);
  dialog.exec();
}

}  // namespace ledra::gui
