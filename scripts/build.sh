#!/usr/bin/env bash
# Configures and builds the plug-in for every target:
#   build/native        libStats.so with the tests and tools
#   build/native-asan   the same with AddressSanitizer and UBSan
#   build/mingw-x86_64  Stats.dll (64-bit) with the Windows test programs
#   build/mingw-i686    Stats.dll (32-bit), the product
# Usage: scripts/build.sh [native|native-asan|mingw-x86_64|mingw-i686 ...]  (default: all)
set -euo pipefail
cd "$(dirname "$0")/.."

configure() {
  local name=$1; shift
  if [ ! -f "build/$name/build.ninja" ]; then
    cmake -S . -B "build/$name" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  fi
}

targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(native native-asan mingw-x86_64 mingw-i686)
for t in "${targets[@]}"; do
  case "$t" in
    native) configure native ;;
    native-asan) configure native-asan -DSTATS_SANITIZE=ON ;;
    mingw-x86_64) configure mingw-x86_64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-x86_64.cmake ;;
    mingw-i686) configure mingw-i686 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake \
                  -DSTATS_TESTS=OFF ;;
    *) echo "unknown target: $t" >&2; exit 2 ;;
  esac
  echo "== building $t"
  # Progress lines are dropped; warnings and errors stay.
  cmake --build "build/$t" | { grep -Ev '^\[[0-9]+/[0-9]+\] ' || true; }
done
ln -sf build/native/compile_commands.json compile_commands.json 2>/dev/null || true
