#include "reports/emergency_forms.h"

#include <algorithm>

#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "reports/roster_lists.h"

namespace ledra::reports {
namespace {

constexpr int kMemberLines = 6;  // writing lines under the household

std::vector<FormField> Fields() {
  return {{str::kFormMembers, {}}, {str::kFormHome, {}},    {str::kFormWork, {}},
          {str::kFormMobile, {}},  {str::kFormAddress, {}}, {str::kFormEmail, {}},
          {str::kFormContact, {}}, {str::kFormNeeds, {}}};
}

}  // namespace

EmergencyForm BlankEmergencyForm() {
  return {{}, {}, Fields()};
}

EmergencyForm EmergencyFormFor(const store::CongregationDatabase& db, int row, bool surname_first) {
  const store::PublisherRecord& p = db.row(row);
  EmergencyForm form{db.DisplayName(row, surname_first), {}, Fields()};
  std::vector<std::string> members;
  std::string needs = store::NeedOf(db, p);
  if (p.id() != 0) {
    for (int r = 1; r < db.count(); ++r) {
      if (r == row || db.row(r).household() != p.id()) continue;
      members.push_back(db.DisplayName(r, surname_first));
      const std::string need = store::NeedOf(db, db.row(r));
      if (!need.empty()) needs += (needs.empty() ? "" : "; ") + need;
    }
  }
  const bool head = (p.attribute_flags() & store::attr::kHeadOfFamily) != 0;
  if (head) form.mark = Strings().Get(str::kFormHead);
  if (members.empty() && p.household() == 0) form.mark = Strings().Get(str::kFormAlone);
  form.fields[0].values = members;
  form.fields[1].values = {p.Text(store::field::kPhone)};
  form.fields[2].values = {p.Text(store::field::kPhone3)};
  form.fields[3].values = {p.Text(store::field::kPhone2)};
  form.fields[4].values = {p.Text(store::field::kAddr)};
  form.fields[5].values = {EmailOf(db, p)};
  if (const store::EmergencyContact* c = EmergencyContactOf(db, p)) {
    std::string text = c->name();
    for (const std::string& part : {c->info(), c->home(), c->mobile(), c->work()})
      if (!part.empty()) text += (text.empty() ? "" : ", ") + part;
    form.fields[6].values = {text};
  }
  form.fields[7].values = {needs};
  return form;
}

int DrawEmergencyForms(ReportFrame& frame, const store::CongregationDatabase& db, int kind, int) {
  Canvas& c = frame.canvas();
  std::vector<EmergencyForm> forms;
  if (kind == kEmergencyFormFilled) {
    for (std::uint16_t id : frame.env().chosen_ids)
      if (const int row = db.FindRow(id); row != 0)
        forms.push_back(EmergencyFormFor(db, row, frame.env().options.surname_first));
  }
  if (forms.empty()) forms.push_back(BlankEmergencyForm());
  const PageFrame pf = frame.ListFrame();
  const std::string title = frame.Title(Strings().Get(str::kEmergencyTitle));
  const int right = pf.Stop(7);
  for (std::size_t page = 0; page < forms.size(); ++page) {
    const EmergencyForm& form = forms[page];
    const int p = static_cast<int>(page);
    frame.DrawHeader(pf, p, title, form.name);
    int line = 2;
    if (!form.mark.empty()) {
      c.Text(pf.Stop(0), pf.LineTop(p, line), form.mark);
      ++line;
    }
    for (const FormField& field : form.fields) {
      ++line;
      frame.Use(FontRole::kHeading);
      c.Text(pf.Stop(0), pf.LineTop(p, line), Strings().Get(field.label));
      frame.Use(FontRole::kText);
      ++line;
      // What is on file, each on a ruled line, and room to write more.
      const int lines = field.label == str::kFormMembers
                            ? std::max<int>(kMemberLines, static_cast<int>(field.values.size()))
                            : 1;
      for (int i = 0; i < lines; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (at < field.values.size() && !field.values[at].empty())
          c.Text(pf.Stop(1, 5), pf.LineTop(p, line), field.values[at]);
        const int rule = pf.LineTop(p, line + 1) - 1;
        c.Line(pf.Stop(1, 5), rule, right, rule, 1);
        ++line;
      }
    }
  }
  return static_cast<int>(forms.size());
}

}  // namespace ledra::reports
