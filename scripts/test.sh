#!/usr/bin/env bash
# Sets up, builds every preset and runs every test: the native unit tests and
# the end-to-end tests of the win64 program folder under Wine. Exits non-zero
# on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
echo "== layout (clang-format)"
./scripts/check-format.sh
./scripts/build.sh native native-asan win64 win32

echo "== unit tests (native)"
ctest --preset native
echo "== unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
ctest --preset native-asan
echo "== end-to-end tests (win64 under Wine)"
ctest --preset win64
echo "== all tests passed"
