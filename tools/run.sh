#!/usr/bin/env bash
# Installs what is missing, builds the two programs (not the tests) and runs
# QELVORN: the window program when a display exists, otherwise the batch
# runner on a bundled example, with the summary of its checks.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh run
# A new build folder is set up without the tests (whose packages the run
# does not install); one the test command set up keeps them configured, so
# its test list stays that of its test programs. Either way only the
# programs are built here.
tests=()
[ -f build/CMakeCache.txt ] || tests=(-DQELVORN_TESTS=OFF)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${tests[@]}" >/dev/null
targets=(qelvorn-run)
# The window program's target exists only when Qt 6 was found.
[ -d build/CMakeFiles/qelvorn.dir ] && targets+=(qelvorn)
cmake --build build -j"$(nproc)" --target "${targets[@]}"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/qelvorn ]; then
  echo "Starting the window program. To start it again later: cd $PWD && build/qelvorn"
  exec build/qelvorn
fi
example=examples/pile-aashto-both-sidewalls-english.in
# In the user's own build folder: a fixed name in a shared temporary folder
# may belong to another user and cannot be overwritten.
out="$PWD/build/$(basename "$example" .in).out"
status=0
build/qelvorn-run --summary --sections echo,abutment,sidewalls,quantities "$example" "$out" || status=$?
echo
case $status in
  0) echo "No display: ran the batch runner on $example; the report is in $out" ;;
  2) echo "No display: the batch runner on $example stopped at a calculation error; the report up to it is in $out" ;;
  *) echo "No display: the batch runner on $example ended with status $status and wrote no report (see the messages above)" ;;
esac
if [ -x build/qelvorn ]; then
  echo "Where a display exists, start the window program with: cd $PWD && build/qelvorn"
fi
exit $status
