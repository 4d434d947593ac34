#pragma once
// A private folder for one test, removed with everything in it afterwards.

#include <filesystem>
#include <string>
#include <string_view>

namespace ledra {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Writes a file directly (no atomic machinery), for fixtures.
void WriteFixture(const std::filesystem::path& path, std::string_view bytes);

}  // namespace ledra
