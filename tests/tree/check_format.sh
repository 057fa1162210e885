#!/bin/sh
# Fails when a C++ file under the source, test, benchmark or fuzz folders differs from what
# the committed .clang-format makes of it.
set -eu
cd "$1"
find src tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 "$2" --dry-run --Werror
