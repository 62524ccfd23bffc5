#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/ and runs each for a bounded time.
#
#   fuzz/run.sh [SECONDS] [TARGET...]
#
# SECONDS per target (default 60); TARGET among input_file, leading_number,
# run (default all three, one after the other). The seed corpus is made
# afresh from examples/ (each example and mutations of it) and from
# tests/regression/; what the fuzzer finds is kept in build-fuzz/corpus/,
# inputs that fail in build-fuzz/artifacts/. A run lasting more than 10 s is
# a hang. Exit status 1 when any target failed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(input_file leading_number run)

# clang and its runtime libraries (libFuzzer, sanitizers), when missing.
if ! command -v clang++ >/dev/null || ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends clang libclang-rt-dev
fi

build=build-fuzz
cmake -S fuzz -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"${JOBS:-1}" >/dev/null

# Seeds: each example, and mutations that reach the reader's and the
# sections' less travelled paths.
seeds=$build/seeds
rm -rf "$seeds"
mkdir -p "$seeds/project" "$seeds/number" "$build/artifacts"
for f in examples/*.in; do
  b=$seeds/project/$(basename "$f" .in)
  cp "$f" "$b.in"
  tr -d '\r' <"$f" >"$b-lf.in"                                     # LF line ends
  sed '1d' "$f" >"$b-untitled.in"                                  # no title line
  head -c "$(( $(wc -c <"$f") / 2 ))" "$f" >"$b-truncated.in"      # cut in half
  sed '2s/"pile"/"spread"/;t;2s/"spread"/"pile"/' "$f" >"$b-footing.in"
  for c in aashto arema lrfd s6; do
    sed "2s/\"\(aashto\|arema\|lrfd\|s6\)\"/\"$c\"/" "$f" >"$b-$c.in"
  done
  sed '2s/"english"/"metric"/;t;2s/"metric"/"english"/' "$f" >"$b-units.in"
  sed '2s/"haunch"/"nohaunch"/;t;2s/"nohaunch"/"haunch"/' "$f" >"$b-haunch.in"
  sed '12s/[0-9.]\+/0/g' "$f" >"$b-zero-geometry.in"
  sed '13s/[0-9.]\+/3E+38/g' "$f" >"$b-huge-geometry.in"
  sed '14s/^[0-9]\+/1/' "$f" >"$b-one-row.in"
done
cp tests/regression/* "$seeds/project/" 2>/dev/null || true
for t in 12 "1 500" -2.5e3 "&HFF" "&O17" 1D3 .975 12ft 1e39 "" -0 " +7.5E-3x" "1.2.3" "&H" 3.4028235E+38; do
  printf '%s' "$t" >"$seeds/number/$(printf '%s' "$t" | md5sum | cut -c1-12)"
done

status=0
for t in "${targets[@]}"; do
  case $t in
    leading_number) seed=$seeds/number; len=64 ;;
    input_file | run) seed=$seeds/project; len=16384 ;;
    *) echo "unknown target $t" >&2; exit 64 ;;
  esac
  corpus=$build/corpus/$t
  mkdir -p "$corpus"
  log=$build/$t.log
  echo "== $t: $seconds s (log $log)"
  if "$build/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len="$len" \
       -print_final_stats=1 -artifact_prefix="$build/artifacts/$t-" "$corpus" "$seed" >"$log" 2>&1; then
    grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
  else
    status=1
    echo "FAILED: see $log and $build/artifacts/" >&2
    grep -E 'ERROR|SUMMARY|Test unit written' "$log" >&2 || true
  fi
done
exit $status
