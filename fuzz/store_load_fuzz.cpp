// Loads a data folder whose files are cut from the fuzzer's bytes: the main
// file first, then the side files. Nothing may crash, hang or grow unbounded.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/prompter.h"
#include "store/document.h"

namespace {

const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "ledra-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    return std::filesystem::path(pattern);
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ledra;
  platform::SetDurableWrites(false);  // throw-away folders need no fsync
  const std::filesystem::path& folder = Folder();
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
    std::filesystem::remove_all(entry.path(), ec);

  // The first two bytes choose the split; the files share the rest.
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const char* names[] = {"tdat9.bin",   "tdat7.bin",   "bkstudy.dat", "tcard.dat", "tlt15.dat",
                         "varocfg.cfg", "remark9.dat", "xten7.dat",   "emerg.dat", "spneed.dat",
                         "tappt.dat",   "meetin9.dat", "tinac7.dat",  "oddmo7.dat"};
  std::size_t at = 0;
  for (const char* name : names) {
    if (at + 2 > bytes.size()) break;
    const std::size_t len =
        (static_cast<std::uint8_t>(bytes[at]) | (static_cast<std::uint8_t>(bytes[at + 1]) << 8)) *
        3u;
    at += 2;
    const std::string_view part = bytes.substr(at, len);
    at += part.size();
    (void)platform::WriteFileAtomic(folder / name, part);
  }

  FixedClock clock(Date{2026, 12, 8});
  ScriptedPrompter prompter;
  store::Document doc(folder, clock, prompter);
  store::OpenOptions options;
  options.check_password = [](const std::string&) { return true; };
  doc.Open(options);
  (void)doc.SaveAll();
  return 0;
}
