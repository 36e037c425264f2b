#!/usr/bin/env bash
# Installs what is missing, then builds the toolkit against Qt 5.15 and Qt 6
# with AddressSanitizer and UndefinedBehaviorSanitizer (warnings are errors)
# and runs the whole test suite of both builds offscreen. Both must pass.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

# Line tables are all a sanitizer report needs; full debug information would
# multiply the size of the build trees several times over.
debug_flags=-DCMAKE_CXX_FLAGS_DEBUG=-g1

# Every installed header is compiled on its own in the Qt 5 build; the Qt 6
# build compiles them inside the library.
declare -A header_check=([asan]=ON [asan-qt6]=OFF)

status=0
for preset in asan asan-qt6; do
  echo "== $preset: configure and build"
  cmake --preset "$preset" -DORVA_WERROR=ON "$debug_flags" -DORVA_HEADER_CHECK="${header_check[$preset]}"
  cmake --build --preset "$preset"
  echo "== $preset: tests"
  ctest --preset "$preset" || status=1
  # A CI machine's disk holds one sanitizer build at a time.
  if [[ "${CI:-}" == "true" ]]; then rm -rf "build/$preset"; fi
done

# ---- Extra step: ThreadSanitizer over the worker-thread tests -------------
# A small separate build of just the tests whose filtering and paging run on
# a worker thread; suppressions (tests/sanitizers/tsan.supp) cover only
# reports lying entirely inside Qt.
echo "== tsan: configure, build and test the worker paths"
cmake --preset tsan -DORVA_WERROR=ON "$debug_flags"
cmake --build --preset tsan
ctest --preset tsan || status=1
if [[ "${CI:-}" == "true" ]]; then rm -rf build/tsan; fi
# ---- End of the ThreadSanitizer step ---------------------------------------

# ---- Fuzzing -------------------------------------------------------------
# The layout configuration readers take files people edit by hand: about
# half a minute of libFuzzer under AddressSanitizer from the seed corpus in
# fuzz/ (longer runs: scripts/fuzz.sh SECONDS).
echo "== fuzz: layout XML readers (30 s)"
bash scripts/fuzz.sh 30 || status=1
# ---- End of fuzzing ------------------------------------------------------

exit "$status"
