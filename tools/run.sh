#!/usr/bin/env bash
# Installs what is missing, builds, and runs QELVORN: the window program when
# a display exists, otherwise the batch runner on a bundled example.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/qelvorn ]; then
  exec build/qelvorn
fi
example=examples/pile-aashto-english.in
out="${TMPDIR:-/tmp}/qelvorn-example.out"
status=0
build/qelvorn-run --sections echo,abutment,sidewalls,quantities "$example" "$out" || status=$?
echo "No display: ran the batch runner on $example; the report is in $out"
exit $status
