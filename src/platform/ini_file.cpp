#include "platform/ini_file.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace ledra::platform {
namespace {

unsigned char FoldAnsi(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  // Windows-1252 capitals À-Þ (without ×) and Š Œ Ž Ÿ.
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  if (c == 0x8A || c == 0x8C || c == 0x8E) return static_cast<unsigned char>(c + 16);
  if (c == 0x9F) return 0xFF;
  return c;
}

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// The section name of a "[name]" line, or nothing.
bool SectionName(std::string_view line, std::string_view& name) {
  line = Trim(line);
  if (line.size() < 2 || line.front() != '[') return false;
  const size_t close = line.find(']');
  if (close == std::string_view::npos) return false;
  name = Trim(line.substr(1, close - 1));
  return true;
}

bool KeyValue(std::string_view line, std::string_view& key, std::string_view& value) {
  const std::string_view trimmed = Trim(line);
  if (trimmed.empty() || trimmed.front() == ';') return false;
  const size_t eq = line.find('=');
  if (eq == std::string_view::npos) return false;
  key = Trim(line.substr(0, eq));
  value = Trim(line.substr(eq + 1));
  return !key.empty();
}

}  // namespace

bool EqualsNoCaseAnsi(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldAnsi(static_cast<unsigned char>(a[i])) != FoldAnsi(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

IniFile IniFile::Load(const Path& path) {
  auto bytes = ReadFileIfPresent(path);
  return bytes ? Parse(*bytes) : IniFile{};
}

IniFile IniFile::Parse(std::string_view bytes) {
  IniFile ini;
  while (!bytes.empty()) {
    const size_t eol = bytes.find('\n');
    std::string_view line = bytes.substr(0, eol);
    bytes = eol == std::string_view::npos ? std::string_view{} : bytes.substr(eol + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ini.lines_.push_back({std::string(line)});
  }
  return ini;
}

int IniFile::FindSection(std::string_view section) const {
  for (size_t i = 0; i < lines_.size(); ++i) {
    std::string_view name;
    if (SectionName(lines_[i].text, name) && EqualsNoCaseAnsi(name, section))
      return static_cast<int>(i);
  }
  return -1;
}

int IniFile::FindKey(int header, std::string_view key) const {
  for (size_t i = static_cast<size_t>(header) + 1; i < lines_.size(); ++i) {
    std::string_view name, k, v;
    if (SectionName(lines_[i].text, name)) break;
    if (KeyValue(lines_[i].text, k, v) && EqualsNoCaseAnsi(k, key)) return static_cast<int>(i);
  }
  return -1;
}

bool IniFile::Has(std::string_view section, std::string_view key) const {
  const int header = FindSection(section);
  return header >= 0 && FindKey(header, key) >= 0;
}

std::string IniFile::GetString(std::string_view section, std::string_view key,
                               std::string_view fallback) const {
  const int header = FindSection(section);
  const int at = header >= 0 ? FindKey(header, key) : -1;
  if (at < 0) return std::string(fallback);
  std::string_view k, value;
  KeyValue(lines_[static_cast<size_t>(at)].text, k, value);
  // A value in matching quotes loses them, as the profile functions do.
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return std::string(value);
}

int IniFile::GetInt(std::string_view section, std::string_view key, int fallback) const {
  if (!Has(section, key)) return fallback;
  const std::string text = GetString(section, key, "");
  // Leading decimal digits (with a sign) count; no digits gives 0.
  const char* begin = text.data();
  const char* end = begin + text.size();
  if (begin != end && *begin == '+') ++begin;
  long long value = 0;
  const auto [p, ec] = std::from_chars(begin, end, value);
  if (ec == std::errc::result_out_of_range) return value < 0 ? INT32_MIN : INT32_MAX;
  if (ec != std::errc{} || p == begin) return 0;
  return static_cast<int>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

void IniFile::SetString(std::string_view section, std::string_view key, std::string_view value) {
  std::string line;
  line.append(key).append("=").append(value);
  int header = FindSection(section);
  if (header < 0) {
    if (!lines_.empty() && !Trim(lines_.back().text).empty()) lines_.push_back({""});
    lines_.push_back({"[" + std::string(section) + "]"});
    lines_.push_back({line});
    return;
  }
  if (const int at = FindKey(header, key); at >= 0) {
    lines_[static_cast<size_t>(at)].text = line;
    return;
  }
  // After the section's last non-blank line.
  size_t insert = static_cast<size_t>(header) + 1;
  for (size_t i = insert; i < lines_.size(); ++i) {
    std::string_view name;
    if (SectionName(lines_[i].text, name)) break;
    if (!Trim(lines_[i].text).empty()) insert = i + 1;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert), {line});
}

void IniFile::SetInt(std::string_view section, std::string_view key, int value) {
  SetString(section, key, std::to_string(value));
}

void IniFile::RemoveKey(std::string_view section, std::string_view key) {
  const int header = FindSection(section);
  if (const int at = header >= 0 ? FindKey(header, key) : -1; at >= 0)
    lines_.erase(lines_.begin() + at);
}

std::string IniFile::Serialize() const {
  std::string out;
  for (const Line& line : lines_) out.append(line.text).append("\r\n");
  return out;
}

Status IniFile::Save(const Path& path) const {
  return WriteFileAtomic(path, Serialize());
}

}  // namespace ledra::platform
