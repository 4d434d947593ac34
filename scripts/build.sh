#!/usr/bin/env bash
# Configures and builds one build folder: build.sh DIR [cmake options...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=$1
shift
generator=()
if command -v ninja >/dev/null 2>&1; then generator=(-G Ninja); fi
if [ ! -f "$top/$dir/CMakeCache.txt" ]; then
  cmake -S "$top" -B "$top/$dir" "${generator[@]}" "$@"
else
  cmake "$top/$dir" "$@" >/dev/null
fi
cmake --build "$top/$dir" --parallel "$(nproc)"
