#!/usr/bin/env bash
# Builds the libraries the browser build links (SDL2, libjpeg-turbo, libpng, zlib,
# libopenmpt, mpg123) from Debian's source packages with emscripten, as static libraries,
# into a prefix named after their versions under ~/.cache/torvane-web; emscripten's own
# ports would download their sources. A prefix that is already complete is reused. Prints
# the prefix on its last line of standard output.
set -euo pipefail

cache=${TORVANE_WEB_CACHE:-$HOME/.cache/torvane-web}
jobs=${JOBS:-2}
sources=(zlib libpng1.6 libjpeg-turbo libsdl2 mpg123 libopenmpt)
# emcc's optimizer needs acorn, which Debian installs for its own Node.js only.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}

deps_name=web-deps
. "$(dirname "$0")/deps-common.sh"
require_tools emcc emscripten emconfigure emscripten cmake cmake make make \
    dpkg-source dpkg-dev apt-get apt
deps_prepare

toolchain=$(dirname "$(readlink -f "$(command -v emcc)")")/cmake/Modules/Platform/Emscripten.cmake
[ -f "$toolchain" ] || fail "emscripten's CMake toolchain file is not at $toolchain"
# emconfigure points pkg-config at emscripten's own folder, then at this one.
export EM_PKG_CONFIG_PATH=$prefix/lib/pkgconfig
cross_cmake=(-G "Unix Makefiles" -DCMAKE_TOOLCHAIN_FILE="$toolchain"
    -DCMAKE_FIND_ROOT_PATH="$prefix" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_INSTALL_PREFIX="$prefix"
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF)
configure_wrapper=emconfigure
# A host naming a foreign system (autoconf knows no emscripten) keeps configure from
# running what it compiles.
autotools=(--host=wasm32-unknown-linux --prefix="$prefix" --disable-shared --enable-static
    CFLAGS=-O2 CXXFLAGS=-O2 CPPFLAGS=-I"$prefix/include" LDFLAGS=-L"$prefix/lib")

build_zlib() {
    emconfigure ./configure --static --prefix="$prefix" && make -j "$jobs" libz.a && make install
}
build_libpng1.6() {
    cmake_build -DPNG_SHARED=OFF -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF -DZLIB_ROOT="$prefix"
}
# CMake's type-size checks read no answer from a wasm object: the sizes are wasm32's.
build_libjpeg-turbo() {
    cmake_build -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF \
        -DHAVE_SIZE_T=TRUE -DSIZE_T=4 -DHAVE_UNSIGNED_LONG=TRUE -DUNSIGNED_LONG=4
}
# The Emscripten backend only (WebGL, Web Audio, the page's input), without threads.
build_libsdl2() {
    cmake_build -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_TESTS=OFF -DSDL_PTHREADS=OFF
}
# The decoder without output modules or network.
build_mpg123() {
    autotools_build --with-cpu=generic_fpu --disable-modules --with-audio=dummy --disable-network
}
# Tracker modules only; the reader reports its errors by C++ exceptions, which the engine's
# link keeps catchable (-fexceptions).
build_libopenmpt() {
    autotools_build "CXXFLAGS=-O2 -fexceptions" --disable-openmpt123 --disable-examples --disable-tests \
        --disable-doxygen-doc --without-zlib --without-mpg123 --without-ogg --without-vorbis \
        --without-vorbisfile --without-portaudio --without-portaudiocpp --without-pulseaudio \
        --without-sndfile --without-flac
}

deps_build_all
