#!/usr/bin/env bash
# Cross-builds the libraries the Windows programs link (SDL2, libjpeg-turbo, libpng, zlib,
# libopenmpt, mpg123) from Debian's source packages with mingw-w64, as static libraries,
# into a prefix named after their versions under ~/.cache/torvane-windows. A prefix that
# is already complete is reused. Prints the prefix on its last line of standard output.
set -euo pipefail

host=x86_64-w64-mingw32
cache=${TORVANE_WINDOWS_CACHE:-$HOME/.cache/torvane-windows}
jobs=${JOBS:-2}
sources=(zlib libpng1.6 libjpeg-turbo libsdl2 mpg123 libopenmpt)

say() { echo "windows-deps: $*" >&2; }
fail() {
    say "$*"
    exit 1
}

require_tools() {  # pairs of program and the Debian package that has it
    while [ $# -gt 0 ]; do
        command -v "$1" >/dev/null || fail "the program $1 is missing; install the Debian package $2"
        shift 2
    done
}
require_tools "$host-gcc-posix" gcc-mingw-w64-x86-64-posix "$host-g++-posix" g++-mingw-w64-x86-64-posix \
    "$host-windres" binutils-mingw-w64-x86-64 cmake cmake make make pkg-config pkg-config \
    dpkg-source dpkg-dev apt-get apt

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# apt-get source needs a deb-src line for the suite the machine runs.
enable_source_packages() {
    if apt-cache showsrc zlib 2>/dev/null | grep -q '^Version:'; then
        return
    fi
    local suite
    suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
    say "adding deb-src lines for $suite and updating the package lists"
    as_root tee /etc/apt/sources.list.d/torvane-deb-src.sources >/dev/null <<EOF
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $suite $suite-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    as_root apt-get update -qq
}

source_version() {  # the newest version of a source package the lists know
    apt-cache showsrc --only-source "$1" | sed -n 's/^Version: //p' | sort -V | tail -n 1
}

enable_source_packages
declare -A version
key=""
for source in "${sources[@]}"; do
    version[$source]=$(source_version "$source")
    [ -n "${version[$source]}" ] || fail "no source package $source in the package lists"
    upstream=${version[$source]#*:}
    upstream=${upstream%%[-+~]*}
    key+="${key:+_}$source-${upstream%.dfsg}"
done
prefix=$cache/$key
if [ -f "$prefix/complete" ]; then
    say "reusing $prefix"
    echo "$prefix"
    exit 0
fi

# Each library finished is marked in $prefix/built, so an interrupted run goes on from there.
work=$cache/work
rm -rf "$work"
mkdir -p "$work" "$prefix/logs" "$prefix/built"
export PKG_CONFIG_LIBDIR=$prefix/lib/pkgconfig
export PKG_CONFIG_PATH=
cross_cmake=(-G "Unix Makefiles" -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_C_COMPILER=$host-gcc-posix
    -DCMAKE_CXX_COMPILER=$host-g++-posix -DCMAKE_RC_COMPILER=$host-windres
    -DCMAKE_FIND_ROOT_PATH="$prefix" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_INSTALL_PREFIX="$prefix"
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF)
# Without debug information: the heavy C++ of libopenmpt builds far faster.
autotools=(--host=$host --prefix="$prefix" --disable-shared --enable-static
    CC=$host-gcc-posix CXX=$host-g++-posix CFLAGS=-O2 CXXFLAGS=-O2 CPPFLAGS=-I"$prefix/include"
    LDFLAGS=-L"$prefix/lib")

cmake_build() {  # cmake_build [OPTIONS...] in the unpacked source folder
    cmake -S . -B cross "${cross_cmake[@]}" "$@" && cmake --build cross -j "$jobs" &&
        cmake --install cross
}

# apt checks each file against the signed package lists; some mirrors lack the upstream
# signature (.asc) a source package names, which is why dpkg-source is told not to check.
unpack_source() {  # unpack_source NAME VERSION, in an empty folder
    apt-get source -qq --download-only --only-source "$1=$2" || true
    local dsc
    dsc=$(find . -maxdepth 1 -name '*.dsc' | head -n 1)
    [ -n "$dsc" ] || return 1
    dpkg-source --no-check -x "$dsc" source
}

autotools_build() {  # autotools_build [CONFIGURE OPTIONS...]
    ./configure "${autotools[@]}" "$@" && make -j "$jobs" && make install
}

build_zlib() {
    CHOST=$host CC=$host-gcc-posix AR=$host-ar RANLIB=$host-ranlib ./configure --static \
        --prefix="$prefix" && make -j "$jobs" libz.a && make install
}
build_libpng1.6() { cmake_build -DPNG_SHARED=OFF -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF; }
build_libjpeg-turbo() {
    cmake_build -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF -DCMAKE_SYSTEM_PROCESSOR=AMD64
}
build_libsdl2() {
    cmake_build -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_TESTS=OFF
}
build_mpg123() {
    autotools_build --with-cpu=x86-64 --disable-modules --with-audio=dummy --disable-network
}
# -O1 builds in far less time than -O2 and still mixes the music many times faster than it plays.
build_libopenmpt() {
    autotools_build CXXFLAGS=-O1 --disable-openmpt123 --disable-examples --disable-tests --disable-doxygen-doc \
        --without-zlib --without-mpg123 --without-ogg --without-vorbis --without-vorbisfile \
        --without-portaudio --without-portaudiocpp --without-pulseaudio --without-sndfile --without-flac
}

count=0
for source in "${sources[@]}"; do
    count=$((count + 1))
    if [ -f "$prefix/built/$source" ]; then
        say "[$count/${#sources[@]}] $source already built"
        continue
    fi
    log=$prefix/logs/$source.log
    say "[$count/${#sources[@]}] $source ${version[$source]} (log: $log)"
    start=$SECONDS
    (
        # Each step is chained: errexit does not apply inside a subshell tested by ||.
        cd "$work" && unpack_source "$source" "${version[$source]}" && cd source && "build_$source"
    ) >"$log" 2>&1 || {
        tail -n 30 "$log" >&2
        fail "building $source failed; the whole log is $log"
    }
    rm -rf "${work:?}"/*
    touch "$prefix/built/$source"
    say "[$count/${#sources[@]}] $source done in $((SECONDS - start)) s"
done
rm -rf "$work"
for source in "${sources[@]}"; do echo "$source ${version[$source]}"; done >"$prefix/versions"
touch "$prefix/complete"
say "libraries ready in $prefix"
echo "$prefix"
