#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each one.
# Usage: scripts/fuzz.sh [RUNS [TARGET...]]   (RUNS executions per target, 10 000 000 unless given;
#        the targets: date amount mask taxcode host_line, all unless named)
# FUZZ_SECONDS=N bounds each target to N seconds as well (CI runs them short).
# A crash, or a broken promise, stops the script; libFuzzer keeps the input (build-fuzz/crash-*).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-10000000}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(date amount mask taxcode host_line)
build="$here/build-fuzz"
if ! command -v clang++ >/dev/null || ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends clang libclang-rt-dev
fi
"$here/scripts/setup.sh" "$build" -DCMAKE_CXX_COMPILER=clang++ -DTOLMO_FUZZ=ON -DTOLMO_BUILD_GUI=OFF \
  -DTOLMO_BUILD_TESTS=OFF -DTOLMO_BUILD_BENCH=OFF
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  log="$build/fuzz_$target.log"
  mkdir -p "$corpus"
  cp -n "$here/fuzz/seeds/$target/"* "$corpus/" 2>/dev/null || true
  set +e
  (cd "$build" && "$build/bin/fuzz_$target" -runs="$runs" -max_total_time="${FUZZ_SECONDS:-0}" -max_len=256 \
     -print_final_stats=1 "$corpus" >"$log" 2>&1)
  rc=$?
  set -e
  executed=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  echo "fuzz_$target: $executed esecuzioni, uscita $rc"
  if [ "$rc" -ne 0 ]; then
    tail -40 "$log"
    exit "$rc"
  fi
done
echo "Fuzzing: nessun arresto."
