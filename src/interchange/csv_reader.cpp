#include "interchange/csv_reader.h"

#include <algorithm>

#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::interchange {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

Message Refusal(int id, std::initializer_list<std::string_view> args) {
  return Message{id, Strings().Format(id, args)};
}

// Text has no NUL and hardly any control characters; a spreadsheet never
// writes them, an image or a zip file is full of them.
bool LooksLikeText(std::string_view text) {
  std::size_t controls = 0;
  for (const char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (b == 0) return false;
    if (b < 0x20 && b != '\t' && b != '\r' && b != '\n' && b != '\f' && b != 0x1A) ++controls;
  }
  return controls * 64 <= text.size();
}

bool HasNonAscii(std::string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

char DetectSeparator(std::string_view first_line) {
  first_line = first_line.substr(0, first_line.find_first_of("\r\n"));
  if (std::count(first_line.begin(), first_line.end(), ';') >= 5) return ';';
  if (std::count(first_line.begin(), first_line.end(), '\t') >= 5) return '\t';
  return ',';
}

Result<std::string> CsvTextToAnsi(std::string_view bytes, std::string_view name_for_message) {
  const Message not_text = Refusal(str::kCsvNotText, {name_for_message});
  std::string text;
  if (bytes.starts_with(kUtf16LeBom) || bytes.starts_with(kUtf16BeBom)) {
    const bool little = bytes.starts_with(kUtf16LeBom);
    const auto converted =
        platform::ConvertText(bytes.substr(2), little ? "UTF-16LE" : "UTF-16BE", "WINDOWS-1252");
    if (!converted) return not_text;
    text = converted->text;
  } else {
    const bool bom = bytes.starts_with(kUtf8Bom);
    if (bom) bytes.remove_prefix(kUtf8Bom.size());
    if (!LooksLikeText(bytes)) return not_text;
    // Valid UTF-8 with letters beyond ASCII is what current spreadsheets
    // write; anything else is the old single-byte code page.
    if (HasNonAscii(bytes) && (bom || platform::IsValidUtf8(bytes)))
      text = platform::Utf8ToAnsi(bytes).text;
    else
      text = std::string(bytes);
  }
  if (!LooksLikeText(text)) return not_text;
  return text;
}

Result<CsvFile> SplitCsv(std::string_view text, char separator) {
  CsvFile out;
  out.separator = separator;
  CsvLine line;
  std::string field;
  int physical = 1, line_start = 1;
  bool field_start = true, pending = false;
  auto end_field = [&] {
    line.push_back(std::move(field));
    field.clear();
  };
  auto end_line = [&] {
    end_field();
    if (line.size() > 1 || !IsBlank(line.front())) {
      out.lines.push_back(std::move(line));
      out.file_lines.push_back(line_start);
    }
    line.clear();
    field_start = true;
    pending = false;
  };
  const std::size_t n = text.size();
  std::size_t i = 0;
  while (i < n) {
    pending = true;
    if (field_start) {
      field_start = false;
      std::size_t j = i;
      while (j < n && (text[j] == ' ' || (text[j] == '\t' && separator != '\t'))) ++j;
      if (j < n && text[j] == '"') {
        const int opened_on = physical;
        bool closed = false;
        for (i = j + 1; i < n;) {
          const char c = text[i];
          if (c == '"') {
            if (i + 1 < n && text[i + 1] == '"') {
              field += '"';
              i += 2;
              continue;
            }
            closed = true;
            ++i;
            break;
          }
          if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
            field += '\n';
            ++physical;
          } else {
            field += c;
          }
          ++i;
        }
        if (!closed) return Refusal(str::kCsvUnclosedQuote, {std::to_string(opened_on)});
        continue;
      }
    }
    const char c = text[i];
    if (c == separator) {
      end_field();
      field_start = true;
      ++i;
    } else if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
      ++i;
      end_line();
      line_start = ++physical;
    } else {
      field += c;
      ++i;
    }
  }
  if (pending) end_line();
  return out;
}

Result<CsvFile> ParseCsv(std::string_view bytes, std::string_view name_for_message) {
  if (bytes.size() > kMaxCsvBytes) return Refusal(str::kCsvTooLarge, {name_for_message});
  Result<std::string> text = CsvTextToAnsi(bytes, name_for_message);
  if (!text) return text.error();
  Result<CsvFile> file = SplitCsv(*text, DetectSeparator(*text));
  if (file && file->data_lines() > kMaxCsvDataLines)
    return Refusal(str::kCsvTooManyLines,
                   {std::to_string(file->data_lines()), std::to_string(kMaxCsvDataLines)});
  return file;
}

Result<CsvFile> ReadCsvFile(const platform::Path& path) {
  const std::string name = platform::PathForMessage(path);
  if (const auto size = platform::FileSize(path); size && *size > kMaxCsvBytes)
    return Refusal(str::kCsvTooLarge, {name});
  Result<std::string> bytes = platform::ReadFile(path);
  if (!bytes) return bytes.error();
  return ParseCsv(*bytes, name);
}

Status ValidateCsv(const CsvFile& file) {
  const std::string& invalid = Strings().Get(str::kCsvInvalid);
  if (file.lines.empty() || file.data_lines() == 0) return Message{str::kCsvInvalid, invalid};
  const CsvLine& header = file.lines.front();
  const std::size_t fields = header.size();
  // A header ended by a separator does not force one on every data line.
  const std::size_t fewest = fields > 1 && IsBlank(header.back()) ? fields - 1 : fields;
  if (fewest < 4) return Message{str::kCsvInvalid, invalid};
  for (std::size_t i = 1; i < file.lines.size(); ++i) {
    const std::size_t have = file.lines[i].size();
    if (have >= fewest && have <= fields + 1) continue;
    // Which line is wrong, so that it can be mended in the spreadsheet.
    return Message{
        str::kCsvInvalid,
        invalid + "\n\n" +
            Strings().Format(str::kCsvLineFields, {std::to_string(file.file_lines[i]),
                                                   std::to_string(have), std::to_string(fields)})};
  }
  return {};
}

}  // namespace ledra::interchange
