#include "cli/cli_document.h"

#include <ostream>

#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/settings.h"

namespace ledra::cli {

void StreamPrompter::Inform(std::string_view text) {
  PrintAnsi(err_, text);
}

Answer StreamPrompter::AskYesNoCancel(std::string_view text) {
  PrintAnsi(err_, text);
  return Answer::kCancel;
}

Answer StreamPrompter::AskOkCancel(std::string_view text) {
  PrintAnsi(err_, text);
  return Answer::kCancel;
}

namespace {

// Takes the folder for a writing command; the exit code when refused.
std::optional<int> LockFolderForCli(const CliContext& context, const platform::Path& folder,
                                    std::optional<platform::FolderLock>& lock) {
  Result<platform::FolderLock> taken = platform::FolderLock::Acquire(folder);
  if (!taken) {
    PrintAnsi(*context.err, taken.error().text);
    return taken.error().id == str::kDataFolderLocked ? 2 : 1;
  }
  if (taken->read_only()) {
    PrintAnsi(*context.err,
              Strings().Format(str::kDataFolderReadOnly, {platform::PathForMessage(folder)}));
    return 2;
  }
  lock.emplace(std::move(*taken));
  return std::nullopt;
}

}  // namespace

CliOpen OpenCliDocument(const CliContext& context, CliAccess access,
                        const std::optional<std::string>& password) {
  if (!platform::FolderExists(context.data_dir)) {
    PrintAnsi(*context.err, Strings().Format(str::kCliNoSuchFolder,
                                             {platform::PathForMessage(context.data_dir)}));
    return CliOpen(2);
  }
  CliDocument doc;
  const bool writes = access != CliAccess::kRead;
  // The lock comes before the opening: the opening of a writer finishes or
  // discards what an interrupted save left, which must never be the save of
  // a program still running.
  if (writes) {
    if (auto refused = LockFolderForCli(context, context.data_dir, doc.lock))
      return CliOpen(*refused);
  }
  doc.prompter = std::make_unique<StreamPrompter>(*context.err);
  doc.document = std::make_unique<store::Document>(context.data_dir, *context.clock, *doc.prompter);
  store::OpenOptions options;
  options.read_only = !writes;
  // The early start counts for commands as it does for the window: read from
  // the 25th on, cleared before it (written back only by a writer).
  const platform::Path settings_file = store::SettingsPath(context.data_dir);
  {
    platform::IniFile ini = platform::IniFile::Load(settings_file);
    const std::string before = ini.Serialize();
    const store::EffectiveToday today = store::ResolveToday(context.clock->Today(), ini);
    if (writes && ini.Serialize() != before) static_cast<void>(ini.Save(settings_file));
    options.early_year = today.early_year;
    options.early_month = today.early_month;
  }
  options.check_password = [&password](const std::string& actual) {
    return password && platform::Utf8ToAnsi(*password).text == actual;
  };
  if (doc.document->Open(options) != store::OpenOutcome::kOpened) {
    PrintAnsi(*context.err, Strings().Get(str::kCliNeedsPassword));
    return CliOpen(2);
  }
  // The damage was told at opening; a command that would save refuses.
  if (access == CliAccess::kWrite && doc.document->damage()) return CliOpen(2);
  if (writes) {
    // Every save writes the settings too, so that a set made from any folder
    // carries them.
    store::Document* document = doc.document.get();
    doc.document->on_save_settings = [settings_file, document] {
      store::Settings settings = store::LoadSettings(settings_file, LanguageCode());
      settings.early_year = document->db().month().early_year;
      settings.early_month = document->db().month().early_month;
      static_cast<void>(store::SaveSettings(settings, settings_file, LanguageCode()));
    };
  }
  return doc;
}

}  // namespace ledra::cli
