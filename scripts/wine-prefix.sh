#!/usr/bin/env bash
# A private Wine prefix for running the Windows build, never the user's own ~/.wine.
# Source it for its functions, or run it to create (or reuse) a prefix:
#   scripts/wine-prefix.sh DIR
#   . scripts/wine-prefix.sh; wine_prefix DIR; "$WINE64" program.exe
# wine_env DIR only exports the variables, for a prefix that exists already; "$WINESERVER" -k ends
# the prefix's Wine processes.

# Debian's wine64 package does not put its loader on the PATH.
WINE64=${WINE64:-/usr/lib/wine/wine64}
WINESERVER=${WINESERVER:-/usr/lib/wine/wineserver}

wine_env() {
    WINEPREFIX=$(realpath -m "$1")
    WINEARCH=win64
    # Wine's own diagnostics would bury the program's output.
    WINEDEBUG=-all
    # No prompt to download Mono or Gecko: nothing here needs .NET or a web view.
    WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEPREFIX WINEARCH WINEDEBUG WINEDLLOVERRIDES
}

wine_prefix() {
    wine_env "$1"
    [ -f "$WINEPREFIX/.dorvane-ready" ] && return 0
    if [ ! -x "$WINE64" ]; then
        echo "wine-prefix: $WINE64 is missing (package wine64)" >&2
        return 1
    fi
    mkdir -p "$WINEPREFIX"
    echo "Creating the Wine prefix $WINEPREFIX"
    "$WINE64" wineboot -i >/dev/null 2>&1 && "$WINESERVER" -w || {
        echo "wine-prefix: wineboot failed in $WINEPREFIX" >&2
        return 1
    }
    _wine_arial || return 1
    "$WINESERVER" -w
    touch "$WINEPREFIX/.dorvane-ready"
}

# The windows use Arial, which a new prefix lacks; without it Wine falls back to a serif face.
# Liberation Sans has Arial's metrics, so text wraps and fits as on Windows.
_wine_arial() {
    local dir=/usr/share/fonts/truetype/liberation fonts=$WINEPREFIX/drive_c/windows/Fonts f
    if [ ! -f "$dir/LiberationSans-Regular.ttf" ]; then
        echo "wine-prefix: Liberation Sans is missing (package fonts-liberation)" >&2
        return 1
    fi
    mkdir -p "$fonts"
    for f in "$dir"/LiberationSans-{Regular,Bold,Italic,BoldItalic}.ttf; do
        cp "$f" "$fonts/"
    done
    # Wine lists a replacement as a family of its own, so "Arial" is found by name.
    "$WINE64" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ /d 'Liberation Sans' /f >/dev/null 2>&1
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -euo pipefail
    if [ $# -ne 1 ]; then
        echo "usage: $0 PREFIX-DIR" >&2
        exit 2
    fi
    wine_prefix "$1"
fi
