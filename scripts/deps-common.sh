# What the dependency builders share (sourced by scripts/windows-deps.sh and
# scripts/web-deps.sh): Debian's source packages fetched and unpacked, a prefix named after
# their versions, and each library built once into it, marked so that an interrupted run
# goes on where it stopped.
#
# The sourcing script sets `deps_name` (for messages), `cache` (the folder of prefixes),
# `jobs`, `sources` (source package names, in build order) and defines `build_<source>`
# for each, run inside the unpacked source with `prefix` set. It then calls
# `deps_prepare`, which sets `prefix` and `version` (or prints a complete prefix and
# exits), and `deps_build_all`.

say() { echo "$deps_name: $*" >&2; }
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

# Sets `version` and `prefix` ($cache/<source>-<upstream version>_...). A prefix already
# complete is printed and the script ends there.
deps_prepare() {
    enable_source_packages
    declare -gA version
    local key="" source upstream
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
}

# Builds in the unpacked source folder with the sourcing script's `cross_cmake` (CMake
# options) and `autotools` (configure options); `configure_wrapper`, where set, runs
# configure (emscripten's sets its compilers).
cmake_build() {  # cmake_build [OPTIONS...]
    cmake -S . -B cross "${cross_cmake[@]}" "$@" && cmake --build cross -j "$jobs" &&
        cmake --install cross
}
autotools_build() {  # autotools_build [CONFIGURE OPTIONS...]
    ${configure_wrapper:-} ./configure "${autotools[@]}" "$@" && make -j "$jobs" && make install
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

# Builds each library not yet marked in $prefix/built, its output in $prefix/logs, then
# marks the prefix complete and prints it.
deps_build_all() {
    local work=$cache/work count=0 source log start
    rm -rf "$work"
    mkdir -p "$work" "$prefix/logs" "$prefix/built"
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
}
