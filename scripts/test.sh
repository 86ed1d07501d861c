#!/usr/bin/env bash
# Installs what is missing, builds every target and runs every test suite:
# native (plain and with sanitizers), the Windows suites under wine64 and Xvfb, and the
# checks of the 32-bit DLL. The last line is the overall count.
set -uo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh || exit 1
scripts/build.sh || exit 1

passed=0
failed=0
run_suite() {
  local name=$1; shift
  echo "== testing $name"
  local log
  log=$(mktemp)
  "$@" 2>&1 | tee "$log" | grep -E '(\*\*\*|tests passed|Not Run)' || true
  local p f
  p=$(grep -Eo '[0-9]+ tests failed out of [0-9]+' "$log" | awk '{print $6-$1}')
  f=$(grep -Eo '[0-9]+ tests failed out of' "$log" | awk '{print $1}')
  if [ -z "$p" ]; then
    echo "suite $name did not run:"; tail -20 "$log"; f=$((f + 1)); p=0
  fi
  if [ "${f:-1}" != 0 ]; then
    echo "-- output of $name (passing tests left out):"
    grep -Ev '^ *(Start +[0-9]+:|[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed)' "$log" | tail -200
  fi
  passed=$((passed + p)); failed=$((failed + ${f:-1}))
  rm -f "$log"
}

run_suite native ctest --test-dir build/native --output-on-failure -j2
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  run_suite native-asan ctest --test-dir build/native-asan --output-on-failure -j2
run_suite mingw-x86_64 xvfb-run -a ctest --test-dir build/mingw-x86_64 --output-on-failure
run_suite mingw-i686 ctest --test-dir build/mingw-i686 --output-on-failure

echo "== formatting"
if git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror 2>/dev/null; then
  passed=$((passed + 1))
else
  echo "clang-format: files need formatting (run: git ls-files '*.cpp' '*.h' | xargs clang-format -i)"
  failed=$((failed + 1))
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
