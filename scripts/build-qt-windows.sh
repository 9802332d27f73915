#!/usr/bin/env bash
# Builds Qt 6.4.2 (qtbase) for Windows x86_64 once, with Debian's MinGW-w64, from Debian's own
# qt6-base source package, into the folder that scripts/build-windows.sh uses:
#   ~/.cache/dorvane/qt-6.4.2-windows/prefix
# About 30 minutes on 2 cores; the test command never waits for it. Debian's qt6-base-dev (the same
# Qt version) supplies moc, rcc and uic. Work files stay in DORVANE_QT_WORK (default
# ~/.cache/dorvane/qt-build), which may be removed afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
. scripts/packages.sh

cache=${XDG_CACHE_HOME:-$HOME/.cache}/dorvane
target=$cache/qt-6.4.2-windows
work=${DORVANE_QT_WORK:-$cache/qt-build}
jobs=${JOBS:-2}

if [ -f "$target/prefix/.complete" ]; then
    echo "Qt for Windows is there already: $target/prefix"
    exit 0
fi
ensure_packages "${WINDOWS_PACKAGES[@]}" dpkg-dev perl

host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
case $host_version in
    6.4.2+*) ;;
    *) echo "The host Qt is $host_version; its tools must be 6.4.2 to build Qt 6.4.2." >&2; exit 1 ;;
esac

mkdir -p "$work"
cd "$work"

# The source package, through apt with a source list of its own, so that the system's apt
# configuration stays as it is.
src=$work/qtbase-everywhere-src-6.4.2
if [ ! -d "$src" ]; then
    mkdir -p apt/lists/partial apt/cache/archives/partial
    uris=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -1)
    echo "deb-src ${uris:-http://deb.debian.org/debian} bookworm main" >apt/sources.list
    apt_own=(-o Dir::Etc::SourceList="$work/apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
             -o Dir::State::Lists="$work/apt/lists" -o Dir::Cache="$work/apt/cache")
    apt-get "${apt_own[@]}" update
    apt-get "${apt_own[@]}" source --download-only "qt6-base=$host_version"
    tar xJf qt6-base_6.4.2+dfsg.orig.tar.xz
fi

# Debian's MinGW toolchain file serves Qt's build too.
# Why the options:
#  - INPUT_opengl=no is what "configure -no-opengl" sets; FEATURE_opengl=OFF alone fails Qt's
#    OpenGL check, and with opengl_dynamic left on the windows platform plugin does not compile.
#  - Debian's source lacks src/3rdparty/wintab, which tablet events need in the windows plugin.
#  - direct2d on: only then does QtGui build its DirectWrite font database, without which the
#    windows plugin does not link; direct2d1_1 off skips the direct2d plugin (it too wants wintab).
#  - Every third-party library bundled, so that nothing but the MinGW runtime is needed beside Qt.
build=$work/build
prefix=$work/prefix
cmake -G Ninja -S "$src" -B "$build" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DQT_BUILD_EXAMPLES_BY_DEFAULT=OFF -DQT_BUILD_TESTS_BY_DEFAULT=OFF \
    -DFEATURE_sql=OFF -DFEATURE_printsupport=OFF -DFEATURE_dbus=OFF \
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_opengl_dynamic=OFF -DFEATURE_opengl_desktop=OFF \
    -DFEATURE_opengles2=OFF -DFEATURE_vulkan=OFF \
    -DFEATURE_direct2d=ON -DFEATURE_direct2d1_1=OFF -DFEATURE_tabletevent=OFF \
    -DFEATURE_icu=OFF -DFEATURE_openssl=OFF -DFEATURE_zstd=OFF -DFEATURE_brotli=OFF -DFEATURE_glib=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_freetype=OFF \
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_freetype=ON \
    -DFEATURE_network=ON -DFEATURE_testlib=ON -DFEATURE_widgets=ON -DFEATURE_gui=ON \
    -DFEATURE_xml=ON -DFEATURE_concurrent=ON
nice -n 19 cmake --build "$build" --parallel "$jobs"
rm -rf "$prefix"
cmake --install "$build" >/dev/null

# The MinGW runtime beside Qt's DLLs, where Windows (and Wine, through WINEPATH) finds it.
gcc_dir=$(ls -d /usr/lib/gcc/x86_64-w64-mingw32/*-posix | sort -V | tail -1)
cp "$gcc_dir/libstdc++-6.dll" "$gcc_dir/libgcc_s_seh-1.dll" /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$prefix/bin/"
find "$prefix" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

touch "$prefix/.complete"
mkdir -p "$target"
rm -rf "$target/prefix"
mv "$prefix" "$target/prefix"
echo "Qt for Windows is in $target/prefix"
