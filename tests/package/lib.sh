# shellcheck shell=bash
# Shared by the package checks: makes the Debian package from a build folder with CPack.
set -u

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

# need TOOL...: skip (77) when a tool is missing.
need() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
    done
}

FAILS=0
step() { # step PASS|FAIL "what" ["why"]
    printf '%s  %s%s\n' "$1" "$2" "${3:+: $3}"
    [ "$1" = PASS ] || FAILS=$((FAILS + 1))
}
