#!/usr/bin/env bash
# Sets up a fresh machine, builds Ledra and opens it. Arguments go to ledra
# (for example --data DIR). Without --data it opens a demonstration
# congregation, made once in the user's data folder.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
"$top/scripts/build.sh" build -DCMAKE_BUILD_TYPE=RelWithDebInfo

args=("$@")
if [[ " ${args[*]-} " != *" --data"* ]]; then
  demo="${XDG_DATA_HOME:-$HOME/.local/share}/ledra/demo"
  if [ ! -f "$demo/tdat9.bin" ]; then
    echo "Creating the demonstration congregation in $demo"
    "$top/build/src/ledra-cli" demo "$demo"
  fi
  args+=(--data "$demo")
fi
exec "$top/build/src/ledra" "${args[@]}"
