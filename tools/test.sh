#!/usr/bin/env bash
# Sets up, builds and runs every test. With --sanitize: the same under
# AddressSanitizer and UndefinedBehaviorSanitizer, in build-sanitize/.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
build=build
flags=()
if [[ "${1:-}" == "--sanitize" ]]; then
  build=build-sanitize
  flags=(-DDSL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
cmake -S . -B "$build" "${flags[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"
cd "$build" && ctest --output-on-failure -j"$(nproc)"
