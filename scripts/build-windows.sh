#!/usr/bin/env bash
# Cross-builds Dorvane and its tests for Windows x86_64 with Debian's MinGW-w64, against Qt 6.4.2
# built for Windows, and runs the tests as Windows programs under Wine.
#   scripts/build-windows.sh           builds into build-windows/ (DORVANE_WINDOWS_BUILD_DIR)
#   scripts/build-windows.sh --test    builds, then runs every test under Wine
#   scripts/build-windows.sh --run-tests   only runs the tests of an existing build
# Qt for Windows is unpacked once under ~/.cache/dorvane from ../shared/toolchains when that is
# there; otherwise scripts/build-qt-windows.sh builds it once from Debian's source (about 30 min).
# Exit status 77: skipped, for want of packages or of Qt for Windows (the reason is printed).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
. scripts/packages.sh
. scripts/wine-prefix.sh

build=$(realpath -m "${DORVANE_WINDOWS_BUILD_DIR:-build-windows}")
cache=${XDG_CACHE_HOME:-$HOME/.cache}/dorvane
qt=$cache/qt-6.4.2-windows/prefix
shared_qt=$root/../shared/toolchains/qt-6.4.2-mingw-w64.tar.xz
shared_qt_sha256=6adfebf50be54e04f0756893a45cc21d89f54da02943f987f9e916be047fcf84

build_it=1 test_it=0
case ${1:-} in
    --test) test_it=1; shift ;;
    --run-tests) build_it=0 test_it=1; shift ;;
    '') ;;
    *) echo "usage: $0 [--test|--run-tests [CTEST-ARGS...]]" >&2; exit 2 ;;
esac

skip() {
    echo "Windows build skipped: $*" >&2
    exit 77
}

ensure_packages "${WINDOWS_PACKAGES[@]}" || skip "could not install ${WINDOWS_PACKAGES[*]}"

# Unpacked beside the download's checksum, and moved into place only once complete, so that an
# interrupted unpack is never taken for Qt.
if [ ! -f "$qt/.complete" ] && [ -f "$shared_qt" ]; then
    echo "Unpacking $shared_qt into $cache"
    echo "$shared_qt_sha256  $shared_qt" | sha256sum -c --quiet || skip "$shared_qt has the wrong checksum"
    mkdir -p "$cache"
    tmp=$(mktemp -d "$cache/unpack.XXXXXX")
    tar -C "$tmp" -xJf "$shared_qt"
    touch "$tmp/prefix/.complete"
    rm -rf "$(dirname "$qt")"
    mv "$tmp" "$(dirname "$qt")"
fi
[ -f "$qt/.complete" ] ||
    skip "no Qt for Windows in $qt; scripts/build-qt-windows.sh builds it once (about 30 minutes)"

if [ "$build_it" = 1 ]; then
    # The emulator runs each test under Wine; scripts/wine-run.sh says how.
    cmake -G Ninja -S . -B "$build" \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-w64.cmake" \
        -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DDORVANE_GUI=ON \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-run.sh;$qt;$build/wineprefix" >/dev/null
    nice cmake --build "$build" -j2
fi

if [ "$test_it" = 1 ]; then
    wine_prefix "$build/wineprefix"
    # One display for every window the tests open; Wine draws even offscreen programs' helper
    # windows through it.
    displayfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill "$xvfb" 2>/dev/null; "$WINESERVER" -k 2>/dev/null; rm -f "$displayfile"' EXIT
    for _ in $(seq 100); do
        [ -s "$displayfile" ] && break
        sleep 0.1
    done
    [ -s "$displayfile" ] || skip "Xvfb did not start"
    export DISPLAY=:$(head -1 "$displayfile")
    # Wine's server and services start with the first program and outlive it; started here, they
    # do not hold the output pipe of the test that happened to come first, which ctest waits for.
    "$WINESERVER" -p
    "$WINE64" wineboot >/dev/null 2>&1 </dev/null
    ctest --test-dir "$build" --output-on-failure --timeout 300 -j2 "$@"
fi
