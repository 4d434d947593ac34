#!/usr/bin/env bash
# Builds the .deb from a finished build folder, unpacks it into a scratch
# folder and runs the programs it holds.
# Usage: deb_package_test.sh CPACK BUILD_DIR VERSION
set -euo pipefail
cpack=$1
build=$2
version=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The package goes to the scratch folder, not the build folder.
if ! "$cpack" --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log" >&2
  fail "cpack could not build the package"
fi
debs=("$scratch"/out/ledra_"$version"_*.deb)
[ -f "${debs[0]}" ] || fail "no ledra_${version}_*.deb in $(ls "$scratch/out")"
deb=${debs[0]}

[ "$(dpkg-deb -f "$deb" Package)" = ledra ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
# The shared-library dependencies were found: Qt and the C++ runtime at least.
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libstdc++6; do
  [[ $depends == *"$lib"* ]] || fail "Depends lacks $lib: $depends"
done

contents=$(dpkg-deb -c "$deb")
for file in usr/bin/ledra usr/bin/ledra-cli \
  usr/share/applications/io.github.ledra.Ledra.desktop \
  usr/share/icons/hicolor/scalable/apps/ledra.svg \
  usr/share/metainfo/io.github.ledra.Ledra.metainfo.xml; do
  grep -q " \./$file\$" <<<"$contents" || fail "the package lacks /$file"
done

dpkg -x "$deb" "$scratch/root"
bin=$scratch/root/usr/bin
export QT_QPA_PLATFORM=offscreen
version_text=$("$bin/ledra" --version)
[ "$version_text" = "ledra $version" ] || fail "ledra --version said: $version_text"
"$bin/ledra-cli" demo "$scratch/data" --today 2026-12-08 --people 30 >/dev/null
info=$("$bin/ledra-cli" info --data "$scratch/data" --today 2026-12-08)
grep -Eq '^active: [1-9][0-9]*$' <<<"$info" || fail "ledra-cli info said: $info"
echo "ok: $(basename "$deb")"
