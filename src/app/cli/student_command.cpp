#include "cli/student_command.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/cli_document.h"
#include "cli/database_json.h"
#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "records/bible_students.h"
#include "records/publisher_editor.h"
#include "store/settings.h"

namespace ledra::cli {
namespace {

using json = nlohmann::ordered_json;

// The record as the dump shows it, with the e-mail and the conductor beside it.
json StudentJson(const store::Document& doc, int row) {
  json j = PersonJson(doc.db(), row);
  const auto ext = doc.ReadExtension(row);
  j["email"] = platform::AnsiToUtf8(ext ? ext->email() : std::string{});
  j["conductor"] = records::ConductorOf(doc.db().row(row));
  return j;
}

// Answers the one question an add may ask, "Substituir por este?".
class ReplacePrompter final : public Prompter {
 public:
  ReplacePrompter(Prompter& out, bool yes) : out_(out), yes_(yes) {}
  void Inform(std::string_view text) override { out_.Inform(text); }
  Answer AskYesNoCancel(std::string_view text) override {
    if (yes_) return Answer::kYes;
    out_.Inform(text);
    return Answer::kNo;
  }
  Answer AskOkCancel(std::string_view text) override { return AskYesNoCancel(text); }

 private:
  Prompter& out_;
  bool yes_;
};

class StudentCommand final : public CliCommand {
 public:
  std::string Name() const override { return "student"; }
  std::string Description() const override {
    return "List the Bible students; add, edit or delete one (\"Editar estudante da Bíblia\")";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--id", id_, "The student's id (edit, delete)");
    command.add_option("--first-name", first_, "\"Nome\" (14 characters)");
    command.add_option("--surname", last_, "\"Sobrenome\" (14 characters, at least 2)");
    command.add_option("--address", address_, "\"Endereço\" (60 characters)");
    command.add_option("--phone", phone_, "\"Home Phone\" (14 characters)");
    command.add_option("--mobile", mobile_, "\"Celular\" (14 characters)");
    command.add_option("--work-phone", work_, "\"Telefone do Trabalho\" (14 characters)");
    command.add_option("--email", email_, "\"E-Mail\" (50 characters)");
    command.add_option("--birth-date", birth_, "MMDDYYYY, or empty for none");
    command.add_option("--gender", gender_, "male or female");
    command.add_option("--group", group_, "Field service group 0-20 (0 none)");
    command.add_option("--conductor", conductor_,
                       "Id of the active publisher who conducts the study; 0 for none");
    command.add_flag("--yes", yes_, "Answer Yes to \"Substituir por este?\" or the deletion");
    command.add_option("--password", password_, "Password of a protected folder");
    add_ = command.add_subcommand("add", "Add a Bible student");
    edit_ = command.add_subcommand("edit", "Edit a Bible student");
    delete_ = command.add_subcommand("delete", "Delete a Bible student for good");
    for (CLI::App* sub : {add_, edit_, delete_}) sub->fallthrough();
    command.require_subcommand(0, 1);
  }

  int Run(const CliContext& context) override {
    const bool writes = add_->parsed() || edit_->parsed() || delete_->parsed();
    if (add_->parsed() && (!first_ || !last_))
      return Refuse(context, Strings().Get(str::kCliStudentNames));
    if ((edit_->parsed() || delete_->parsed()) && !id_)
      return Refuse(context, Strings().Get(str::kCliStudentId));
    auto doc = OpenCliDocument(context, writes ? CliAccess::kWrite : CliAccess::kRead, password_);
    if (!doc) return doc.exit_code();
    store::Document& document = *doc->document;
    const auto& db = document.db();
    if (!writes) {
      json list = json::array();
      for (const records::StudentRow& r : records::StudentRows(db)) {
        list.push_back({{"id", r.id},
                        {"text", platform::AnsiToUtf8(r.text)},
                        {"conductor", records::ConductorOf(db.row(r.row))}});
      }
      *context.out << json{{"students", list}}.dump(1) << '\n';
      return kExitDone;
    }
    int row = 0;
    if (id_) {
      const std::optional<long long> id = ParseNumber(*id_);
      row = id && *id > 0 && *id <= 0xFFFF ? db.FindRow(static_cast<std::uint16_t>(*id)) : 0;
      if (row == 0 || !db.row(row).is(store::ListType::kNonPublisher)) {
        return Refuse(context,
                      Strings().Format(str::kCliNoSuchStudent, {platform::Utf8ToAnsi(*id_).text}));
      }
    }
    if (delete_->parsed()) return Delete(context, *doc, row);
    return Edit(context, *doc, row);
  }

 private:
  int Delete(const CliContext& context, CliDocument& doc, int row) {
    store::Document& document = *doc.document;
    const std::string question = records::StudentDeleteQuestion(document.db(), row);
    if (!yes_) {
      PrintAnsi(*context.err, question);
      return Refuse(context, Strings().Get(str::kCliConfirmWithYes));
    }
    const json removed = StudentJson(document, row);
    if (Status s = records::DeleteStudent(document, row, *doc.prompter); !s)
      return Refuse(context, s.error().text);
    if (!document.SaveCommand(/*from_menu=*/false)) return kExitFailed;
    *context.out << json{{"deleted", removed}}.dump(1) << '\n';
    return kExitDone;
  }

  int Edit(const CliContext& context, CliDocument& doc, int row) {
    store::Document& document = *doc.document;
    const store::Settings settings =
        store::LoadSettings(store::SettingsPath(context.data_dir), document.db().language_code);
    ReplacePrompter prompter(*doc.prompter, yes_);
    const bool adding = row == 0;
    records::PublisherEditor editor(document, settings, prompter,
                                    adding ? records::EditorMode::kAdd : records::EditorMode::kEdit,
                                    row, records::EditorKind::kStudent);
    if (int refused = Fill(context, editor); refused != kExitDone) return refused;
    if (!records::StudentSurnameAccepted(editor.form().last))
      return Refuse(context, Strings().Get(str::kStudentSurnameTooShort));
    auto saved = editor.Save({});
    if (!saved) return Refuse(context, saved.error().text);
    if (*saved == records::SaveResult::kDropped) {
      return Refuse(context, Strings().Format(str::kCliStudentExists, {ListNameOf(editor.form())}) +
                                 "\n" + Strings().Get(str::kCliConfirmWithYes));
    }
    // The surname was checked above: nothing else leaves a student unsaved.
    if (*saved != records::SaveResult::kSaved)
      return Refuse(context, Strings().Get(str::kStudentSurnameTooShort));
    if (document.db().modified && !document.SaveCommand(/*from_menu=*/false)) return kExitFailed;
    const int now = document.db().FindRow(editor.id());
    *context.out << json{{"changed", json::array({StudentJson(document, now)})}}.dump(1) << '\n';
    return kExitDone;
  }

  static std::string ListNameOf(const records::PublisherForm& f) {
    return f.first.empty() ? f.last : f.last + ", " + f.first;
  }

  // The options given, typed into the form as the dialog would take them.
  int Fill(const CliContext& context, records::PublisherEditor& editor) {
    records::PublisherForm& f = editor.mutable_form();
    const std::tuple<const char*, const std::optional<std::string>*, std::string*, std::size_t, int>
        texts[] = {
            {"--first-name", &first_, &f.first, records::kNameLimit, str::kRecFirstName},
            {"--surname", &last_, &f.last, records::kNameLimit, str::kRecSurname},
            {"--address", &address_, &f.address, records::kAddressLimit, str::kRecAddress},
            {"--phone", &phone_, &f.home, records::kPhoneLimit, str::kRecHomePhone},
            {"--mobile", &mobile_, &f.mobile, records::kPhoneLimit, str::kRecMobilePhone},
            {"--work-phone", &work_, &f.work, records::kPhoneLimit, str::kRecWorkPhone},
            {"--email", &email_, &f.email, records::kEmailLimit, str::kRecEmail},
        };
    for (const auto& [option, given, field, limit, label] : texts) {
      if (!*given) continue;
      const platform::Converted ansi = platform::Utf8ToAnsi(**given);
      if (ansi.replaced)
        return Refuse(context, Strings().Format(str::kCliBadValue, {option, ansi.text}));
      if (ansi.text.size() > limit) {
        return Refuse(context, Strings().Format(str::kCliTextTooLong,
                                                {Strings().Get(label), std::to_string(limit)}));
      }
      *field = ansi.text;
    }
    // Typed names get the editor's capital letter and, together, its 23 characters.
    if (first_) editor.SetFirstName(f.first);
    if (last_) editor.SetSurname(f.last);
    editor.FinishNames();
    if (birth_) {
      const records::DateParts date = records::SplitDate(*birth_);
      const records::YearRange years = editor.years();
      const bool blank = birth_->empty();
      if (!blank && (birth_->size() != records::kDateLength || !date.complete() ||
                     date.year < years.first || date.year > years.last)) {
        return Refuse(context,
                      Strings().Format(str::kCliBadValue,
                                       {"--birth-date", platform::Utf8ToAnsi(*birth_).text}));
      }
      f.birth = blank ? records::DateParts{} : date;
    }
    if (gender_) {
      if (*gender_ != "male" && *gender_ != "female") {
        return Refuse(context, Strings().Format(str::kCliBadValue,
                                                {"--gender", platform::Utf8ToAnsi(*gender_).text}));
      }
      editor.Tick(*gender_ == "male" ? records::Box::kMale : records::Box::kFemale, true);
    }
    if (group_) {
      const auto g = NumberOption(context, "--group", *group_, 0, store::GroupTable::kMaxGroups);
      if (!g) return kExitRefused;
      f.group = static_cast<std::uint8_t>(*g);
    }
    if (conductor_) {
      const auto id = NumberOption(context, "--conductor", *conductor_, 0, 0xFFFF);
      if (!id) return kExitRefused;
      const auto conductor = static_cast<std::uint16_t>(*id);
      if (!records::ConductorAllowed(editor.doc().db(), conductor))
        return Refuse(context, Strings().Format(str::kCliNoSuchPublisher, {*conductor_}));
      editor.SetConductor(conductor);
    }
    return kExitDone;
  }

  CLI::App* add_ = nullptr;
  CLI::App* edit_ = nullptr;
  CLI::App* delete_ = nullptr;
  bool yes_ = false;
  std::optional<std::string> id_, first_, last_, address_, phone_, mobile_, work_, email_, birth_,
      gender_, group_, conductor_, password_;
};

}  // namespace

std::unique_ptr<CliCommand> MakeStudentCommand() {
  return std::make_unique<StudentCommand>();
}

}  // namespace ledra::cli
