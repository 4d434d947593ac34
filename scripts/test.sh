#!/usr/bin/env bash
# Sets up a fresh machine, builds Ledra and runs every test: the full build
# (core and Qt tests, offscreen), then the core tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer. Exits non-zero on any failure.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"

"$top/scripts/build.sh" build -DCMAKE_BUILD_TYPE=RelWithDebInfo
(cd "$top/build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600)

"$top/scripts/build.sh" build-asan -DCMAKE_BUILD_TYPE=Debug -DLEDRA_WITH_QT=OFF -DLEDRA_SANITIZE=ON
(cd "$top/build-asan" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure --timeout 900 -L core)
echo "All tests passed."
