#pragma once
// Program start: one instance, the data folder and its lock, the settings,
// the document with its password, the main window, the start-up notice and
// the confidentiality sweep, in that order.

#include <QApplication>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/folder_lock.h"
#include "platform/prompter.h"
#include "platform/qt/qt_prompter.h"
#include "platform/user_config.h"
#include "store/document.h"
#include "store/first_start.h"
#include "store/settings.h"

namespace ledra::gui {

class MainWindow;
class SingleInstance;

struct StartupOptions {
  std::optional<platform::Path> data_folder;  // --data DIR
  std::optional<Date> today;                  // --today YYYY-MM-DD
  QString instance_name;                      // empty: the per-user default
  platform::Path user_config;                 // empty: $XDG_CONFIG_HOME/ledra/ledra.conf
  // Answers the welcome view instead of showing it (tests).
  std::function<std::optional<store::FirstStartPlan>(const store::FirstStart&)> welcome;
};

class Startup {
 public:
  enum class Outcome {
    kRunning,        // the window is shown
    kOtherInstance,  // another instance was raised; end quietly
    kOtherFolder,    // another instance holds another folder; told the user
    kFailed,         // told the user why (folder in use, folder not creatable)
    kRefused,        // the password was refused
    kCancelled,      // the user chose not to create the folder --data names,
                     // or left the welcome view
  };

  // `prompter` answers instead of message boxes (tests); null: message boxes.
  explicit Startup(StartupOptions options, Prompter* prompter = nullptr);
  ~Startup();
  Startup(const Startup&) = delete;
  Startup& operator=(const Startup&) = delete;

  Outcome Start();

  const platform::Path& data_folder() const { return data_folder_; }
  bool read_only() const { return lock_ && lock_->read_only(); }
  store::Settings& settings() { return settings_; }
  store::Document* document() { return document_.get(); }
  MainWindow* window() { return window_.get(); }
  // Writes the settings file, silently (part of every save).
  void SaveSettings() const;
  // "  Mês de Entradas = <month>" for the status bar.
  QString ReportMonthStatus() const;

 private:
  std::optional<Outcome> ClaimInstance(bool first_start);
  // The welcome view's choice becomes the data folder (the demonstration
  // congregation built there first when asked for).
  std::optional<Outcome> Welcome(const platform::DataFolderInputs& inputs);
  void SaveUserConfig();
  std::optional<Outcome> TakeDataFolder();
  void ReadSettings();

  StartupOptions options_;
  qt::QtPrompter message_boxes_;
  Prompter& prompter_;
  std::unique_ptr<Clock> clock_;
  std::unique_ptr<SingleInstance> instance_;
  platform::Path data_folder_;
  platform::Path user_config_file_;
  platform::UserConfig user_config_;
  std::optional<platform::FolderLock> lock_;
  platform::Path settings_file_;
  store::Settings settings_;
  std::unique_ptr<store::Document> document_;
  std::unique_ptr<MainWindow> window_;
};

// Starts the program and runs it; returns the exit code.
int RunStartup(QApplication& app, const StartupOptions& options);

}  // namespace ledra::gui
