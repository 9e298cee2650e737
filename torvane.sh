#!/usr/bin/env bash
# Torvane's two commands:
#   ./torvane.sh play   installs what is needed, builds, makes the content and plays the show;
#                       without a display it renders the show to show/torvane.mp4 instead
#   ./torvane.sh test   installs what is needed, builds with sanitizers and runs every test
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc)

build() {  # build TYPE FOLDER [CMAKE OPTIONS...]
    local type=$1 folder=$2
    shift 2
    cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE="$type" "$@" >/dev/null
    cmake --build "$folder" -j "$jobs"
}

case "${1:-}" in
play)
    scripts/setup.sh
    build Release build/release -DTORVANE_TESTS=OFF
    build/release/torvane-data show
    cd show
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): rendering the show to a video."
        rm -rf capture
        ../build/release/torvane-capture --video capture
        mv capture/show.mp4 torvane.mp4
        rm -rf capture
        echo "The show is in $(pwd)/torvane.mp4"
        exit 0
    fi
    exec ../build/release/torvane
    ;;
test)
    scripts/setup.sh
    build Debug build/debug
    cd build/debug
    # The content matrix plays the whole show 72 times: too long for every run yet, so it
    # runs on its own with `ctest -L matrix`.
    ctest --output-on-failure -j "$jobs" -LE matrix
    ;;
*)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac
