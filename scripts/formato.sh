#!/usr/bin/env bash
# Applies .clang-format to every C++ file; with --controlla only checks and fails on a difference.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t FILE < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h')
if [ "${1:-}" = "--controlla" ]; then
  clang-format --dry-run -Werror "${FILE[@]}"
else
  clang-format -i "${FILE[@]}"
fi
