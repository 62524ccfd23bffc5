#!/usr/bin/env bash
# Installs the Debian packages QELVORN needs, only those that are missing.
#
#   bash tools/install-deps.sh        what the build and every test need
#   bash tools/install-deps.sh run    only what building the programs needs
#
# As root the packages are installed with apt-get, as another user through
# sudo when sudo is there. When they cannot be installed, the missing
# packages are listed and the script ends with status 1, so the command that
# called it stops before a build that could not succeed.
set -euo pipefail
# nlohmann-json3-dev: the batch runner's JSON results.
run_needs=(cmake g++ make qt6-base-dev nlohmann-json3-dev)
# Tests: GoogleTest, a virtual display, pdftotext for the PDF export test;
# dpkg-dev and file for building the Debian package (dpkg-shlibdeps) and
# desktop-file-utils for checking its desktop entry.
test_needs=(libgtest-dev xvfb xauth poppler-utils dpkg-dev file desktop-file-utils)
case "${1:-test}" in
  run) need=("${run_needs[@]}") ;;
  test) need=("${run_needs[@]}" "${test_needs[@]}") ;;
  *) echo "usage: install-deps.sh [run|test]" >&2; exit 64 ;;
esac

missing=()
for pkg in "${need[@]}"; do
  # "ii": installed. A removed package whose configuration files remain is
  # still known to dpkg, so the status is checked, not just the name.
  [ "$(dpkg-query -W -f='${db:Status-Abbrev}' "$pkg" 2>/dev/null)" = "ii " ] || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

cannot_install() {
  echo "Missing Debian packages: ${missing[*]}" >&2
  echo "$1 Install them as root with" >&2
  echo "    apt-get install ${missing[*]}" >&2
  echo "and run this command again." >&2
  exit 1
}

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null 2>&1 || cannot_install "They cannot be installed by this user (no sudo)."
  # sudo asks for a password only where one can be typed.
  if ! sudo -n true 2>/dev/null && ! [ -t 0 ]; then
    cannot_install "sudo needs a password and there is no terminal to type it."
  fi
  as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq ||
  cannot_install "apt-get update failed."
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" ||
  cannot_install "apt-get install failed."
