#!/usr/bin/env bash
# Builds the Debian package from the build folder (cpack -G DEB), unpacks it
# into a temporary root and checks it: the file list, the dependencies
# declared for every library the programs load, the desktop entry, and that
# the unpacked programs run: qelvorn-run on an installed example, the window
# program to a screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
rm -rf build/package
(cd build && cpack -G DEB -B "$PWD/package" >/dev/null)
debs=(build/package/qelvorn_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no single package in build/package" >&2; exit 1; }
deb=${debs[0]}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
fail=0
bad() { echo "FAIL: $*" >&2; fail=1; }

# Files: exactly these, plus the examples and the help file's figures.
expected=(
  usr/bin/qelvorn
  usr/bin/qelvorn-run
  usr/share/applications/qelvorn.desktop
  usr/share/doc/qelvorn/LICENSE
  usr/share/doc/qelvorn/README.md
  usr/share/icons/hicolor/scalable/apps/qelvorn.svg
  usr/share/mime/packages/qelvorn.xml
  usr/share/qelvorn/qelvorn.chm
)
for f in examples/*.in; do expected+=("usr/share/qelvorn/$f"); done
for f in docs/help-*.png; do expected+=("usr/share/qelvorn/${f#docs/}"); done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . -type f | sed 's|^\./||' | sort) ||
  bad "file list differs (< expected, > in the package)"
cmp -s docs/qelvorn-help.html "$root/usr/share/qelvorn/qelvorn.chm" || bad "help file differs from docs/qelvorn-help.html"

# Dependencies: the package that provides each library a program loads
# directly must be declared.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
declared=$(tr ',|' '\n\n' <<<"$depends" | sed 's/^ *//; s/[ (].*//')
for exe in "$root"/usr/bin/*; do
  for lib in $(objdump -p "$exe" | awk '$1 == "NEEDED" { print $2 }'); do
    path=$(ldd "$exe" | awk -v l="$lib" '$1 == l { print $3 }')
    [ -n "$path" ] || { bad "$(basename "$exe"): $lib not found"; continue; }
    pkg=$(dpkg -S "$path" 2>/dev/null || dpkg -S "$(readlink -f "$path")" 2>/dev/null || true)
    pkg=${pkg%%:*}
    [ -n "$pkg" ] || { bad "$(basename "$exe"): no package provides $path"; continue; }
    grep -qxF "$pkg" <<<"$declared" || bad "$(basename "$exe") needs $lib from $pkg, not declared"
  done
done

# Desktop entry: starts the installed program with the file it is given,
# names an icon and a file type the package provides.
desktop="$root/usr/share/applications/qelvorn.desktop"
grep -qx 'Exec=qelvorn %f' "$desktop" || bad "desktop entry: Exec is not 'qelvorn %f'"
grep -qx 'Icon=qelvorn' "$desktop" || bad "desktop entry: Icon is not qelvorn"
mime=$(sed -n 's/^MimeType=\([^;]*\);$/\1/p' "$desktop")
grep -q "type=\"$mime\"" "$root/usr/share/mime/packages/qelvorn.xml" || bad "desktop entry: file type $mime not defined"
if command -v desktop-file-validate >/dev/null 2>&1; then
  desktop-file-validate "$desktop" || bad "desktop entry does not validate"
fi

# The unpacked batch runner on an installed example.
out="$root/check.out"
example=$(ls "$root"/usr/share/qelvorn/examples/*.in | head -n 1)
if "$root/usr/bin/qelvorn-run" --summary "$example" "$out" >"$root/summary.txt"; then
  grep -q '^Total ' "$root/summary.txt" && grep -q 'OKAY' "$out" || bad "qelvorn-run: no summary or no checks in the report"
else
  bad "qelvorn-run from the package ended with status $?"
fi

# The unpacked window program starts (on a virtual display where there is
# one, so the desktop platform plugin is used) and draws its main window.
shot="$root/shot.png"
if command -v xvfb-run >/dev/null 2>&1; then
  xvfb-run -a "$root/usr/bin/qelvorn" --screenshot "$shot" || bad "qelvorn from the package did not start"
else
  QT_QPA_PLATFORM=offscreen "$root/usr/bin/qelvorn" --screenshot "$shot" || bad "qelvorn from the package did not start"
fi
[ -s "$shot" ] || bad "qelvorn from the package drew no window"

[ $fail -eq 0 ] || exit 1
echo "Package $deb: $(find "$root/usr" -type f | wc -l) files, programs run from it"
