#!/usr/bin/env bash
# Applies the house style (.clang-format) to every C++ file git tracks.
# With --check it changes nothing and lists the files that differ.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = --check ]; then
  clang-format --dry-run --Werror "${files[@]}"
else
  clang-format -i "${files[@]}"
fi
