#!/usr/bin/env bash
# Sets up, builds and runs the installer on its example bundle.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)"
echo "The wizard and the example bundle arrive with the next step of the work;"
echo "for now the build and the tests are what runs: tools/test.sh"
