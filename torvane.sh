#!/usr/bin/env bash
# Torvane's commands:
#   ./torvane.sh play   installs what is needed, builds, makes the content and plays the show;
#                       without a display it renders the show to show/torvane.mp4 instead
#   ./torvane.sh test   installs what is needed, builds with sanitizers and runs every test
#   ./torvane.sh windows  installs what is needed, cross-builds the Windows programs and
#                       packs dist/torvane-windows.zip
#   ./torvane.sh web    installs what is needed, builds the browser version into dist/torvane-web;
#                       ./torvane.sh web --show FOLDER  packs that show folder instead of the
#                       default show; ./torvane.sh web serve  serves it on a local port
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

# The default show's data for the page, written again only when torvane-data has changed.
web_content() {  # web_content FOLDER
    if [ ! -f "$1.made" ] || [ build/release/torvane-data -nt "$1.made" ]; then
        rm -rf "$1"
        build/release/torvane-data "$1" >/dev/null
        touch "$1.made"
    fi
}

# A show folder the user made (their models, camera path, music), checked as a show needs
# it before anything is built; its absolute path.
show_folder() {  # show_folder FOLDER
    local missing=()
    if [ -z "$1" ] || [ ! -d "$1" ]; then
        echo "--show needs a show folder; '$1' is not a folder." >&2
        return 2
    fi
    [ -d "$1/Data" ] || missing+=("Data/")
    [ -f "$1/Campath1.vcp" ] || missing+=("Campath1.vcp")
    if [ ${#missing[@]} -gt 0 ]; then
        echo "$1 is not a show folder: it has no ${missing[0]}${missing[1]:+ nor ${missing[1]}} (build/release/torvane-data FOLDER writes one to start from)." >&2
        return 1
    fi
    readlink -f "$1"
}

# The page's folder (dist/torvane-web, or TORVANE_WEB_DIST): index.html, the program
# (torvane.js, torvane.wasm) and the show folder packed as torvane.data with its loader
# torvane.data.js. Made beside it and moved into place once complete.
package_web() {  # package_web BUILD SHOW_FOLDER
    local folder=${TORVANE_WEB_DIST:-dist/torvane-web} emroot
    emroot=$(dirname "$(readlink -f "$(command -v emcc)")")
    rm -rf "$folder.partial"
    mkdir -p "$folder.partial"
    cp web/index.html "$1/torvane.js" "$1/torvane.wasm" "$folder.partial/"
    (cd "$folder.partial" && python3 "$emroot/tools/file_packager.py" torvane.data \
        --preload "$2@/" --exclude Torvan.log --js-output=torvane.data.js 2>&1 >/dev/null |
        grep -v -- '-sFORCE_FILESYSTEM' >&2 || true)
    rm -rf "$folder"
    mv "$folder.partial" "$folder"
    echo "$folder: $(du -sh "$folder" | cut -f1) ($(cd "$folder" && ls | tr '\n' ' '))"
}

serve_web() {
    local folder=dist/torvane-web port
    [ -f "$folder/torvane.wasm" ] || { echo "No $folder yet: run $0 web first." >&2; exit 1; }
    port=${TORVANE_WEB_PORT:-$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')}
    echo "The show is at http://127.0.0.1:$port/ (Ctrl+C stops the server)"
    exec python3 -m http.server --bind 127.0.0.1 --directory "$folder" "$port"
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
web)
    if [ "${2:-}" = serve ]; then
        serve_web
    fi
    content=""
    if [ "${2:-}" = --show ]; then
        content=$(show_folder "${3:-}")
    elif [ -n "${2:-}" ]; then
        echo "usage: $0 web [--show FOLDER | serve]" >&2
        exit 2
    fi
    scripts/setup.sh build web
    # emcc's optimizer needs acorn, which Debian installs for its own Node.js only.
    export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
    build Release build/release -DTORVANE_TESTS=OFF
    prefix=$(scripts/web-deps.sh | tail -n 1)
    if [ -z "$content" ]; then
        web_content build/web-show
        content=$PWD/build/web-show
    fi
    toolchain=$(dirname "$(readlink -f "$(command -v emcc)")")/cmake/Modules/Platform/Emscripten.cmake
    build Release build/web -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DTORVANE_WEB_PREFIX="$prefix"
    package_web build/web "$content"
    ;;
*)
    echo "usage: $0 play|test|windows|web [--show FOLDER | serve]" >&2
    exit 2
    ;;
esac
