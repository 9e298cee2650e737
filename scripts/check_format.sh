#!/usr/bin/env bash
# Checks every C++ source against .clang-format: the files git tracks, or in a tree outside
# git every .cpp and .h but the build folders'. Exits 77 (skipped) without clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null; then
    echo "clang-format is missing (scripts/setup.sh test installs it): formatting not checked"
    exit 77
fi
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z '*.cpp' '*.h'
else
    find . -type d \( -name 'build*' -o -path './.*' \) -prune -o \( -name '*.cpp' -o -name '*.h' \) -print0
fi | xargs -0 clang-format --dry-run -Werror
