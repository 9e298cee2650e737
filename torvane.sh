#!/usr/bin/env bash
# Torvane's commands:
#   ./torvane.sh play   installs what is needed, builds, makes the content and plays the show;
#                       without a display it renders the show to show/torvane.mp4 instead
#   ./torvane.sh test   installs what is needed, builds with sanitizers and runs every test
#   ./torvane.sh windows  installs what is needed, cross-builds the Windows programs and
#                       packs dist/torvane-windows.zip
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc)

build() {  # build TYPE FOLDER [CMAKE OPTIONS...]
    local type=$1 folder=$2
    shift 2
    cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE="$type" "$@" >/dev/null
    cmake --build "$folder" -j "$jobs"
}

# DLLs a Windows program imports that are not part of Windows: from the dependency prefix
# or the cross compiler's runtime. The static build normally needs none.
bundled_dlls() {  # bundled_dlls EXE PREFIX
    local dll found
    for dll in $(x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'); do
        found=$(find "$2/bin" /usr/x86_64-w64-mingw32/lib /usr/lib/gcc/x86_64-w64-mingw32/*-posix \
            -maxdepth 1 -iname "$dll" 2>/dev/null | head -n 1)
        if [ -n "$found" ]; then echo "$found"; fi
    done
}

# The zip a Windows user unpacks: the programs and the show's files in one folder.
package_windows() {  # package_windows BUILD PREFIX
    local folder=$1/package/torvane-windows program
    rm -rf "$1/package"
    build/release/torvane-data "$folder" >/dev/null
    for program in torvane torvane-record torvane-capture; do
        cp "$1/$program.exe" "$folder/"
        bundled_dlls "$1/$program.exe" "$2" | xargs -r cp -t "$folder/"
    done
    cat >"$folder/README.txt" <<'EOF'
Torvane: a small real-time OpenGL engine and the presentation that runs on it.

Double-click torvane.exe to play the show (about five and a half minutes; Esc ends it).
It reads Data\ and Campath1.vcp from this folder, optionally Torvane.cfg, and writes
Torvan.log here.

torvane-record.exe   the same show with a free camera and the console; writes Campath1.vcp.
torvane-capture.exe  renders the show offline into PNG frames and a WAV soundtrack, e.g.
                     torvane-capture.exe --size 640x480 --fps 25 frames
                     With ffmpeg.exe on the PATH, --video writes frames\show.mp4 instead;
                     --help lists every option.
EOF
    mkdir -p dist
    rm -f dist/torvane-windows.zip
    (cd "$1/package" && zip -qr -9 ../../../dist/torvane-windows.zip torvane-windows)
    echo "dist/torvane-windows.zip: $(du -h dist/torvane-windows.zip | cut -f1)"
}

case "${1:-}" in
play)
    scripts/setup.sh build
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
    scripts/setup.sh build test
    build Debug build/debug
    cd build/debug
    ctest --output-on-failure -j "$jobs"
    ;;
windows)
    scripts/setup.sh build windows
    build Release build/release -DTORVANE_TESTS=OFF
    prefix=$(scripts/windows-deps.sh | tail -n 1)
    build Release build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
        -DTORVANE_WINDOWS_PREFIX="$prefix"
    package_windows build/windows "$prefix"
    ;;
*)
    echo "usage: $0 play|test|windows" >&2
    exit 2
    ;;
esac
