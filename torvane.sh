#!/usr/bin/env bash
# Torvane's two commands:
#   ./torvane.sh play   installs what is needed, builds, makes the content and plays the show
#   ./torvane.sh test   installs what is needed, builds with sanitizers and runs every test
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc)

build() {  # build TYPE FOLDER
    cmake -S . -B "$2" -G Ninja -DCMAKE_BUILD_TYPE="$1" >/dev/null
    cmake --build "$2" -j "$jobs"
}

case "${1:-}" in
play)
    scripts/setup.sh
    build Release build/release
    mkdir -p show
    if [ -x build/release/torvane-data ]; then
        build/release/torvane-data show
    fi
    cd show
    exec ../build/release/torvane
    ;;
test)
    scripts/setup.sh
    build Debug build/debug
    cd build/debug
    ctest --output-on-failure -j "$jobs"
    ;;
*)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac
