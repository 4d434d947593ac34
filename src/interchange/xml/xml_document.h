#pragma once
// A markup document held as one ANSI text with an index of its elements,
// walked with a small cursor and built element by element.
//
// The cursor has three positions: the parent, the main element and the
// main element's current child. All navigation moves these only.

#include <cstdint>
#include <string>
#include <string_view>

#include "interchange/xml/document_codec.h"
#include "interchange/xml/element_table.h"
#include "interchange/xml/xml_log.h"
#include "platform/files.h"
#include "platform/result.h"

namespace ledra::xml {

// Flags of AppendElement.
enum AppendFlag : unsigned {
  kAppendCData = 1,           // write the text as a CDATA section
  kAppendKeepReferences = 2,  // copy "&name;" and "&#...;" in the text as they are
  kAppendAsChild = 4,         // add as the main element's last child, at the child position
};

class XmlDocument {
 public:
  XmlDocument();

  // Reads, converts to ANSI and parses a file; fails only when the file
  // cannot be read. Parse problems are in log(). The cursor goes before the root.
  Status LoadFile(const platform::Path& path);
  // The same from bytes already read.
  void LoadBytes(std::string_view bytes);
  // Writes the text in the document's encoding (UTF-8 unless loaded otherwise).
  Status SaveFile(const platform::Path& path);
  std::string SaveBytes();

  // Replaces the document with an ANSI text and parses it.
  void SetText(std::string_view ansi);
  const std::string& text() const { return text_; }
  const XmlLog& log() const { return log_; }

  const std::string& encoding() const { return encoding_; }
  void SetEncoding(std::string_view name) { encoding_ = name; }
  std::uint32_t flags() const { return flags_; }
  // Whether saving writes the encoding's byte-order mark first.
  void SetByteOrderMark(bool on);

  void ResetCursor();
  // An empty name matches any element.
  bool FindNextSibling(std::string_view name = {});
  bool FindNextChild(std::string_view name = {});
  bool Descend();
  bool Ascend();

  std::string ElementText() const { return TextOf(main_); }
  std::string ChildText() const { return TextOf(child_); }
  std::string ElementAttribute(std::string_view name) const { return AttributeOf(main_, name); }
  std::string ChildAttribute(std::string_view name) const { return AttributeOf(child_, name); }
  std::string ElementName() const { return std::string(NameOf(main_)); }
  std::string ChildName() const { return std::string(NameOf(child_)); }

  // Adds an element after the main element (as the parent's last child when
  // there is no main position) and makes it the main element. With
  // kAppendAsChild it becomes the main element's last child and the child
  // position instead, which is how a nested document is built. False, and
  // nothing changes, when the name cannot be written as a name.
  bool AppendElement(std::string_view name, std::string_view text = {}, unsigned flags = 0);
  bool AppendElement(std::string_view name, long long number, unsigned flags = 0);
  // Sets or replaces an attribute of the main element; false without one.
  bool SetAttribute(std::string_view name, std::string_view value);
  bool SetAttribute(std::string_view name, long long number);

  std::size_t ElementCount() const { return elements_.size(); }

 private:
  void Parse();
  std::string_view NameOf(ElementIndex index) const;
  std::string TextOf(ElementIndex index) const;
  std::string AttributeOf(ElementIndex index, std::string_view name) const;
  ElementIndex FirstChildOf(ElementIndex parent) const;
  ElementIndex FindFrom(ElementIndex from, std::string_view name) const;

  // Editing: replaces `erase` bytes at `at` with `insert`, where `at` lies
  // inside `owner` (0: the top level) and outside its children's spans,
  // except that children starting at or after `at` move along.
  void Splice(ElementIndex owner, std::size_t at, std::size_t erase, std::string_view insert);
  void ShiftSubtree(ElementIndex index, std::int64_t delta);
  void OpenEmptyTag(ElementIndex index);
  void LinkAfter(ElementIndex index, ElementIndex previous, ElementIndex parent);

  std::string text_;
  ElementTable elements_;
  ElementIndex first_top_ = kNoElement;
  ElementIndex last_top_ = kNoElement;
  ElementIndex parent_ = kNoElement;
  ElementIndex main_ = kNoElement;
  ElementIndex child_ = kNoElement;
  std::string encoding_;
  std::uint32_t flags_ = 0;
  XmlLog log_;
};

}  // namespace ledra::xml
