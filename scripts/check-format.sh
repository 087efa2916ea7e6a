#!/usr/bin/env bash
# Fails when a C or C++ file of the project is not laid out as clang-format
# (the repository's .clang-format) lays it out: run `clang-format -i` on the
# files it names. Tables stay hand-aligned inside clang-format off blocks.
set -euo pipefail
cd "$(dirname "$0")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files '*.c' '*.h' '*.cpp')
else
  mapfile -t files < <(find src tests bench -name '*.c' -o -name '*.h' -o -name '*.cpp')
fi
clang-format --dry-run -Werror "${files[@]}"
echo "check-format: ${#files[@]} files laid out as .clang-format says"
