#include "interchange/export_lines.h"

#include <algorithm>

namespace ledra::interchange {
namespace {

std::string Flattened(std::string_view text) {
  std::string s(text);
  std::replace_if(
      s.begin(), s.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
  return s;
}

}  // namespace

void ExportLine::Next() {
  if (open_) text_ += separator_;
  open_ = true;
}

ExportLine& ExportLine::Quoted(std::string_view text) {
  Next();
  text_ += '"';
  for (const char c : text) {
    if (c == '\r' || c == '\n') {
      text_ += ' ';
      continue;
    }
    if (c == '"') text_ += '"';
    text_ += c;
  }
  text_ += '"';
  return *this;
}

ExportLine& ExportLine::Plain(std::string_view text) {
  Next();
  text_ += Flattened(text);
  return *this;
}

ExportLine& ExportLine::Field(std::string_view text) {
  if (text.find_first_of(std::string{separator_, '"', '\r', '\n'}) != std::string_view::npos)
    return Quoted(text);
  Next();
  text_ += text;
  return *this;
}

ExportLine& ExportLine::Number(long long value) {
  Next();
  text_ += std::to_string(value);
  return *this;
}

ExportLine& ExportLine::Label(std::string_view text) {
  Next();
  text_ += text;
  text_ += ' ';
  return *this;
}

std::string ExportLine::End(bool separator_after_last) {
  if (open_ && separator_after_last) text_ += separator_;
  text_ += "\r\n";
  open_ = false;
  std::string line = std::move(text_);
  text_.clear();
  return line;
}

}  // namespace ledra::interchange
