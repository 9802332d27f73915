#!/usr/bin/env bash
# Runs a program of the Windows build under Wine, as ctest's emulator for that build:
#   scripts/wine-run.sh QT-PREFIX WINE-PREFIX program.exe [arguments...]
# Needs a DISPLAY (scripts/build-windows.sh --test starts Xvfb).
set -euo pipefail
. "$(dirname "$0")/wine-prefix.sh"
qt=$1 prefix=$2
shift 2

# Tests started by ctest at once must not both create the prefix.
mkdir -p "$(dirname "$prefix")"
{
    flock 9
    wine_prefix "$prefix" >&2
} 9>"$prefix.lock"

# Qt's DLLs; Qt finds its plugins beside them.
WINEPATH="Z:${qt//\//\\}\\bin"
export WINEPATH

# Wine hands no variable named QT_* to a Windows program, but passes WINEQT_* on as QT_*.
while IFS= read -r name; do
    export "WINE$name=${!name}"
done < <(compgen -e | grep '^QT_' || true)
# Without it QTest writes to the debugger, not to the console that ctest reads.
export WINEQT_FORCE_STDERR_LOGGING=1

exec "$WINE64" "$@"
