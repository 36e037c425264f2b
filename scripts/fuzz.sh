#!/usr/bin/env bash
# Builds the libFuzzer targets with Clang under AddressSanitizer and
# UndefinedBehaviorSanitizer and runs each for a bounded time from its seed
# corpus. A finding (crash, leak, sanitizer report, timeout) fails the run and
# leaves the input in build/fuzz/findings/.
#   scripts/fuzz.sh [seconds per target]     (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
qt_major="${ORVA_QT_MAJOR:-5}"
build=build/fuzz

cmake -S . -B "$build" -G Ninja \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORVA_QT_MAJOR="$qt_major" -DORVA_BUILD_FUZZERS=ON \
  -DORVA_BUILD_TESTS=OFF -DORVA_BUILD_GALLERY=OFF -DORVA_BUILD_BENCHMARKS=OFF
cmake --build "$build" --target fuzz_layout_xml

mkdir -p "$build/findings" "$build/corpus/layout_xml"
# Qt's offscreen platform plug-in keeps a few allocations until exit.
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# New inputs go to the build tree; the seed corpus in fuzz/ stays as committed.
"$build/fuzz/fuzz_layout_xml" "$build/corpus/layout_xml" fuzz/corpus/layout_xml \
  -max_total_time="$seconds" -max_len=16384 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$build/findings/" -print_final_stats=1
