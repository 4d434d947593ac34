#include "startup.h"

#include <filesystem>

#include <QApplication>
#include <QMenuBar>

#include "action_panel.h"
#include "activity/home_summary.h"
#include "attendance_commands.h"
#include "card_commands.h"
#include "document_menus.h"
#include "group_commands.h"
#include "interchange/ui/csv_import_wizard.h"
#include "interchange/ui/import_dialog.h"
#include "interchange/ui/report_imports.h"
#include "interchange/ui/send_mail.h"
#include "list_commands.h"
#include "main_window.h"
#include "month_commands.h"
#include "platform/data_folder.h"
#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "report_commands.h"
#include "single_instance.h"
#include "status_list_commands.h"
#include "store/demo_congregation.h"
#include "store/start_notice.h"
#include "store/ui/confidentiality_sweep_dialog.h"
#include "store/ui/password_dialogs.h"
#include "welcome_dialog.h"

namespace ledra::gui {

Startup::Startup(StartupOptions options, Prompter* prompter)
    : options_(std::move(options)), prompter_(prompter ? *prompter : message_boxes_) {
  if (options_.today) {
    clock_ = std::make_unique<FixedClock>(*options_.today);
  } else {
    clock_ = std::make_unique<SystemClock>();
  }
}

Startup::~Startup() = default;

Startup::Outcome Startup::Start() {
  user_config_file_ = options_.user_config.empty() ? platform::UserConfigPathFromEnvironment()
                                                   : options_.user_config;
  user_config_ = platform::LoadUserConfig(user_config_file_);
  platform::DataFolderInputs inputs =
      platform::DataFolderInputsFromEnvironment(options_.data_folder);
  inputs.remembered = user_config_.data_folder;
  data_folder_ = platform::ChooseDataFolder(inputs);
  const bool first_start = platform::IsFirstStart(inputs, data_folder_);
  if (auto other = ClaimInstance(first_start)) return *other;
  if (first_start) {
    if (auto left = Welcome(inputs)) return *left;
  }
  if (auto refused = TakeDataFolder()) return *refused;
  ReadSettings();

  document_ = std::make_unique<store::Document>(data_folder_, *clock_, prompter_);
  document_->db().sort_by_first_name = settings_.sort_by_first_name;
  document_->db().language_code = LanguageCode();
  store::OpenOptions open;
  open.read_only = read_only();
  open.early_year = settings_.early_year;
  open.early_month = settings_.early_month;
  open.check_password = [](const std::string& password) {
    store::ui::PasswordCheckDialog dialog(password, store::PasswordCheck::Purpose::kOpening);
    dialog.exec();
    return dialog.outcome() == store::PasswordOutcome::kGranted;
  };
  if (document_->Open(open) != store::OpenOutcome::kOpened) return Outcome::kRefused;
  document_->on_save_settings = [this] { SaveSettings(); };

  window_ = std::make_unique<MainWindow>();
  window_->Place(user_config_);
  window_->on_closing = [this] { SaveUserConfig(); };
  window_->SetStatusText(1, ReportMonthStatus());
  // Both are owned by the window.
  auto* menus = new DocumentMenus(*window_, *document_, settings_, prompter_, *clock_);
  auto* reports = new ReportCommands(*window_, *document_, settings_, prompter_, *clock_);
  auto* month = new MonthCommands(*window_, *document_, *menus, prompter_);
  month->set_settings(&settings_);
  month->set_import_hooks(
      {[this](QWidget* parent) {
         const auto send = [this, parent](const platform::MailRequest& request) {
           return interchange::ui::SendMailFromWindow(parent, document_->data_folder(), request)
               .outcome;
         };
         if (interchange::ui::RunCollectionPrepare(*document_, settings_, prompter_, send, parent))
           SaveSettings();
       },
       [this](QWidget* parent) {
         interchange::ui::RunCollectionImport(*document_, prompter_, parent);
       },
       [this](QWidget* parent) {
         interchange::ui::RunXmlReportImport(*document_, prompter_, parent);
       },
       [this](QWidget* parent) {
         if (auto table = interchange::ui::RunCsvImportWizard(parent, *document_, prompter_))
           interchange::ui::RunImportDialog(*document_, std::move(*table), parent);
       }});
  new StatusListCommands(*window_, *document_, settings_);
  reports->panel()->SetCommand(str::kPanelEditPublishers, [menus] { menus->EditPublishers(); });
  reports->panel()->SetCommand(str::kPanelEntries, [month] { month->OpenReportSheets(); });
  reports->panel()->SetCommand(str::kPanelGlance, [month] { month->ShowGlance(); });
  reports->panel()->SetCommand(str::kPanelHistory, [month] { month->EditHistory(); });
  auto* cards = new CardCommands(*window_, *document_, settings_, prompter_);
  reports->panel()->SetCommand(str::kPanelRecordCards, [cards] { cards->OpenCards(); });
  auto* lists = new ListCommands(*window_, *document_, *menus, settings_, prompter_);
  reports->panel()->SetCommand(str::kPanelAuxiliaryPioneers,
                               [lists] { lists->OpenPioneers(records::PioneerMode::kAuxiliary); });
  reports->panel()->SetCommand(str::kPanelInactive,
                               [lists] { lists->OpenInactive(records::InactiveMode::kInactive); });
  reports->panel()->SetCommand(str::kPanelMoved, [lists] { lists->OpenMoved(); });
  auto* attendance = new AttendanceCommands(*window_, *document_, *menus, settings_, prompter_);
  reports->panel()->SetCommand(str::kPanelAttendance,
                               [attendance] { attendance->EnterAttendance(); });
  reports->panel()->SetCommand(str::kPanelAttendanceRecord,
                               [attendance] { attendance->ShowRecord(); });
  auto* groups = new GroupCommands(*window_, *document_, *menus, settings_, prompter_);
  reports->panel()->SetCommand(str::kPanelFieldGroups, [groups] { groups->OpenGroups(); });
  menus->on_refresh = [menus, reports, month](const QString& open_month) {
    reports->panel()->SetReturn(open_month, [menus] { menus->ReturnToOpenMonth(); });
    month->Refresh();
  };
  reports->panel()->SetSummarySource(
      [this] { return activity::HomeSummaryOf(document_->db(), settings_.cong_name); });
  reports->panel()->ReserveKeysOf(*window_->menuBar());
  menus->Refresh();
  QObject::connect(instance_.get(), &SingleInstance::ActivationRequested, window_.get(),
                   [w = window_.get()] { RaiseWindow(w); });
  message_boxes_.set_parent(window_.get());
  window_->show();

  store::ShowStartNotice(settings_, prompter_);
  // A folder that cannot be written keeps its files; deleting would only fail.
  if (!read_only()) store::ui::RunConfidentialitySweep(data_folder_, prompter_, window_.get());
  return Outcome::kRunning;
}

namespace {

// The folder as the running program tells it to a later start.
QString FolderName(const platform::Path& folder) {
  std::error_code ec;
  const platform::Path full = std::filesystem::weakly_canonical(folder, ec);
  return QString::fromStdString((ec ? folder : full).string());
}

}  // namespace

std::optional<Startup::Outcome> Startup::ClaimInstance(bool first_start) {
  instance_ = std::make_unique<SingleInstance>(
      options_.instance_name.isEmpty() ? SingleInstance::DefaultName() : options_.instance_name);
  if (instance_->Claim()) return std::nullopt;
  // Nothing was asked for: the running window is what the user wants.
  if (first_start) return Outcome::kOtherInstance;
  // Raised either way; but a start for another folder must not end silently,
  // or the user would take the open window for the folder asked for.
  const QString running = instance_->running_folder();
  const QString wanted = FolderName(data_folder_);
  if (running.isEmpty() || running == wanted) return Outcome::kOtherInstance;
  prompter_.Inform(
      Strings().Format(str::kOpenOnOtherFolder, {platform::PathForMessage(running.toStdString()),
                                                 platform::PathForMessage(wanted.toStdString())}));
  return Outcome::kOtherFolder;
}

std::optional<Startup::Outcome> Startup::TakeDataFolder() {
  // A folder named on the command line may be a typing error: ask before
  // starting a new congregation there.
  if (options_.data_folder && !platform::FolderExists(data_folder_)) {
    const std::string question =
        Strings().Format(str::kAskCreateDataFolder, {platform::PathForMessage(data_folder_)});
    if (prompter_.AskOkCancel(question) != Answer::kOk) return Outcome::kCancelled;
  }
  if (Status made = platform::PrepareDataFolder(data_folder_); !made) {
    prompter_.Inform(made.error().text);
    return Outcome::kFailed;
  }
  Result<platform::FolderLock> lock = platform::FolderLock::Acquire(data_folder_);
  if (!lock) {
    prompter_.Inform(lock.error().text);
    return Outcome::kFailed;
  }
  lock_.emplace(std::move(*lock));
  if (lock_->read_only()) {
    prompter_.Inform(
        Strings().Format(str::kDataFolderReadOnly, {platform::PathForMessage(data_folder_)}));
  }
  instance_->SetDataFolder(FolderName(data_folder_));
  return std::nullopt;
}

std::optional<Startup::Outcome> Startup::Welcome(const platform::DataFolderInputs& inputs) {
  const store::FirstStart start(inputs);
  std::optional<store::FirstStartPlan> plan;
  if (options_.welcome) {
    plan = options_.welcome(start);
  } else {
    WelcomeDialog dialog(start, prompter_);
    dialog.exec();
    plan = dialog.plan();
  }
  if (!plan) return Outcome::kCancelled;
  data_folder_ = plan->folder;
  if (plan->build_demo) {
    store::DemoOptions demo;
    demo.today = clock_->Today();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Status built = store::WriteDemoCongregation(data_folder_, demo, prompter_);
    QApplication::restoreOverrideCursor();
    if (!built) {
      prompter_.Inform(
          Strings().Format(str::kWelcomeDemoFailed, {platform::PathForMessage(data_folder_)}) +
          "\n\n" + built.error().text);
      return Outcome::kFailed;
    }
  }
  if (plan->remember) {
    user_config_.data_folder = data_folder_;
    SaveUserConfig();
  }
  return std::nullopt;
}

void Startup::SaveUserConfig() {
  if (window_) window_->StorePlace(user_config_);
  // Only the window's place and the folder: losing them costs nothing.
  static_cast<void>(platform::SaveUserConfig(user_config_, user_config_file_));
}

void Startup::ReadSettings() {
  settings_file_ = store::SettingsPath(data_folder_);
  settings_ = store::LoadSettings(settings_file_, LanguageCode());
  // The early start is read only from the 25th on, and cleared (silently) before it.
  platform::IniFile ini = platform::IniFile::Load(settings_file_);
  const std::string before = ini.Serialize();
  const store::EffectiveToday today = store::ResolveToday(clock_->Today(), ini);
  if (!read_only() && ini.Serialize() != before) static_cast<void>(ini.Save(settings_file_));
  settings_.early_year = today.early_year;
  settings_.early_month = today.early_month;
}

void Startup::SaveSettings() const {
  if (read_only()) return;
  // The early start is the document's: a start may have recorded one.
  store::Settings settings = settings_;
  if (document_) {
    settings.early_year = document_->db().month().early_year;
    settings.early_month = document_->db().month().early_month;
  }
  static_cast<void>(store::SaveSettings(settings, settings_file_, LanguageCode()));
}

QString Startup::ReportMonthStatus() const {
  const int month = document_ ? document_->db().month().report_month_index : 0;
  return qt::FromAnsi(
      Strings().Format(str::kReportMonthStatus, {Strings().Get(str::kMonthJanuary + month)}));
}

int RunStartup(QApplication& app, const StartupOptions& options) {
  Startup startup(options);
  switch (startup.Start()) {
    case Startup::Outcome::kRunning:
      return app.exec();
    case Startup::Outcome::kOtherInstance:
    case Startup::Outcome::kRefused:
    case Startup::Outcome::kCancelled:
      return 0;
    case Startup::Outcome::kFailed:
      return 1;
    case Startup::Outcome::kOtherFolder:
      return 2;
  }
  return 1;
}

}  // namespace ledra::gui
