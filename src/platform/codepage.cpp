#include "platform/codepage.h"

#include <iconv.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <vector>

#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "platform/windows1252.h"

namespace ledra::platform {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

std::string IconvName(std::string_view name) {
  std::string upper(name);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (upper == "ANSI" || upper == "CP1252" || upper == "WINDOWS1252") return "WINDOWS-1252";
  return upper;
}

bool IsCp1252(const std::string& iconv_name) {
  return iconv_name == "WINDOWS-1252";
}

bool IsCp1252Hole(uint32_t v) {
  return v == 0x81 || v == 0x8D || v == 0x8F || v == 0x90 || v == 0x9D;
}

// Owns one iconv descriptor.
class Iconv {
 public:
  Iconv(const std::string& to, const std::string& from)
      : cd_(iconv_open(to.c_str(), from.c_str())) {}
  ~Iconv() {
    if (ok()) iconv_close(cd_);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return cd_; }

 private:
  iconv_t cd_;
};

// Decodes `input` into code points; undecodable bytes become U+FFFD.
std::u32string Decode(std::string_view input, const std::string& from, Iconv& cd, bool& replaced) {
  std::u32string out;
  out.reserve(input.size());
  char* in = const_cast<char*>(input.data());
  size_t in_left = input.size();
  std::vector<char32_t> buffer(4096);
  while (in_left > 0) {
    char* dst = reinterpret_cast<char*>(buffer.data());
    size_t dst_left = buffer.size() * sizeof(char32_t);
    const size_t rc = iconv(cd.get(), &in, &in_left, &dst, &dst_left);
    const size_t produced = (buffer.size() * sizeof(char32_t) - dst_left) / sizeof(char32_t);
    out.append(buffer.data(), produced);
    if (rc != static_cast<size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    // An invalid or incomplete sequence: one byte is consumed.
    const auto byte = static_cast<unsigned char>(*in);
    if (IsCp1252(from) && IsCp1252Hole(byte)) {
      out.push_back(byte);
    } else {
      out.push_back(kReplacement);
      replaced = true;
    }
    ++in;
    --in_left;
    iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
  }
  return out;
}

// Encodes code points; characters the target cannot hold become '?'.
std::string Encode(const std::u32string& text, const std::string& to, Iconv& cd, bool& replaced) {
  std::string out;
  out.reserve(text.size());
  std::vector<char> buffer(16384);
  auto run = [&](const char32_t* begin, size_t count) -> size_t {
    char* in = reinterpret_cast<char*>(const_cast<char32_t*>(begin));
    size_t in_left = count * sizeof(char32_t);
    while (in_left > 0) {
      char* dst = buffer.data();
      size_t dst_left = buffer.size();
      const size_t rc = iconv(cd.get(), &in, &in_left, &dst, &dst_left);
      out.append(buffer.data(), buffer.size() - dst_left);
      if (rc == static_cast<size_t>(-1) && errno != E2BIG) break;
    }
    return count - in_left / sizeof(char32_t);
  };
  const char32_t question = U'?';
  size_t pos = 0;
  while (pos < text.size()) {
    pos += run(text.data() + pos, text.size() - pos);
    if (pos >= text.size()) break;
    const char32_t c = text[pos];
    if (IsCp1252(to) && IsCp1252Hole(c)) {
      out.push_back(static_cast<char>(c));
    } else {
      run(&question, 1);
      replaced = true;
    }
    ++pos;
    iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
  }
  char* dst = buffer.data();
  size_t dst_left = buffer.size();
  iconv(cd.get(), nullptr, nullptr, &dst, &dst_left);  // flush shift state
  out.append(buffer.data(), buffer.size() - dst_left);
  return out;
}

}  // namespace

Result<Converted> ConvertText(std::string_view input, std::string_view from, std::string_view to) {
  const std::string from_name = IconvName(from);
  const std::string to_name = IconvName(to);
  Iconv decoder("UTF-32LE", from_name);
  Iconv encoder(to_name, "UTF-32LE");
  if (!decoder.ok() || !encoder.ok()) {
    const std::string bad(decoder.ok() ? to : from);
    return Message{str::kUnknownEncoding, Strings().Format(str::kUnknownEncoding, {bad})};
  }
  Converted result;
  const std::u32string points = Decode(input, from_name, decoder, result.replaced);
  result.text = Encode(points, to_name, encoder, result.replaced);
  return result;
}

std::string AnsiToUtf8(std::string_view ansi) {
  // Every Windows-1252 byte has a Unicode character, so this cannot fail.
  std::string out;
  out.reserve(ansi.size() + ansi.size() / 4);
  for (const char ch : ansi)
    AppendUtf8(out, Windows1252ToCodePoint(static_cast<unsigned char>(ch)));
  return out;
}

Converted Utf8ToAnsi(std::string_view utf8) {
  bool pure_ascii = std::all_of(utf8.begin(), utf8.end(),
                                [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (pure_ascii) return {std::string(utf8), false};
  auto converted = ConvertText(utf8, "UTF-8", kAnsiCodePage);
  return converted ? std::move(converted).value() : Converted{std::string(utf8), true};
}

bool IsValidUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    // Most of any text is ASCII: one byte, nothing to decode.
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    const auto c = DecodeUtf8(bytes, i);
    if (!c) return false;
    i += static_cast<std::size_t>(c->length);
  }
  return true;
}

bool IsKnownEncoding(std::string_view name) {
  Iconv cd("UTF-32LE", IconvName(name));
  return cd.ok();
}

}  // namespace ledra::platform
