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

# A Qt test under Wine now and then finishes its last row and then never exits, most often on a
# busy machine. Once it has said that it finished, it gets a few seconds to exit; after that it is
# ended, and its own totals decide.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
"$WINE64" "$@" >"$log" 2>&1 &
program=$!
status=
finished_at=
while kill -0 "$program" 2>/dev/null; do
    if [ -z "$finished_at" ] && grep -q '^\*\*\*\*\*\*\*\*\* Finished testing of ' "$log"; then
        finished_at=$SECONDS
    fi
    if [ -n "$finished_at" ] && [ $((SECONDS - finished_at)) -ge 10 ]; then
        kill "$program" 2>/dev/null || true
        wait "$program" 2>/dev/null || true
        cat "$log"
        echo "wine-run.sh: $(basename "$1") had finished its tests but did not exit; ended after 10 s" >&2
        grep -Eq '^Totals: [0-9]+ passed, 0 failed' "$log" && exit 0
        exit 1
    fi
    sleep 0.2
done
wait "$program" || status=$?
cat "$log"
exit "${status:-0}"
