#pragma once
// The dialog that prepares a group's collection file: the month collected
// (the ReportMonth or the one after it), the empty-list choice, who receives
// the file, the counts, the texts and enabling of its two buttons, and the
// save with the secretary's address.

#include <string>

#include "interchange/collection_file.h"
#include "platform/mail.h"
#include "store/document.h"
#include "store/settings.h"

namespace ledra::interchange {

class CollectionPrepModel {
 public:
  CollectionPrepModel(const store::Document& doc, const store::Settings& settings, int group);

  int group() const { return group_; }
  void set_group(int group) { group_ = group; }
  bool next_month() const { return next_month_; }
  void set_next_month(bool on) { next_month_ = on; }
  bool empty_list() const { return empty_list_; }
  void set_empty_list(bool on) { empty_list_ = on; }
  const std::string& secretary_email() const { return secretary_email_; }
  void set_secretary_email(std::string text) { secretary_email_ = std::move(text); }
  // "Enviar arquivo para assistente": kept in the settings.
  bool to_assistant() const;
  void set_to_assistant(store::Settings& settings, bool on);

  // The collected month and its year parity.
  int month_index() const;
  int parity() const;
  std::string MonthName() const;
  std::string NextMonthName() const;

  std::string Title() const;
  std::string OverseerLine() const;
  int Members() const;
  // Members with neither a figure nor a remark in the collected month.
  int Missing() const;
  std::string PublishersText() const;  // "Publicadores:  12"
  std::string MissingText() const;     // "Relatórios em falta:  3"
  std::string EmptyListText() const;
  bool EmptyListShown() const { return Members() != Missing(); }
  bool AssistantShown() const;
  // The address the file goes to, empty when there is none.
  std::string Recipient() const;
  std::string MailButtonText() const;
  bool MailEnabled() const { return !Recipient().empty(); }
  std::string SaveButtonText() const;
  bool SaveEnabled() const { return Missing() > 0 || empty_list_; }

  // The secretary's address as it is stored: the first 50 characters, empty
  // without an "@" after the first character and within the first 48.
  static std::string CleanSecretaryEmail(std::string_view typed);
  CollectionRequest Request() const;
  // Writes the file; a changed secretary's address goes into the settings
  // (the return says whether it changed). The message names the file.
  struct Saved {
    platform::Path file;
    std::string message;
    bool settings_changed = false;
  };
  Result<Saved> Save(store::Settings& settings) const;
  // The message that carries the saved file to the recipient (UTF-8).
  platform::MailRequest Mail(const platform::Path& file) const;

 private:
  std::string EmailOfName(std::string_view name) const;

  const store::Document& doc_;
  const store::Settings& settings_;
  int group_ = 1;
  bool next_month_ = false;
  bool empty_list_ = false;
  std::string secretary_email_;
};

}  // namespace ledra::interchange
