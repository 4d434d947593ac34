#pragma once
// Windows-style INI files as the profile functions treat them: "[section]"
// lines, "key=value" lines, names matched without regard to case, values as
// text or decimal integers with defaults. The file is kept in the ANSI code
// page with CRLF line ends, and rewriting one key keeps every other line.

#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "platform/result.h"

namespace ledra::platform {

class IniFile {
 public:
  // A missing, unreadable or damaged file gives an empty document (all defaults).
  static IniFile Load(const Path& path);
  static IniFile Parse(std::string_view bytes);

  // Section, key and value texts are ANSI.
  std::string GetString(std::string_view section, std::string_view key,
                        std::string_view fallback) const;
  int GetInt(std::string_view section, std::string_view key, int fallback) const;
  bool Has(std::string_view section, std::string_view key) const;

  void SetString(std::string_view section, std::string_view key, std::string_view value);
  void SetInt(std::string_view section, std::string_view key, int value);
  void RemoveKey(std::string_view section, std::string_view key);

  std::string Serialize() const;
  // Writes the file atomically; a failure leaves the old file as it was.
  Status Save(const Path& path) const;

 private:
  struct Line {
    std::string text;  // without the line end
  };
  // Index of the section's header line, or -1.
  int FindSection(std::string_view section) const;
  // Index of the key's line inside the section starting at `header`, or -1.
  int FindKey(int header, std::string_view key) const;

  std::vector<Line> lines_;
};

// Case-insensitive equality of two ANSI texts (Windows-1252 letters included).
bool EqualsNoCaseAnsi(std::string_view a, std::string_view b);

}  // namespace ledra::platform
