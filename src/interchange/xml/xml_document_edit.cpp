// Building a document: new elements and attributes are written into the
// text and the element records are patched in place, touching only the
// records that lie after the change.

#include <string>

#include "interchange/xml/xml_document.h"
#include "interchange/xml/xml_escape.h"
#include "interchange/xml/xml_parser.h"
#include "interchange/xml/xml_tag.h"

namespace ledra::xml {
namespace {

// Offsets are 32-bit; a document stays well below that.
constexpr std::size_t kMaxText = std::size_t{1} << 30;

std::string LineBreak(std::size_t level) {
  std::string out = "\r\n";
  out.append(level, '\t');
  return out;
}

std::string EndTag(std::string_view name) {
  std::string out = "</";
  out.append(name);
  out.push_back('>');
  return out;
}

}  // namespace

void XmlDocument::ShiftSubtree(ElementIndex root, std::int64_t delta) {
  auto move = [&](ElementIndex i) {
    elements_[i].start = static_cast<std::uint32_t>(elements_[i].start + delta);
  };
  move(root);
  ElementIndex i = elements_[root].first_child;
  while (i != kNoElement) {
    move(i);
    if (elements_[i].first_child != kNoElement) {
      i = elements_[i].first_child;
      continue;
    }
    while (i != root && elements_[i].next == kNoElement) i = elements_[i].parent;
    if (i == root) break;
    i = elements_[i].next;
  }
}

void XmlDocument::Splice(ElementIndex owner, std::size_t at, std::size_t erase,
                         std::string_view insert) {
  text_.replace(at, erase, insert);
  const auto delta = static_cast<std::int64_t>(insert.size()) - static_cast<std::int64_t>(erase);
  if (delta == 0) return;
  // The owner's children at or after the change move with it.
  for (ElementIndex c = owner ? elements_[owner].last_child : last_top_;
       c != kNoElement && elements_[c].start >= at; c = elements_[c].previous) {
    ShiftSubtree(c, delta);
  }
  if (owner == kNoElement) return;
  auto grow = [delta](std::uint32_t& value) { value = static_cast<std::uint32_t>(value + delta); };
  if (at < elements_[owner].content_start()) grow(elements_[owner].start_tag_length);
  // The owner and its ancestors grow; whatever follows each of them moves.
  for (ElementIndex n = owner; n != kNoElement; n = elements_[n].parent) {
    grow(elements_[n].length);
    for (ElementIndex s = elements_[n].next; s != kNoElement; s = elements_[s].next) {
      ShiftSubtree(s, delta);
    }
  }
}

void XmlDocument::OpenEmptyTag(ElementIndex index) {
  const std::string name(NameOf(index));
  const std::size_t slash = elements_[index].content_start() - 2;  // the "/>"
  std::string replacement = ">";
  replacement += EndTag(name);
  Splice(index, slash, 2, replacement);
  ElementRecord& r = elements_[index];
  r.start_tag_length = static_cast<std::uint32_t>(slash + 1 - r.start);
  r.end_tag_length = static_cast<std::uint32_t>(name.size() + 3);
  r.empty_tag = false;
}

void XmlDocument::LinkAfter(ElementIndex index, ElementIndex previous, ElementIndex parent) {
  ElementIndex& last = parent ? elements_[parent].last_child : last_top_;
  ElementIndex& first = parent ? elements_[parent].first_child : first_top_;
  const ElementIndex next = previous ? elements_[previous].next : first;
  elements_[index].previous = previous;
  elements_[index].next = next;
  if (previous) {
    elements_[previous].next = index;
  } else {
    first = index;
  }
  if (next) {
    elements_[next].previous = index;
  } else {
    last = index;
  }
}

bool XmlDocument::AppendElement(std::string_view name, std::string_view text, unsigned flags) {
  if (!IsValidName(name) || text_.size() + text.size() * 6 + name.size() * 2 > kMaxText) {
    return false;
  }
  const bool as_child = (flags & kAppendAsChild) && main_ != kNoElement;
  const ElementIndex after = as_child ? kNoElement : main_;
  const ElementIndex parent = as_child ? main_ : (main_ ? elements_[main_].parent : parent_);
  const std::size_t level = parent ? elements_[parent].level + 1u : 0u;
  if (level >= kMaxDepth) return false;

  std::string body = "<";
  body.append(name);
  std::size_t start_tag_length = 0;
  if (text.empty()) {
    body += "/>";
    start_tag_length = body.size();
  } else {
    body += ">";
    start_tag_length = body.size();
    body += (flags & kAppendCData) ? CDataSection(text)
                                   : EscapeText(text, (flags & kAppendKeepReferences) != 0);
    body += EndTag(name);
  }

  // Place it after the main element, else after the parent's last child,
  // else as the parent's first content.
  ElementIndex previous = after ? after : (parent ? elements_[parent].last_child : last_top_);
  std::size_t at = 0;
  std::string prefix;
  std::string suffix;
  if (previous) {
    // What follows an element that never ended would land inside it.
    if (!elements_[previous].empty_tag && elements_[previous].end_tag_length == 0) {
      const std::string end_tag = EndTag(NameOf(previous));
      Splice(previous, elements_[previous].end(), 0, end_tag);
      elements_[previous].end_tag_length = static_cast<std::uint32_t>(end_tag.size());
    }
    at = elements_[previous].end();
    prefix = LineBreak(level);
  } else if (parent) {
    if (elements_[parent].empty_tag) OpenEmptyTag(parent);
    at = elements_[parent].content_end();
    prefix = LineBreak(level);
    if (elements_[parent].end_tag_length > 0) suffix = LineBreak(level - 1);
  } else {
    at = text_.size();
    if (!text_.empty()) prefix = "\r\n";
  }
  Splice(parent, at, 0, prefix + body + suffix);

  const ElementIndex index = elements_.Add();
  ElementRecord& r = elements_[index];
  r.start = static_cast<std::uint32_t>(at + prefix.size());
  r.start_tag_length = static_cast<std::uint32_t>(start_tag_length);
  r.length = static_cast<std::uint32_t>(body.size());
  r.name_length = static_cast<std::uint32_t>(name.size());
  r.end_tag_length = text.empty() ? 0 : static_cast<std::uint32_t>(name.size() + 3);
  r.empty_tag = text.empty();
  r.parent = parent;
  r.level = static_cast<std::uint16_t>(level);
  LinkAfter(index, previous, parent);
  if (as_child) {
    child_ = index;
  } else {
    parent_ = parent;
    main_ = index;
    child_ = kNoElement;
  }
  return true;
}

bool XmlDocument::AppendElement(std::string_view name, long long number, unsigned flags) {
  return AppendElement(name, std::string_view(std::to_string(number)), flags);
}

bool XmlDocument::SetAttribute(std::string_view name, std::string_view value) {
  if (main_ == kNoElement || !IsValidName(name) || text_.size() + value.size() * 6 > kMaxText) {
    return false;
  }
  const ElementRecord& r = elements_[main_];
  const std::string_view tag = std::string_view(text_).substr(r.start, r.start_tag_length);
  const std::string attribute = std::string(name) + "=\"" + EscapeAttribute(value) + "\"";
  const std::size_t tag_start = r.start;
  if (const auto span = FindAttribute(tag, name)) {
    Splice(main_, tag_start + span->begin, span->end - span->begin, attribute);
  } else {
    Splice(main_, tag_start + AttributeInsertPoint(tag), 0, " " + attribute);
  }
  return true;
}

bool XmlDocument::SetAttribute(std::string_view name, long long number) {
  return SetAttribute(name, std::to_string(number));
}

}  // namespace ledra::xml
