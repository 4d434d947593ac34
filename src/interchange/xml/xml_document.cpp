#include "interchange/xml/xml_document.h"

#include "interchange/xml/xml_escape.h"
#include "interchange/xml/xml_parser.h"
#include "interchange/xml/xml_tag.h"

namespace ledra::xml {
namespace {

constexpr std::size_t npos = std::string_view::npos;

bool IsBlank(std::string_view text) {
  for (const char c : text) {
    if (!IsSpace(c)) return false;
  }
  return true;
}

bool StartsMarkup(std::string_view text, std::size_t lt) {
  if (lt + 1 >= text.size()) return false;
  const char c = text[lt + 1];
  return c == '/' || c == '?' || c == '!' || IsNameStart(c);
}

// Appends the text of one stretch of content between child elements:
// character data decoded, CDATA sections as they are, comments, processing
// instructions and stray tags left out. Blank runs between markup are layout.
void AppendContent(std::string_view content, std::string& out) {
  std::size_t p = 0;
  while (p < content.size()) {
    std::size_t lt = content.find('<', p);
    while (lt != npos && !StartsMarkup(content, lt)) lt = content.find('<', lt + 1);
    const std::string_view piece = content.substr(p, lt == npos ? npos : lt - p);
    if (!IsBlank(piece)) AppendDecoded(piece, out);
    if (lt == npos) return;
    const std::string_view rest = content.substr(lt);
    std::size_t end = npos;
    if (rest.starts_with("<![CDATA[")) {
      end = content.find("]]>", lt + 9);
      out.append(content.substr(lt + 9, end == npos ? npos : end - lt - 9));
      if (end != npos) end += 3;
    } else if (rest.starts_with("<!--")) {
      end = content.find("-->", lt + 4);
      if (end != npos) end += 3;
    } else {
      end = content.find('>', lt);
      if (end != npos) end += 1;
    }
    if (end == npos) return;
    p = end;
  }
}

}  // namespace

XmlDocument::XmlDocument() = default;

void XmlDocument::SetText(std::string_view ansi) {
  log_.Clear();
  text_.assign(ansi);
  Parse();
}

void XmlDocument::Parse() {
  const ParsedTree tree = ParseElements(text_, elements_, log_);
  first_top_ = tree.first_top;
  last_top_ = tree.last_top;
  ResetCursor();
}

void XmlDocument::SetByteOrderMark(bool on) {
  if (on) {
    flags_ |= kFlagByteOrderMark;
  } else {
    flags_ &= ~static_cast<std::uint32_t>(kFlagByteOrderMark);
  }
}

void XmlDocument::ResetCursor() {
  parent_ = main_ = child_ = kNoElement;
}

std::string_view XmlDocument::NameOf(ElementIndex index) const {
  if (index == kNoElement) return {};
  const ElementRecord& r = elements_[index];
  return std::string_view(text_).substr(r.start + 1, r.name_length);
}

ElementIndex XmlDocument::FirstChildOf(ElementIndex parent) const {
  return parent == kNoElement ? first_top_ : elements_[parent].first_child;
}

ElementIndex XmlDocument::FindFrom(ElementIndex from, std::string_view name) const {
  for (ElementIndex i = from; i != kNoElement; i = elements_[i].next) {
    if (name.empty() || NameOf(i) == name) return i;
  }
  return kNoElement;
}

bool XmlDocument::FindNextSibling(std::string_view name) {
  const ElementIndex start = main_ ? elements_[main_].next : FirstChildOf(parent_);
  const ElementIndex found = FindFrom(start, name);
  if (found == kNoElement) return false;
  main_ = found;
  child_ = kNoElement;
  return true;
}

bool XmlDocument::FindNextChild(std::string_view name) {
  if (main_ == kNoElement && !FindNextSibling()) return false;
  const ElementIndex start = child_ ? elements_[child_].next : elements_[main_].first_child;
  const ElementIndex found = FindFrom(start, name);
  if (found == kNoElement) return false;
  child_ = found;
  return true;
}

bool XmlDocument::Descend() {
  if (child_ == kNoElement) return false;
  parent_ = main_;
  main_ = child_;
  child_ = kNoElement;
  return true;
}

bool XmlDocument::Ascend() {
  if (parent_ == kNoElement) return false;
  child_ = main_;
  main_ = parent_;
  parent_ = elements_[main_].parent;
  return true;
}

std::string XmlDocument::TextOf(ElementIndex index) const {
  std::string out;
  if (index == kNoElement) return out;
  const ElementRecord& r = elements_[index];
  const std::string_view text(text_);
  std::size_t from = r.content_start();
  for (ElementIndex c = r.first_child; c != kNoElement; c = elements_[c].next) {
    const ElementRecord& child = elements_[c];
    AppendContent(text.substr(from, child.start - from), out);
    from = child.end();
  }
  if (r.content_end() > from) AppendContent(text.substr(from, r.content_end() - from), out);
  return out;
}

std::string XmlDocument::AttributeOf(ElementIndex index, std::string_view name) const {
  if (index == kNoElement) return {};
  const ElementRecord& r = elements_[index];
  const std::string_view tag = std::string_view(text_).substr(r.start, r.start_tag_length);
  const auto span = FindAttribute(tag, name);
  if (!span) return {};
  return DecodeReferences(tag.substr(span->value_begin, span->value_end - span->value_begin));
}

}  // namespace ledra::xml
