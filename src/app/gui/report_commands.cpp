#include "report_commands.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QListWidget>
#include <QMenuBar>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
#include <QScreen>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "action_panel.h"
#include "activity/branch_totals.h"
#include "main_window.h"
#include "platform/ini_file.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/report_output.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "records/ui/pick_dialogs.h"
#include "report_view.h"
#include "reports/analysis_page.h"
#include "reports/averages_report.h"
#include "reports/emergency_forms.h"
#include "reports/hours_report.h"
#include "reports/pdf_file_name.h"
#include "reports/phone_list.h"
#include "reports/pioneer_hours_report.h"
#include "reports/publisher_labels.h"
#include "reports/report_env.h"
#include "reports/report_kinds.h"
#include "reports/statistics_page.h"
#include "reports/ui/font_choice.h"
#include "window_lookups.h"

namespace ledra::gui {
namespace {

constexpr int kPanelPhoneList = 20819;
constexpr int kPanelStatistics = 20812;
constexpr int kPanelCongregationAnalysis = 20813, kPanelGroupAnalysis = 20814,
              kPanelSummary = 20815;
constexpr int kPanelExit = 20821;

constexpr int kUseCloseButton = 20611;
constexpr int kGroupLabel = 20904;
constexpr int kMenuFonts = 20706;
constexpr int kCommandBack = 32787, kCommandHighResolution = 32813;
constexpr int kResetTrueType = 20918;
constexpr int kPhoneMenu = 25008, kPhoneAll = 25009, kPhoneGroup = 25010, kPhoneServants = 25011,
              kPhonePioneers = 25018;
constexpr int kPrint = 25012, kPreview = 25013, kSavePdf = 25014, kPdfFilter = 25015,
              kGroupPrompt = 25016, kPdfFailed = 25017;

}  // namespace

ReportCommands::ReportCommands(MainWindow& window, store::Document& document,
                               store::Settings& settings, Prompter& prompter, const Clock& clock)
    : QObject(&window),
      window_(window),
      document_(document),
      settings_(settings),
      prompter_(prompter),
      clock_(clock),
      model_(ScreenDpi(true), ScreenDpi(false), DefaultPrinterDpi(), DefaultPrinterDpi()),
      fonts_(reports::IsHighResolution(model_.printer_dpi_x()), document.db().language_code) {
  fonts_.Read(platform::IniFile::Load(store::SettingsPath(document_.data_folder())));
  stack_ = new QStackedWidget(&window);
  panel_ = new ActionPanel(stack_);
  view_ = new ReportView(
      model_, [this](Canvas& c) { return Draw(c, false); }, stack_);
  stack_->addWidget(panel_);
  stack_->addWidget(view_);
  window.setCentralWidget(stack_);
  connect(view_, &ReportView::BackToPanel, this, &ReportCommands::ShowPanel);
  panel_->SetCommand(kPanelPhoneList, [this] { ShowReport(reports::kPhoneListAll); });
  panel_->SetCommand(kPanelCongregationAnalysis,
                     [this] { ShowReport(reports::kAnalysisCongregation); });
  panel_->SetCommand(kPanelGroupAnalysis, [this] { ShowReport(reports::kAnalysisGroup); });
  panel_->SetCommand(kPanelSummary, [this] { ShowReport(reports::kAnalysisSummary); });
  panel_->SetCommand(kPanelExit, [this] { window_.close(); });

  // Closing while the preview is open would pull the document from under it.
  auto guard = window.close_guard;
  window.close_guard = [this, guard] {
    if (model_.previewing()) {
      prompter_.Inform(Strings().Get(kUseCloseButton));
      return false;
    }
    return !guard || guard();
  };
  BuildMenus();
  ShowPanel();
}

ReportCommands::~ReportCommands() {
  // The fonts go back to the settings file at the end, key by key where changed.
  if (document_.read_only()) return;
  const platform::Path file = store::SettingsPath(document_.data_folder());
  platform::IniFile ini = platform::IniFile::Load(file);
  fonts_.Write(ini);
  (void)ini.Save(file);
}

void ReportCommands::BuildMenus() {
  QMenuBar* bar = window_.menuBar();
  QMenu* file = window_.file_menu();
  QAction* before = window_.exit_action();
  print_ = new QAction(qt::Text(kPrint), this);
  print_->setShortcut(QKeySequence::Print);
  preview_ = new QAction(qt::Text(kPreview), this);
  pdf_ = new QAction(qt::Text(kSavePdf), this);
  file->insertAction(before, print_);
  file->insertAction(before, preview_);
  file->insertAction(before, pdf_);
  file->insertSeparator(before);
  connect(print_, &QAction::triggered, this, [this] { Print(false); });
  connect(preview_, &QAction::triggered, this, [this] { Print(true); });
  connect(pdf_, &QAction::triggered, this, [this] { SaveAsPdf(); });

  QMenu* reports_menu = MenuNamed(bar, qt::Text(str::kMenuReports));
  QMenu* phones = reports_menu->addMenu(qt::Text(kPhoneMenu));
  const std::pair<int, int> phone_items[] = {{kPhoneAll, reports::kPhoneListAll},
                                             {kPhoneGroup, reports::kPhoneListGroup},
                                             {kPhoneServants, reports::kPhoneListServants},
                                             {kPhonePioneers, reports::kPhoneListPioneers}};
  for (const auto& [text, kind] : phone_items) {
    QAction* a = phones->addAction(qt::Text(text));
    a->setData(reports::FindReportKind(kind)->command);
    connect(a, &QAction::triggered, this, [this, kind = kind] { ShowReport(kind); });
  }

  // The roster lists: one submenu per list, one command per variant.
  struct RosterMenu {
    int title;
    std::vector<std::pair<int, int>> items;  // text, kind
  };
  const RosterMenu rosters[] = {
      {str::kRosterMenuAddresses,
       {{str::kRosterAll, 60},
        {str::kRosterGroup, 61},
        {str::kRosterInactive, 62},
        {str::kRosterServants, 63},
        {str::kRosterPioneers, 64}}},
      {str::kRosterMenuContacts,
       {{str::kRosterAll, 80},
        {str::kRosterGroup, 81},
        {str::kRosterServants, 82},
        {str::kRosterPioneers, 83},
        {str::kRosterInactive, 84}}},
      {str::kRosterMenuPhonesEmail,
       {{str::kRosterAll, 100},
        {str::kRosterGroup, 101},
        {str::kRosterServants, 103},
        {str::kRosterPioneers, 104}}},
      {str::kRosterMenuSpecialNeeds, {{str::kRosterAll, 120}, {str::kRosterGroup, 121}}},
      {str::kEmergencyMenu, {{str::kRosterAll, 90}, {str::kRosterGroup, 91}}},
      {str::kHoursMenu,
       {{str::kRosterAll, 40},
        {str::kRosterGroup, 41},
        {str::kRosterPioneers, 42},
        {str::kHoursAuxiliaryItem, 39},
        {str::kRosterServants, 43},
        {str::kHoursBrothersItem, 48},
        {str::kCommandAveragesSpecial, 38}}},
      {str::kServiceYearMenu,
       {{str::kRosterAll, 44}, {str::kRosterPioneers, 45}, {str::kRosterServants, 46}}},
      {str::kGroupListMenu,
       {{str::kGroupListActive, 70},
        {str::kGroupListWithStudents, 71},
        {str::kGroupListWithInactive, 72},
        {str::kGroupListEveryone, 73},
        {str::kGroupListConsent, 74}}},
  };
  for (const RosterMenu& roster : rosters) {
    QMenu* menu = reports_menu->addMenu(qt::Text(roster.title));
    for (const auto& [text, kind] : roster.items) {
      QAction* a = menu->addAction(qt::Text(text));
      a->setData(reports::FindReportKind(kind)->command);
      connect(a, &QAction::triggered, this, [this, kind = kind] { ShowReport(kind); });
      // The special category's report is offered only while its option is on.
      if (kind == reports::kHoursSpecialCategory)
        connect(menu, &QMenu::aboutToShow, this,
                [this, a] { a->setVisible(settings_.special_category_enabled); });
    }
  }

  QAction* forms = reports_menu->addAction(qt::Text(str::kFormCommand));
  forms->setData(reports::FindReportKind(reports::kEmergencyFormBlank)->command);
  connect(forms, &QAction::triggered, this, [this] { ShowEmergencyForms(); });

  QMenu* labels = reports_menu->addMenu(qt::Text(str::kLabelMenu));
  QAction* all_labels = labels->addAction(qt::Text(str::kLabelAll));
  all_labels->setData(reports::FindReportKind(reports::kLabelsKind)->command);
  connect(all_labels, &QAction::triggered, this, [this] { ShowLabels(false); });
  QAction* chosen_labels = labels->addAction(qt::Text(str::kLabelChosen));
  connect(chosen_labels, &QAction::triggered, this, [this] { ShowLabels(true); });

  QMenu* analysis = reports_menu->addMenu(qt::Text(str::kMenuAnalysis));
  const std::pair<int, int> analysis_items[] = {
      {str::kCommandCongregationAnalysis, reports::kAnalysisCongregation},
      {str::kCommandPioneersGroups, reports::kAnalysisCongregation},
      {str::kCommandAlphabetical, reports::kAnalysisAlphabetical},
      {str::kCommandGroupAnalysis, reports::kAnalysisGroup},
      {str::kCommandCongregationSummary, reports::kAnalysisSummary},
      {str::kCommandMeetingAttendance, reports::kAnalysisAttendance}};
  for (const auto& [text, kind] : analysis_items) {
    QAction* a = analysis->addAction(qt::Text(text));
    a->setData(text == str::kCommandPioneersGroups ? reports::FindReportKind(kind)->alias_command
                                                   : reports::FindReportKind(kind)->command);
    connect(a, &QAction::triggered, this, [this, kind = kind] { ShowReport(kind); });
  }

  QMenu* averages = reports_menu->addMenu(qt::Text(str::kMenuAverages));
  const std::pair<int, int> averages_items[] = {
      {str::kCommandAveragesCongregation, reports::kAveragesCongregation},
      {str::kCommandAveragesGroup, reports::kAveragesGroup},
      {str::kCommandAveragesPioneers, reports::kAveragesRegularPioneers},
      {str::kCommandAveragesElders, reports::kAveragesElders},
      {str::kCommandAveragesServants, reports::kAveragesServants},
      {str::kCommandAveragesBrothers, reports::kAveragesBaptisedBrothers},
      {str::kCommandAveragesSpecial, reports::kAveragesSpecialCategory}};
  QAction* special = nullptr;
  for (const auto& [text, kind] : averages_items) {
    QAction* a = averages->addAction(qt::Text(text));
    a->setData(reports::FindReportKind(kind)->command);
    connect(a, &QAction::triggered, this, [this, kind = kind] { ShowReport(kind); });
    if (kind == reports::kAveragesSpecialCategory) special = a;
  }
  // The special category is offered only while its option is on.
  connect(averages, &QMenu::aboutToShow, this,
          [this, special] { special->setVisible(settings_.special_category_enabled); });
  QAction* statistics = reports_menu->addAction(qt::Text(str::kCommandStatistics));
  statistics->setData(reports::FindReportKind(reports::kStatisticsPage)->command);
  connect(statistics, &QAction::triggered, this, [this] { ShowReport(reports::kStatisticsPage); });
  panel_->SetCommand(kPanelStatistics, [this] { ShowReport(reports::kStatisticsPage); });
  QAction* pioneers = reports_menu->addAction(qt::Text(str::kCommandPioneerReport));
  pioneers->setData(reports::FindReportKind(reports::kPioneerHoursReport)->command);
  connect(pioneers, &QAction::triggered, this,
          [this] { ShowReport(reports::kPioneerHoursReport); });

  QMenu* view_menu = MenuNamed(bar, qt::Text(str::kMenuView));
  back_ = view_menu->addAction(qt::Text(kCommandBack));
  connect(back_, &QAction::triggered, this, &ReportCommands::ShowPanel);

  QMenu* fonts = MenuNamed(bar, qt::Text(kMenuFonts));
  for (reports::FontRole role :
       {reports::FontRole::kTitle, reports::FontRole::kSubtitle, reports::FontRole::kHeading,
        reports::FontRole::kText, reports::FontRole::kSmall}) {
    QAction* a = fonts->addAction(qt::Text(reports::FontCommand(role)));
    connect(a, &QAction::triggered, this, [this, role] { ChangeFont(role); });
  }
  fonts->addSeparator();
  QAction* high = fonts->addAction(qt::Text(kCommandHighResolution));
  high->setToolTip(qt::Text(kResetTrueType));
  connect(high, &QAction::triggered, this, [this] {
    fonts_.Reset(true);
    view_->Refresh();
  });
}

void ReportCommands::UpdateActions() {
  const bool report = model_.CanPrint();
  print_->setEnabled(report);
  preview_->setEnabled(report);
  pdf_->setEnabled(report);
  back_->setEnabled(report);
}

std::optional<int> ReportCommands::AskGroup(bool all_groups) {
  const auto& db = document_.db();
  QStringList items;
  std::vector<int> numbers;
  for (int g : reports::AnalysisGroups(db)) {
    std::string name = g <= db.side.groups.count()
                           ? db.side.groups.text(g, store::GroupTable::Text::kName)
                           : std::string{};
    if (name.empty()) name = Strings().Get(kGroupLabel) + std::to_string(g);
    items << qt::FromAnsi(name);
    numbers.push_back(g);
  }
  if (items.isEmpty()) return std::nullopt;
  if (all_groups) {
    items << qt::Text(str::kAllGroups);
    numbers.push_back(0);
  }
  bool ok = false;
  const QString chosen = QInputDialog::getItem(&window_, qt::Text(kGroupPrompt),
                                               qt::Text(kGroupPrompt), items, 0, false, &ok);
  if (!ok) return std::nullopt;
  return numbers[static_cast<std::size_t>(items.indexOf(chosen))];
}

void ReportCommands::ShowReport(int kind) {
  const reports::ReportKindInfo* info = reports::FindReportKind(kind);
  if (info == nullptr) return;
  int group = 0;
  if (info->per_group) {
    const auto chosen = AskGroup(info->all_groups);
    if (!chosen) return;
    group = *chosen;
  }
  // The report to the branch shows the totals as they stand now.
  if (info->branch_report && !document_.read_only()) activity::ComputeBranchTotals(document_.db());
  // The window keeps its place and size: the report fills it.
  model_.ShowReport(kind, group);
  stack_->setCurrentWidget(view_);
  view_->Refresh();
  view_->setFocus();
  UpdateActions();
}

void ReportCommands::ShowEmergencyForms() {
  // The people to print a form for; none gives the blank form.
  const auto& db = document_.db();
  const auto rows = records::ui::PickPublishers(db, records::ui::ActiveRows(db),
                                                qt::Text(str::kFormChooser), &window_);
  if (!rows) return;
  chosen_ids_.clear();
  for (int row : *rows) chosen_ids_.push_back(db.row(row).id());
  ShowReport(chosen_ids_.empty() ? reports::kEmergencyFormBlank : reports::kEmergencyFormFilled);
}

void ReportCommands::ShowLabels(bool chosen) {
  const auto& db = document_.db();
  chosen_ids_.clear();
  first_label_ = 1;
  if (chosen) {
    const auto rows = records::ui::PickPublishers(db, records::ui::ActiveRows(db),
                                                  qt::Text(str::kLabelChooser), &window_);
    if (!rows || rows->empty()) return;
    for (int row : *rows) chosen_ids_.push_back(db.row(row).id());
    // A part sheet: which label to start at.
    if (reports::AsksFirstLabel(static_cast<int>(rows->size()))) {
      const auto first = records::ui::PickFirstLabel(&window_);
      if (!first) return;
      first_label_ = *first;
    }
  }
  ShowReport(reports::kLabelsKind);
}

void ReportCommands::ShowPanel() {
  model_.ShowPanel();
  stack_->setCurrentWidget(panel_);
  panel_->Refresh();
  UpdateActions();
}

reports::ReportEnv ReportCommands::Env(bool printed) const {
  reports::ReportEnv env;
  env.screen_dpi_x = model_.screen_dpi_x();
  env.screen_dpi_y = model_.screen_dpi_y();
  env.printer_dpi_x = model_.printer_dpi_x();
  env.printer_dpi_y = model_.printer_dpi_y();
  env.page_height_tenths = model_.page_height_tenths();
  env.printed = printed;
  env.options = reports::PageOptionsFrom(settings_, document_.db());
  env.fonts = fonts_;
  env.today = clock_.Today();
  env.language_code = document_.db().language_code;
  env.chosen_ids = chosen_ids_;
  env.first_label = first_label_;
  return env;
}

int ReportCommands::Draw(Canvas& canvas, bool printed) {
  const reports::ReportEnv env = Env(printed);
  return reports::DrawReport(canvas, env, document_.db(), model_.kind(), model_.selected_group())
      .value_or(1);
}

void ReportCommands::Print(bool preview) {
  if (!model_.CanPrint()) return;
  if (QPrinterInfo::availablePrinters().isEmpty() && !preview) {
    prompter_.Inform(Strings().Get(str::kPrinterMissing));
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  model_.SetPrinterDpi(printer.resolution(), printer.resolution());
  printer.setFromTo(1, model_.page_count());
  const bool a4 = printer.pageLayout().pageSize().id() == QPageSize::A4;
  // Pages follow the sequence `next` gives; each shows its band of the strip.
  auto paint = [this](QPrinter* target, auto next) {
    QPainter painter(target);
    const int dpi = target->resolution();
    bool started = false;
    for (std::optional<int> page = next(0); page; page = next(*page)) {
      if (started) target->newPage();
      started = true;
      const int pages = qt::PaintBand(painter, dpi, dpi, model_.PrintBand(*page, dpi, dpi),
                                      [this](Canvas& c) { return Draw(c, true); });
      model_.set_page_count(pages);
    }
  };
  if (preview) {
    model_.BeginPrint({a4, true, 1, 1, model_.page_count()}, /*preview=*/true);
    QPrintPreviewDialog dialog(&printer, &window_);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter* p) {
      paint(p, [this](int page) -> std::optional<int> {
        if (page + 1 > model_.page_count()) return std::nullopt;
        return page + 1;
      });
    });
    dialog.exec();
    model_.EndPrint();
    return;
  }
  QPrintDialog dialog(&printer, &window_);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  dialog.setMinMax(1, model_.page_count());
  if (dialog.exec() != QDialog::Accepted) return;
  const bool all = printer.printRange() != QPrinter::PageRange;
  const int first = all ? 1 : printer.fromPage();
  const int last = all ? model_.page_count() : printer.toPage();
  const bool driver_copies = printer.supportsMultipleCopies();
  const int copies = printer.copyCount();
  if (!driver_copies) printer.setCopyCount(1);
  model_.BeginPrint({a4, driver_copies, copies, first, last}, /*preview=*/false);
  paint(&printer, [this](int page) { return model_.NextPage(page); });
  model_.EndPrint();
}

void ReportCommands::SaveAsPdf(QString file) {
  if (!model_.CanPrint()) return;
  if (file.isEmpty()) {
    // Named after the report, in the Documents folder.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    const QString proposed = QDir(folder).filePath(
        qt::FromAnsi(reports::SuggestedPdfName(reports::ReportTitle(model_.kind()))));
    file =
        QFileDialog::getSaveFileName(&window_, qt::Text(kSavePdf), proposed, qt::Text(kPdfFilter));
    if (file.isEmpty()) return;
    if (!file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) file += QStringLiteral(".pdf");
  }
  const Status status =
      qt::WriteReportPdf(file, model_.printer_dpi_x(), model_.page_width_tenths(),
                         model_.page_height_tenths(), [this](Canvas& c) { return Draw(c, true); });
  if (!status.ok()) prompter_.Inform(Strings().Format(kPdfFailed, {qt::ToAnsi(file)}));
}

void ReportCommands::ChangeFont(reports::FontRole role) {
  const int caption = reports::FontDialogCaption(role);
  const auto chosen =
      reports::ui::ChooseFont(&window_, fonts_.font(role),
                              caption != 0 ? qt::Text(caption) : QString(), model_.screen_dpi_y());
  if (chosen && fonts_.Set(role, *chosen)) view_->Refresh();
}

}  // namespace ledra::gui
