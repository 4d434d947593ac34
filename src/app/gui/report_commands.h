#pragma once
// The report half of the main window: the action panel and the report view
// in the window's centre, the report menus, the fonts, printing, preview and
// saving a report as PDF.

#include <QObject>
#include <QPrinter>
#include <memory>

#include "platform/clock.h"
#include "platform/prompter.h"
#include "reports/report_frame.h"
#include "reports/report_view_model.h"
#include "store/document.h"
#include "store/settings.h"

class QAction;
class QStackedWidget;

namespace ledra::gui {

class ActionPanel;
class MainWindow;
class ReportView;

class ReportCommands : public QObject {
  Q_OBJECT

 public:
  ReportCommands(MainWindow& window, store::Document& document, store::Settings& settings,
                 Prompter& prompter, const Clock& clock);
  ~ReportCommands() override;

  reports::ReportViewModel& model() { return model_; }
  ActionPanel* panel() const { return panel_; }
  ReportView* view() const { return view_; }
  // Shows a report kind (asking for the group of a per-group kind first).
  void ShowReport(int kind);
  void ShowPanel();
  // "Lista de contactos": asks for the people, then shows their forms.
  void ShowEmergencyForms();
  // Labels of every active publisher, or of chosen ones from a chosen first label.
  void ShowLabels(bool chosen);
  void Print(bool preview);
  // Writes the report shown to `file` (asked for when empty).
  void SaveAsPdf(QString file = {});

 private:
  void BuildMenus();
  void UpdateActions();
  void ChangeFont(reports::FontRole role);
  reports::ReportEnv Env(bool printed) const;
  int Draw(Canvas& canvas, bool printed);
  // The group of a per-group report; 0 for every group where that is offered.
  std::optional<int> AskGroup(bool all_groups);

  MainWindow& window_;
  store::Document& document_;
  store::Settings& settings_;
  Prompter& prompter_;
  const Clock& clock_;
  reports::ReportViewModel model_;
  reports::ReportFonts fonts_;
  QStackedWidget* stack_ = nullptr;
  ActionPanel* panel_ = nullptr;
  ReportView* view_ = nullptr;
  QAction* print_ = nullptr;
  QAction* preview_ = nullptr;
  QAction* pdf_ = nullptr;
  QAction* back_ = nullptr;
  std::vector<std::uint16_t> chosen_ids_;
  int first_label_ = 1;
};

}  // namespace ledra::gui
