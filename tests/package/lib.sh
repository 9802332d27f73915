# shellcheck shell=bash
# Shared by the package checks: makes the Debian package from a build folder with CPack.
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"

# make_deb BUILD_DIR OUT_DIR: prints the path of the package that ctest made once for all the
# package checks in DORVANE_DEB_DIR, or else of one made now in OUT_DIR.
make_deb() {
    local build=$1 out=$2 deb
    if [ -n "${DORVANE_DEB_DIR:-}" ]; then
        deb=$(find "$DORVANE_DEB_DIR" -maxdepth 1 -name 'dorvane_*.deb' 2>/dev/null | head -n 1)
        [ -n "$deb" ] && { echo "$deb"; return 0; }
    fi
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || {
        tail -20 "$out/cpack.log" >&2
        echo "cpack failed" >&2
        return 1
    }
    deb=$(find "$out" -maxdepth 1 -name 'dorvane_*.deb' | head -n 1)
    [ -n "$deb" ] || { echo "cpack made no dorvane_*.deb in $out" >&2; return 1; }
    echo "$deb"
}
