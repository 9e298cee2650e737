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

deps_name=windows-deps
. "$(dirname "$0")/deps-common.sh"
require_tools "$host-gcc-posix" gcc-mingw-w64-x86-64-posix "$host-g++-posix" g++-mingw-w64-x86-64-posix \
    "$host-windres" binutils-mingw-w64-x86-64 cmake cmake make make pkg-config pkg-config \
    dpkg-source dpkg-dev apt-get apt
deps_prepare

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

deps_build_all
