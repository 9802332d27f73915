#!/usr/bin/env bash
# Builds Dorvane for /usr and makes its Debian package, build-deb/dorvane_<version>_<arch>.deb.
# Install it with: sudo apt install ./build-deb/dorvane_1.00_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${DEB_PACKAGES[@]}"

build=${DORVANE_DEB_BUILD_DIR:-build-deb}
# Built as Debian builds its packages: fortified, stack-protected, relocations read-only at start.
flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+bindnow dpkg-buildflags --get "$1"; }
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DDORVANE_GUI=ON \
    -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" >/dev/null
cmake --build "$build" -j2
(cd "$build" && cpack -G DEB)
ls "$build"/dorvane_*.deb
