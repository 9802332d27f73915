#!/usr/bin/env bash
# Builds Dorvane and starts it on the current desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
# qt6-wayland gives a Wayland session a native window, and with it a full-screen alert; Qt's own
# translations give its dialogs' buttons the user's language.
ensure_packages "${BUILD_PACKAGES[@]}" qt6-qpa-plugins qt6-wayland qt6-translations-l10n

build=${DORVANE_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target dorvane
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "Built $build/app/dorvane, but there is no desktop to show it on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    exit 1
fi
exec "$build/app/dorvane"
