#!/usr/bin/env bash
# Installs the Debian packages of the named sets, those not installed yet, with one update
# of the package lists (none when nothing is missing).
#   scripts/setup.sh SET...    build | test | windows | web
set -euo pipefail

declare -A sets
# Compilers, libraries, and the tools torvane-data makes the content with.
sets[build]="build-essential cmake ninja-build pkg-config
    libsdl2-dev libgl-dev libglu1-mesa-dev libgles-dev libgl1-mesa-dri libegl-mesa0
    libjpeg62-turbo-dev libpng-dev libfreetype-dev fonts-dejavu-core
    libopenmpt-dev libmpg123-dev libassimp-dev assimp-utils
    espeak-ng lame ffmpeg"
# The tests, the sanitizers' and the fuzzers' clang, and the lint checks.
sets[test]="libgtest-dev xvfb xdotool python3 git clang libclang-rt-14-dev clang-format"
# The cross compiler, the source packages of the libraries, the zip; wine to test it.
sets[windows]="g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    mingw-w64-tools zip dpkg-dev wine xvfb xdotool unzip"
# The web build and the browser its tests drive.
sets[web]="emscripten dpkg-dev chromium chromium-driver python3-selenium"

if [ $# -eq 0 ]; then
    echo "usage: $0 build|test|windows|web ..." >&2
    exit 2
fi
missing=()
for set in "$@"; do
    if [ -z "${sets[$set]:-}" ]; then
        echo "setup.sh: no package set '$set' (build, test, windows, web)" >&2
        exit 2
    fi
    for package in ${sets[$set]}; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
# A package in two sets is asked for once.
mapfile -t missing < <(printf '%s\n' "${missing[@]}" | sort -u)
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
