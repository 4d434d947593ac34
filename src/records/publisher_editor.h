#pragma once
// "Editar Informação de Publicador": one person's working copy, the rules
// applied while typing and ticking, and saving into the table in its order.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/prompter.h"
#include "platform/result.h"
#include "records/publisher_chooser.h"
#include "records/publisher_form.h"
#include "store/document.h"
#include "store/settings.h"

namespace ledra::records {

enum class EditorMode { kAdd, kEdit };
// A Bible student is kept in a reduced form of the same editor.
enum class EditorKind { kPublisher, kStudent };

enum class SaveResult {
  kNotSaved,  // empty surname, cancelled status, or a refused text
  kSaved,
  kDropped,  // the add was declined at "Substituir por este?"
};

// What saving asks of the windows around the editor.
struct SaveHooks {
  // The status dialog for a new person; false when cancelled.
  std::function<bool(store::PublisherRecord& working)> ask_status;
};

class PublisherEditor {
 public:
  // Opens on `row` (edit), or on a zeroed record with a fresh id (add).
  PublisherEditor(store::Document& doc, const store::Settings& settings, Prompter& prompter,
                  EditorMode mode, int row = 0, EditorKind kind = EditorKind::kPublisher);

  EditorMode mode() const { return mode_; }
  bool student() const { return kind_ == EditorKind::kStudent; }
  const PublisherForm& form() const { return form_; }
  PublisherForm& mutable_form() { return form_; }
  const store::PublisherRecord& working() const { return working_; }
  store::PublisherRecord& working() { return working_; }
  std::uint16_t id() const { return working_.id(); }
  store::Document& doc() { return doc_; }

  // --- typing: each name cut to 14 and capitalised as it is typed ---
  void SetFirstName(std::string_view text);
  void SetSurname(std::string_view text);
  // A name field was left (or the record is saved): a first name that with the
  // surname passes 23 characters becomes its initial and a full stop. Never
  // while typing, where it would cut a name the user is still writing.
  void FinishNames();
  // --- ticking (rule 4) ---
  void Tick(Box box, bool on);

  // --- what the dialog shows ---
  bool delete_visible() const { return mode_ == EditorMode::kEdit && !student(); }
  bool walk_visible() const { return mode_ == EditorMode::kEdit && !student(); }
  bool head_box_enabled() const;
  // Empty when the household button is hidden.
  std::string household_button_text() const;
  // The head of the household this person heads or belongs to; 0 when none.
  std::uint16_t household_head() const;
  std::string group_button_text() const;
  bool consent_dates_visible() const { return form_.consent && !student(); }
  bool special_servant_visible() const { return special_servant_shown_ && !student(); }
  bool field_missionary_visible() const { return field_missionary_shown_ && !student(); }
  bool special_category_visible() const { return settings_.special_category_enabled && !student(); }
  std::string special_category_caption() const { return settings_.special_category; }
  // The years of the date lists.
  YearRange years() const;

  // --- saving ---
  Result<SaveResult> Save(const SaveHooks& hooks);
  // Save, then move the chooser's selection with wrap-around and load that person.
  Result<SaveResult> Step(int delta, PublisherChooser& chooser, const SaveHooks& hooks);
  // The editor closed without OK: a new person's side entries go again.
  void Cancel();

  // --- copy and paste (rule 9) ---
  bool has_copied() const { return copied_.has_value(); }
  std::string copy_button_text() const;
  Result<SaveResult> Copy(const SaveHooks& hooks);
  void Paste();
  void ForgetCopied() { copied_.reset(); }

  // --- side dialogs hand their results back ---
  // "Privilégios de serviço": the seven ticks in their row order.
  void ApplyPrivilegeTicks(const std::array<bool, 7>& ticks);
  store::ExtensionRecord& extension() { return extension_; }
  const store::ExtensionRecord& extension() const { return extension_; }

  // Row of the person in the table now (0 while a new person is unsaved).
  int row() const;

  // --- a student's Bible study conductor (an active publisher; 0 = none) ---
  std::uint16_t conductor() const;
  void SetConductor(std::uint16_t id);
  // "Dirigente de estudo bíblico: name", empty without a conductor.
  std::string conductor_text() const;

 private:
  void Load(int row);
  void LoadNew();
  void WriteFormInto(store::PublisherRecord& rec) const;
  // A student's form writes only the fields that changed: the hidden boxes
  // keep whatever the record holds.
  void WriteStudentFormInto(store::PublisherRecord& rec) const;
  Status CheckTexts() const;
  int slot() const;

  store::Document& doc_;
  const store::Settings& settings_;
  Prompter& prompter_;
  EditorMode mode_;
  EditorKind kind_;
  store::PublisherRecord working_;
  store::PublisherRecord original_;
  PublisherForm form_;
  PublisherForm opened_;
  store::ExtensionRecord extension_;
  store::ExtensionRecord extension_opened_;
  bool special_servant_shown_ = false;
  bool field_missionary_shown_ = false;
  struct Copied {
    std::string address, home;
    std::uint8_t group = 0;
  };
  std::optional<Copied> copied_;
};

// Rule 1: whether typed names get their first letter uppercased.
bool AutoCapitalises(bool auto_cap_setting, std::string_view language_code);

}  // namespace ledra::records
