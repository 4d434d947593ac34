#include "interchange/xml/xml_parser.h"

#include <cstring>
#include <string>
#include <vector>

#include "interchange/xml/xml_tag.h"

namespace ledra::xml {
namespace {

constexpr std::size_t npos = std::string_view::npos;

class Parser {
 public:
  Parser(std::string_view text, ElementTable& table, XmlLog& log)
      : text_(text), table_(table), log_(log) {}

  ParsedTree Run();

 private:
  // Each step handles the markup starting at the '<' at `at` and returns the
  // offset after it, or npos when the markup runs to the end of the text.
  std::size_t EndTag(std::size_t at);
  std::size_t StartTag(std::size_t at);
  std::size_t Exclamation(std::size_t at);
  std::size_t SkipTo(std::size_t at, std::string_view terminator, std::size_t from,
                     const char* kind);
  std::size_t DocumentType(std::size_t at);

  void Problem(const char* name, std::string_view subject, std::size_t offset);
  void Unterminated(const char* kind, std::size_t offset);
  void Close(ElementIndex index, std::size_t end, std::size_t end_tag_length);
  std::string_view NameOf(ElementIndex index) const {
    const ElementRecord& r = table_[index];
    return text_.substr(r.start + 1, r.name_length);
  }

  std::string_view text_;
  ElementTable& table_;
  XmlLog& log_;
  std::vector<ElementIndex> open_;
  ParsedTree tree_;
  bool depth_logged_ = false;
};

void Parser::Problem(const char* name, std::string_view subject, std::size_t offset) {
  const std::string where = std::to_string(offset);
  log_.Add(name, {{"text", subject}, {"offset", where}});
}

void Parser::Unterminated(const char* kind, std::size_t offset) {
  const std::string where = std::to_string(offset);
  log_.Add("unterminated_tag_syntax", {{"kind", kind}, {"offset", where}});
}

void Parser::Close(ElementIndex index, std::size_t end, std::size_t end_tag_length) {
  ElementRecord& r = table_[index];
  r.length = static_cast<std::uint32_t>(end - r.start);
  r.end_tag_length = static_cast<std::uint32_t>(end_tag_length);
}

std::size_t Parser::EndTag(std::size_t at) {
  const std::size_t gt = text_.find('>', at + 2);
  if (gt == npos) {
    Unterminated("end_tag", at);
    return npos;
  }
  const std::string_view name = text_.substr(at + 2, NameLength(text_.substr(at + 2, gt - at - 2)));
  for (std::size_t i = open_.size(); i-- > 0;) {
    if (NameOf(open_[i]) != name) continue;
    // Elements opened inside it and never ended close where it closes.
    for (std::size_t j = open_.size(); --j > i;) {
      Problem("unended_start_tag", NameOf(open_[j]), table_[open_[j]].start);
      Close(open_[j], at, 0);
    }
    Close(open_[i], gt + 1, gt + 1 - at);
    open_.resize(i);
    return gt + 1;
  }
  Problem("lone_end_tag", name, at);
  return gt + 1;
}

std::size_t Parser::StartTag(std::size_t at) {
  const std::size_t name_length = NameLength(text_.substr(at + 1));
  // The tag ends at the first '>' outside quotes.
  std::size_t i = at + 1 + name_length;
  const char* data = text_.data();
  const std::size_t n = text_.size();
  while (i < n) {
    const char c = data[i];
    if (c == '>') break;
    if (c == '"' || c == '\'') {
      const void* close = std::memchr(data + i + 1, c, n - i - 1);
      if (!close) {
        i = n;
        break;
      }
      i = static_cast<const char*>(close) - data;
    }
    ++i;
  }
  if (i >= n) {
    Unterminated("start_tag", at);
    return npos;
  }
  const std::size_t gt = i;
  if (open_.size() >= kMaxDepth) {
    if (!depth_logged_) Problem("depth_limit", text_.substr(at + 1, name_length), at);
    depth_logged_ = true;
    return gt + 1;
  }
  const ElementIndex parent = open_.empty() ? kNoElement : open_.back();
  const ElementIndex index = table_.Add();
  ElementRecord& r = table_[index];
  r.start = static_cast<std::uint32_t>(at);
  r.start_tag_length = static_cast<std::uint32_t>(gt + 1 - at);
  r.name_length = static_cast<std::uint32_t>(name_length);
  r.parent = parent;
  r.level = static_cast<std::uint16_t>(open_.size());
  r.empty_tag = gt > at + name_length && data[gt - 1] == '/';
  if (parent != kNoElement) {
    ElementRecord& p = table_[parent];
    r.previous = p.last_child;
    if (p.last_child != kNoElement) table_[p.last_child].next = index;
    if (p.first_child == kNoElement) p.first_child = index;
    p.last_child = index;
  } else {
    if (tree_.first_top != kNoElement) {
      Problem("root_has_sibling", text_.substr(at + 1, name_length), at);
      table_[tree_.last_top].next = index;
      r.previous = tree_.last_top;
    } else {
      tree_.first_top = index;
    }
    tree_.last_top = index;
  }
  if (r.empty_tag) {
    r.length = r.start_tag_length;
  } else {
    open_.push_back(index);
  }
  return gt + 1;
}

std::size_t Parser::SkipTo(std::size_t at, std::string_view terminator, std::size_t from,
                           const char* kind) {
  const std::size_t end = text_.find(terminator, from);
  if (end == npos) {
    Unterminated(kind, at);
    return npos;
  }
  return end + terminator.size();
}

std::size_t Parser::DocumentType(std::size_t at) {
  if (text_.substr(at, 9) != "<!DOCTYPE") Problem("doctype_tag_syntax", text_.substr(at, 9), at);
  // The internal subset in brackets may hold '>' of its own declarations.
  int depth = 0;
  char quote = 0;
  for (std::size_t i = at + 2; i < text_.size(); ++i) {
    const char c = text_[i];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '[') {
      ++depth;
    } else if (c == ']') {
      if (depth > 0) --depth;
    } else if (c == '>' && depth == 0) {
      return i + 1;
    }
  }
  Unterminated("document_type", at);
  return npos;
}

std::size_t Parser::Exclamation(std::size_t at) {
  const std::string_view rest = text_.substr(at);
  if (rest.starts_with("<!--")) return SkipTo(at, "-->", at + 4, "comment");
  if (rest.starts_with("<![CDATA[")) return SkipTo(at, "]]>", at + 9, "cdata_section");
  if (rest.size() > 2 && rest[2] == 'D') return DocumentType(at);
  if (rest.size() > 2 && rest[2] == '-') {
    Problem("comment_tag_syntax", rest.substr(0, 8), at);
  } else if (rest.size() > 2 && rest[2] == '[') {
    Problem("cdata_section_syntax", rest.substr(0, 12), at);
  } else {
    Problem("exclamation_tag_syntax", rest.substr(0, 8), at);
  }
  return SkipTo(at, ">", at + 2, "tag");
}

ParsedTree Parser::Run() {
  table_.Clear();
  const char* data = text_.data();
  const std::size_t n = text_.size();
  std::size_t pos = 0;
  while (pos < n) {
    const void* found = std::memchr(data + pos, '<', n - pos);
    if (!found) break;
    const std::size_t at = static_cast<const char*>(found) - data;
    if (at + 1 >= n) {
      Unterminated("tag", at);
      break;
    }
    const char c = data[at + 1];
    if (c == '/') {
      pos = EndTag(at);
    } else if (c == '?') {
      pos = SkipTo(at, "?>", at + 2, "processing_instruction");
    } else if (c == '!') {
      pos = Exclamation(at);
    } else if (IsNameStart(c)) {
      pos = StartTag(at);
    } else {
      Problem("first_tag_syntax", text_.substr(at, 8), at);
      pos = at + 1;
    }
  }
  // Elements still open end where the text ends.
  for (std::size_t j = open_.size(); j-- > 0;) {
    Problem("unended_start_tag", NameOf(open_[j]), table_[open_[j]].start);
    Close(open_[j], n, 0);
  }
  if (tree_.first_top == kNoElement) log_.Add("no_root_element");
  return tree_;
}

}  // namespace

ParsedTree ParseElements(std::string_view text, ElementTable& table, XmlLog& log) {
  return Parser(text, table, log).Run();
}

}  // namespace ledra::xml
