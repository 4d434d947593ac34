// Loads a data folder whose files are cut from the fuzzer's bytes: the main
// file first, then the side files. Nothing may crash, hang or grow unbounded.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_input.h"
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

// libFuzzer reads its flags after this call. Without a -max_len of the user's
// it would keep inputs to the largest seed (4 KB when there is none), so a
// full-capacity main file would never be tried: ask for room for one.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  for (int i = 1; i < *argc; ++i)
    if (std::string_view((*argv)[i]).starts_with("-max_len=")) return 0;
  static std::string max_len = "-max_len=" + std::to_string(ledra::fuzz::kMaxInput);
  static std::vector<char*> args;
  args.assign(*argv, *argv + *argc);
  args.push_back(max_len.data());
  args.push_back(nullptr);
  *argc += 1;
  *argv = args.data();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ledra;
  platform::SetDurableWrites(false);  // throw-away folders need no fsync
  const std::filesystem::path& folder = Folder();
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
    std::filesystem::remove_all(entry.path(), ec);

  // Length fields choose the split; the files share the rest.
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (const auto& [name, part] : fuzz::SplitInput(bytes))
    (void)platform::WriteFileAtomic(folder / name, part);

  FixedClock clock(Date{2026, 12, 8});
  ScriptedPrompter prompter;
  store::Document doc(folder, clock, prompter);
  store::OpenOptions options;
  options.check_password = [](const std::string&) { return true; };
  doc.Open(options);
  (void)doc.SaveAll();
  return 0;
}
