#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine, only when
# something is missing (run as root).
set -euo pipefail
need=(cmake g++ make libgtest-dev qt6-base-dev xvfb xauth poppler-utils)
missing=()
for pkg in "${need[@]}"; do
  dpkg -s "$pkg" >/dev/null 2>&1 || missing+=("$pkg")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
