#!/usr/bin/env bash
# Sets up a fresh machine, builds Ledra and opens it. Arguments go to ledra
# (for example --data DIR).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
"$top/scripts/build.sh" build -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec "$top/build/src/ledra" "$@"
