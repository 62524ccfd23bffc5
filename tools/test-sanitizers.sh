#!/usr/bin/env bash
# Builds the core, the batch runner and the core tests with AddressSanitizer
# and UndefinedBehaviorSanitizer (gcc) in build-asan/ and runs the tests.
# Any finding ends the test program with an error. The window program and
# its tests are left out here: Qt itself is not instrumented, and the window
# code only forwards to the core that these tests cover.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
flags="-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQELVORN_WITH_UI=OFF \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-asan -j"$(nproc)"
cd build-asan
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --output-on-failure -j"$(nproc)"
