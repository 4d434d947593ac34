#include "interchange/xml/encoding_names.h"

#include <unordered_map>
#include <utility>

namespace ledra::xml {
namespace {

constexpr std::size_t kMaxNameLength = 100;

// The registered names and the usual aliases of each code page, lower case.
constexpr std::pair<std::string_view, int> kNames[] = {
    // Unicode
    {"utf-8", 65001},
    {"utf8", 65001},
    {"unicode-1-1-utf-8", 65001},
    {"unicode-2-0-utf-8", 65001},
    {"x-unicode20utf8", 65001},
    {"x-unicode2-0-utf-8", 65001},
    {"cp65001", 65001},
    {"csutf8", 65001},
    {"utf-7", 65000},
    {"utf7", 65000},
    {"unicode-1-1-utf-7", 65000},
    {"unicode-2-0-utf-7", 65000},
    {"x-unicode20utf7", 65000},
    {"x-unicode2-0-utf-7", 65000},
    {"cp65000", 65000},
    {"csutf7", 65000},
    {"utf-16", 1200},
    {"utf-16le", 1200},
    {"utf16", 1200},
    {"utf16le", 1200},
    {"ucs-2", 1200},
    {"ucs2", 1200},
    {"unicode", 1200},
    {"iso-10646-ucs-2", 1200},
    {"csunicode", 1200},
    {"cp1200", 1200},
    {"ucs-2le", 1200},
    {"utf-16be", 1201},
    {"utf16be", 1201},
    {"unicodefffe", 1201},
    {"unicodebig", 1201},
    {"cp1201", 1201},
    {"ucs-2be", 1201},
    // Windows
    {"windows-1252", 1252},
    {"cp1252", 1252},
    {"ms-ansi", 1252},
    {"x-cp1252", 1252},
    {"cswindows1252", 1252},
    {"windows-1250", 1250},
    {"cp1250", 1250},
    {"x-cp1250", 1250},
    {"cswindows1250", 1250},
    {"windows-1251", 1251},
    {"cp1251", 1251},
    {"x-cp1251", 1251},
    {"cswindows1251", 1251},
    {"windows-1253", 1253},
    {"cp1253", 1253},
    {"cswindows1253", 1253},
    {"windows-1254", 1254},
    {"cp1254", 1254},
    {"cswindows1254", 1254},
    {"windows-1255", 1255},
    {"cp1255", 1255},
    {"cswindows1255", 1255},
    {"windows-1256", 1256},
    {"cp1256", 1256},
    {"cswindows1256", 1256},
    {"windows-1257", 1257},
    {"cp1257", 1257},
    {"cswindows1257", 1257},
    {"windows-1258", 1258},
    {"cp1258", 1258},
    {"cswindows1258", 1258},
    {"windows-874", 874},
    {"cp874", 874},
    {"dos-874", 874},
    {"tis-620", 874},
    {"tis620", 874},
    {"iso-8859-11", 874},
    {"x-cp874", 874},
    // ISO 8859
    {"iso-8859-1", 28591},
    {"iso8859-1", 28591},
    {"iso_8859-1", 28591},
    {"iso_8859-1:1987", 28591},
    {"iso-ir-100", 28591},
    {"latin1", 28591},
    {"l1", 28591},
    {"ibm819", 28591},
    {"cp819", 28591},
    {"csisolatin1", 28591},
    {"iso88591", 28591},
    {"iso-8859-2", 28592},
    {"iso8859-2", 28592},
    {"iso_8859-2", 28592},
    {"iso_8859-2:1987", 28592},
    {"iso-ir-101", 28592},
    {"latin2", 28592},
    {"l2", 28592},
    {"csisolatin2", 28592},
    {"iso-8859-3", 28593},
    {"iso_8859-3", 28593},
    {"iso_8859-3:1988", 28593},
    {"iso-ir-109", 28593},
    {"latin3", 28593},
    {"l3", 28593},
    {"csisolatin3", 28593},
    {"iso-8859-4", 28594},
    {"iso_8859-4", 28594},
    {"iso_8859-4:1988", 28594},
    {"iso-ir-110", 28594},
    {"latin4", 28594},
    {"l4", 28594},
    {"csisolatin4", 28594},
    {"iso-8859-5", 28595},
    {"iso_8859-5", 28595},
    {"iso_8859-5:1988", 28595},
    {"iso-ir-144", 28595},
    {"cyrillic", 28595},
    {"csisolatincyrillic", 28595},
    {"iso-8859-6", 28596},
    {"iso_8859-6", 28596},
    {"iso_8859-6:1987", 28596},
    {"iso-ir-127", 28596},
    {"arabic", 28596},
    {"ecma-114", 28596},
    {"csisolatinarabic", 28596},
    {"asmo-708", 708},
    {"iso-8859-7", 28597},
    {"iso_8859-7", 28597},
    {"iso_8859-7:1987", 28597},
    {"iso-ir-126", 28597},
    {"greek", 28597},
    {"greek8", 28597},
    {"ecma-118", 28597},
    {"elot_928", 28597},
    {"csisolatingreek", 28597},
    {"iso-8859-8", 28598},
    {"iso_8859-8", 28598},
    {"iso_8859-8:1988", 28598},
    {"iso-ir-138", 28598},
    {"hebrew", 28598},
    {"csisolatinhebrew", 28598},
    {"visual", 28598},
    {"iso-8859-8-i", 38598},
    {"logical", 38598},
    {"iso-8859-9", 28599},
    {"iso_8859-9", 28599},
    {"iso_8859-9:1989", 28599},
    {"iso-ir-148", 28599},
    {"latin5", 28599},
    {"l5", 28599},
    {"csisolatin5", 28599},
    {"iso-8859-13", 28603},
    {"iso_8859-13", 28603},
    {"latin7", 28603},
    {"l7", 28603},
    {"iso-8859-15", 28605},
    {"iso8859-15", 28605},
    {"iso_8859-15", 28605},
    {"latin9", 28605},
    {"latin-9", 28605},
    {"l9", 28605},
    {"csisolatin9", 28605},
    // ASCII
    {"us-ascii", 20127},
    {"ascii", 20127},
    {"us", 20127},
    {"iso646-us", 20127},
    {"iso-ir-6", 20127},
    {"ansi_x3.4-1968", 20127},
    {"ansi_x3.4-1986", 20127},
    {"iso_646.irv:1991", 20127},
    {"cp367", 20127},
    {"ibm367", 20127},
    {"csascii", 20127},
    {"646", 20127},
    // East Asian
    {"shift_jis", 932},
    {"shift-jis", 932},
    {"sjis", 932},
    {"ms_kanji", 932},
    {"csshiftjis", 932},
    {"x-sjis", 932},
    {"x-ms-cp932", 932},
    {"cp932", 932},
    {"windows-31j", 932},
    {"gbk", 936},
    {"gb2312", 936},
    {"cp936", 936},
    {"ms936", 936},
    {"windows-936", 936},
    {"csgb2312", 936},
    {"gb_2312-80", 936},
    {"iso-ir-58", 936},
    {"chinese", 936},
    {"csiso58gb231280", 936},
    {"x-gbk", 936},
    {"big5", 950},
    {"big-5", 950},
    {"cn-big5", 950},
    {"csbig5", 950},
    {"x-x-big5", 950},
    {"cp950", 950},
    {"ks_c_5601-1987", 949},
    {"ks_c_5601-1989", 949},
    {"ks_c_5601", 949},
    {"ksc_5601", 949},
    {"ksc5601", 949},
    {"korean", 949},
    {"iso-ir-149", 949},
    {"csksc56011987", 949},
    {"cp949", 949},
    {"windows-949", 949},
    {"johab", 1361},
    {"euc-kr", 51949},
    {"cseuckr", 51949},
    {"euc-jp", 51932},
    {"x-euc-jp", 51932},
    {"x-euc", 51932},
    {"cseucpkdfmtjapanese", 51932},
    {"euc-cn", 51936},
    {"x-euc-cn", 51936},
    {"gb18030", 54936},
    {"hz-gb-2312", 52936},
    {"hz", 52936},
    {"iso-2022-jp", 50220},
    {"csiso2022jp", 50221},
    {"iso-2022-kr", 50225},
    {"csiso2022kr", 50225},
    // Cyrillic and Macintosh
    {"koi8-r", 20866},
    {"koi8", 20866},
    {"koi", 20866},
    {"cskoi8r", 20866},
    {"koi8-u", 21866},
    {"koi8-ru", 21866},
    {"macintosh", 10000},
    {"mac", 10000},
    {"x-mac-roman", 10000},
    {"csmacintosh", 10000},
    {"macroman", 10000},
    {"x-mac-cyrillic", 10007},
    {"maccyrillic", 10007},
    {"x-mac-ce", 10029},
    {"maccentraleurope", 10029},
    // DOS
    {"ibm437", 437},
    {"cp437", 437},
    {"437", 437},
    {"cspc8codepage437", 437},
    {"dos-720", 720},
    {"ibm737", 737},
    {"cp737", 737},
    {"ibm775", 775},
    {"cp775", 775},
    {"csibm775", 775},
    {"ibm850", 850},
    {"cp850", 850},
    {"850", 850},
    {"cspc850multilingual", 850},
    {"ibm852", 852},
    {"cp852", 852},
    {"852", 852},
    {"cspcp852", 852},
    {"ibm855", 855},
    {"cp855", 855},
    {"csibm855", 855},
    {"ibm857", 857},
    {"cp857", 857},
    {"csibm857", 857},
    {"ibm00858", 858},
    {"cp858", 858},
    {"ccsid00858", 858},
    {"cp00858", 858},
    {"ibm860", 860},
    {"cp860", 860},
    {"csibm860", 860},
    {"ibm861", 861},
    {"cp861", 861},
    {"cp-is", 861},
    {"csibm861", 861},
    {"ibm862", 862},
    {"cp862", 862},
    {"dos-862", 862},
    {"cspc862latinhebrew", 862},
    {"ibm863", 863},
    {"cp863", 863},
    {"csibm863", 863},
    {"ibm864", 864},
    {"cp864", 864},
    {"csibm864", 864},
    {"ibm865", 865},
    {"cp865", 865},
    {"csibm865", 865},
    {"ibm866", 866},
    {"cp866", 866},
    {"csibm866", 866},
    {"ibm869", 869},
    {"cp869", 869},
    {"cp-gr", 869},
    {"csibm869", 869},
    // EBCDIC
    {"ibm037", 37},
    {"cp037", 37},
    {"ebcdic-cp-us", 37},
    {"ebcdic-cp-ca", 37},
    {"ebcdic-cp-wt", 37},
    {"ebcdic-cp-nl", 37},
    {"csibm037", 37},
    {"ibm500", 500},
    {"cp500", 500},
    {"ebcdic-cp-be", 500},
    {"ebcdic-cp-ch", 500},
    {"csibm500", 500},
    {"ibm1026", 1026},
    {"cp1026", 1026},
    {"csibm1026", 1026},
    {"cp875", 875},
    {"ibm1047", 1047},
    {"ibm273", 20273},
    {"cp273", 20273},
    {"csibm273", 20273},
    {"ibm277", 20277},
    {"ebcdic-cp-dk", 20277},
    {"ebcdic-cp-no", 20277},
    {"csibm277", 20277},
    {"ibm278", 20278},
    {"cp278", 20278},
    {"ebcdic-cp-fi", 20278},
    {"ebcdic-cp-se", 20278},
    {"csibm278", 20278},
    {"ibm280", 20280},
    {"cp280", 20280},
    {"ebcdic-cp-it", 20280},
    {"csibm280", 20280},
    {"ibm284", 20284},
    {"cp284", 20284},
    {"ebcdic-cp-es", 20284},
    {"csibm284", 20284},
    {"ibm285", 20285},
    {"cp285", 20285},
    {"ebcdic-cp-gb", 20285},
    {"csibm285", 20285},
    {"ibm297", 20297},
    {"cp297", 20297},
    {"ebcdic-cp-fr", 20297},
    {"csibm297", 20297},
    {"ibm420", 20420},
    {"cp420", 20420},
    {"ebcdic-cp-ar1", 20420},
    {"ibm424", 20424},
    {"cp424", 20424},
    {"ebcdic-cp-he", 20424},
    {"csibm424", 20424},
    {"ibm871", 20871},
    {"cp871", 20871},
    {"ebcdic-cp-is", 20871},
    {"csibm871", 20871},
    {"ibm880", 20880},
    {"cp880", 20880},
    {"ebcdic-cyrillic", 20880},
    {"csibm880", 20880},
    // Indian scripts
    {"x-iscii-de", 57002},
    {"x-iscii-be", 57003},
    {"x-iscii-ta", 57004},
    {"x-iscii-te", 57005},
    {"x-iscii-as", 57006},
    {"x-iscii-or", 57007},
    {"x-iscii-ka", 57008},
    {"x-iscii-ma", 57009},
    {"x-iscii-gu", 57010},
    {"x-iscii-pa", 57011},
};

const std::unordered_map<std::string_view, int>& NameMap() {
  static const std::unordered_map<std::string_view, int> map(std::begin(kNames), std::end(kNames));
  return map;
}

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::optional<int> CodePageForName(std::string_view name) {
  if (name.empty()) return kCodePageAnsi;
  if (name.size() >= kMaxNameLength) return std::nullopt;
  std::string lower(name);
  for (char& c : lower) c = Lower(c);
  if (lower.starts_with("utf-32")) return kCodePageUtf32;
  const auto& map = NameMap();
  const auto it = map.find(lower);
  if (it == map.end()) return std::nullopt;
  return it->second;
}

std::string PlatformNameForCodePage(int code_page) {
  if (code_page >= 1250 && code_page <= 1258) return "WINDOWS-" + std::to_string(code_page);
  if (code_page >= 28591 && code_page <= 28599) {
    return "ISO-8859-" + std::to_string(code_page - 28590);
  }
  if (code_page >= 20273 && code_page <= 20880) return "IBM" + std::to_string(code_page - 20000);
  switch (code_page) {
    case 874:
      return "WINDOWS-874";
    case 28603:
      return "ISO-8859-13";
    case 28605:
      return "ISO-8859-15";
    case 38598:
      return "ISO-8859-8";
    case 708:
      return "ISO-8859-6";
    case 20127:
      return "ASCII";
    case 932:
      return "CP932";
    case 936:
      return "CP936";
    case 950:
      return "CP950";
    case 949:
      return "CP949";
    case 1361:
      return "JOHAB";
    case 20866:
      return "KOI8-R";
    case 21866:
      return "KOI8-U";
    case 51949:
      return "EUC-KR";
    case 51932:
      return "EUC-JP";
    case 51936:
      return "EUC-CN";
    case 54936:
      return "GB18030";
    case 50220:
    case 50221:
      return "ISO-2022-JP";
    case 50225:
      return "ISO-2022-KR";
    case 10000:
      return "MACINTOSH";
    case 10007:
      return "MAC-CYRILLIC";
    case 10029:
      return "MAC-CENTRALEUROPE";
    case 65000:
      return "UTF-7";
    case 65001:
      return "UTF-8";
    case 1200:
      return "UTF-16LE";
    case 1201:
      return "UTF-16BE";
    case 37:
      return "IBM037";
    case 500:
      return "IBM500";
    case 875:
      return "IBM875";
    case 1026:
      return "IBM1026";
    case 1047:
      return "IBM1047";
    case 437:
    case 737:
    case 775:
    case 850:
    case 852:
    case 855:
    case 857:
    case 858:
    case 860:
    case 861:
    case 862:
    case 863:
    case 864:
    case 865:
    case 866:
    case 869:
      return "CP" + std::to_string(code_page);
    default:
      return {};
  }
}

std::size_t EncodingNameCount() {
  return NameMap().size();
}

}  // namespace ledra::xml
