#!/usr/bin/env bash
# Builds Dorvane and runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

build=${DORVANE_BUILD_DIR:-build}

# The coverage-guided fuzzer needs clang with libFuzzer; ctest runs it next to the other tests.
# Once clang is installed, a fuzzer that does not build fails the run like any other build.
fuzzer=()
if ensure_packages "${FUZZ_PACKAGES[@]}"; then
    cmake -S fuzz -B "$build-fuzz" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build-fuzz" -j2
    fuzzer=(-DDORVANE_LIBFUZZER_EXE="$PWD/$build-fuzz/fuzz_settings")
else
    echo "clang and libclang-rt-14-dev cannot be installed here: the coverage-guided fuzzer is skipped;" \
        "its fixed-input replay still runs." >&2
fi

# The desktop checks run the real program on real desktops, and the package checks make and install
# the Debian package; each is skipped where what it needs cannot be installed.
for group in DESKTOP_X11_PACKAGES DESKTOP_XFCE_PACKAGES DESKTOP_WESTON_PACKAGES DESKTOP_GNOME_PACKAGES \
    DESKTOP_LXQT_PACKAGES DESKTOP_SESSION_PACKAGES DEB_PACKAGES DEB_CHECK_PACKAGES DEB_CHROOT_PACKAGES \
    DESKTOP_WAKE_PACKAGES DESKTOP_ATSPI_PACKAGES DESKTOP_SOUND_PACKAGES DESKTOP_LANGUAGES_PACKAGES; do
    declare -n packages=$group
    ensure_packages "${packages[@]}" || echo "Could not install ${packages[*]}; the checks that need them are skipped." >&2
done
ensure_packages "${WINDOWS_CHECK_PACKAGES[@]}"

# The Windows program and its tests, cross-built here; ctest runs them under Wine as one test.
windows=()
status=0
DORVANE_WINDOWS_BUILD_DIR=$build-windows scripts/build-windows.sh || status=$?
case $status in
    0) windows=(-DDORVANE_WINDOWS_BUILD="$PWD/$build-windows")
       # Its installer, which a test installs under Wine.
       (cd "$build-windows" && cpack -G NSIS >/dev/null) ;;
    77) echo "The Windows tests are skipped (see above why)." >&2 ;;
    *) exit "$status" ;;
esac

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DDORVANE_GUI=ON "${fuzzer[@]}" \
    "${windows[@]}" >/dev/null
cmake --build "$build" -j2
export QT_QPA_PLATFORM=offscreen
# Four at a time on two cores: the desktop checks spend most of their time waiting for the
# program's 30-second tick, not computing.
ctest --test-dir "$build" --output-on-failure --timeout 300 -j4
