// Any bytes must load, walk, edit and save without a crash, a hang or
// unbounded memory.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "interchange/xml/xml_document.h"

namespace {

void Walk(ledra::xml::XmlDocument& doc) {
  int steps = 0;
  while (steps++ < 4096) {
    (void)doc.ElementText();
    (void)doc.ElementAttribute("id");
    if (doc.FindNextChild()) {
      (void)doc.ChildText();
      (void)doc.ChildAttribute("a");
      doc.Descend();
    } else if (!doc.FindNextSibling() && !doc.Ascend()) {
      break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ledra::xml::XmlDocument doc;
  doc.LoadBytes(bytes);
  Walk(doc);

  // The same bytes as ANSI text, then edits where the walk left the cursor
  // and on the first elements, checked against a fresh parse.
  ledra::xml::XmlDocument text;
  text.SetText(bytes);
  text.ResetCursor();
  text.FindNextChild();
  text.SetAttribute("id", bytes.substr(0, 8));
  text.AppendElement("n", bytes.substr(0, 16), ledra::xml::kAppendAsChild);
  text.Descend();
  text.AppendElement("m", 42);
  text.SetAttribute("k", "v");
  (void)text.SaveBytes();
  Walk(text);
  ledra::xml::XmlDocument reparsed;
  reparsed.SetText(text.text());
  Walk(reparsed);
  return 0;
}
