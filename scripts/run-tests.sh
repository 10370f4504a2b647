#!/usr/bin/env bash
# Sets everything up and runs every test: the SQLite suites and, against a throwaway
# PostgreSQL cluster on 127.0.0.1, the PostgreSQL suites.
# Usage: scripts/run-tests.sh [--sanitize]   (--sanitize: AddressSanitizer + UBSan build)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build"
opts=()
if [ "${1:-}" = "--sanitize" ]; then
  build="$here/build-asan"
  opts=(-DTOLMO_SANITIZE=ON -DTOLMO_BUILD_BENCH=OFF)
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  # The hostile sweep takes every seventh string there: the full list runs in the plain build.
  export TOLMO_SWEEP_PASSO=7
fi
"$here/scripts/setup.sh" "$build" "${opts[@]}"
export QT_QPA_PLATFORM=offscreen
# The test lists are made when ctest runs and cached; the PostgreSQL cases exist only when
# a server is configured, so list again now that one is.
find "$build" -name '*\[1\]_tests.cmake' -delete
"$here/scripts/with-test-postgres.sh" ctest --test-dir "$build" --output-on-failure -j 2
# What the hostile sweep walked through, on each engine.
grep -h '^\[ sweep' "$build/Testing/Temporary/LastTest.log" || true
