#pragma once
// Golden traces: a drawing compared with its reference in tests/golden/.
// After an intended change, run the tests with LEDRA_UPDATE_GOLDEN=1 to write
// the references again, and review the difference before committing it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/files.h"
#include "support/temp_folder.h"

namespace ledra::test {

// Named by the build: __FILE__ is relative to the compiler's folder when
// ccache rewrites paths, and ctest runs the tests from another one.
inline const std::filesystem::path kGoldenFolder = LEDRA_GOLDEN_FOLDER;

inline void ExpectGoldenTrace(const std::string& name, const std::string& trace) {
  ASSERT_FALSE(trace.empty());
  const std::filesystem::path reference = kGoldenFolder / (name + ".trace");
  if (std::getenv("LEDRA_UPDATE_GOLDEN") != nullptr) {
    ledra::WriteFixture(reference, trace);
    GTEST_SKIP() << "reference written: " << reference;
  }
  const auto expected = platform::ReadFileIfPresent(reference);
  ASSERT_TRUE(expected.has_value())
      << "no reference " << reference << "; run with LEDRA_UPDATE_GOLDEN=1 to write it";
  EXPECT_EQ(trace, *expected) << "the drawing of " << name << " changed";
}

}  // namespace ledra::test
