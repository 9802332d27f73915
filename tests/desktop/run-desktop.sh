#!/usr/bin/env bash
# Runs the real program on a virtual desktop with a window manager and a notification area, with the
# clock set to just before a Saturday alarm, and takes screenshots of the configuration window and
# of the alert. Also checks that the close box only hides the configuration window and that the
# program ends cleanly on SIGTERM.
#
#   tests/desktop/run-desktop.sh [path/to/dorvane] [--docs]
#
# --docs also copies the screenshots to docs/. Needs xvfb, openbox, trayer, xdotool, faketime and
# imagemagick (and procps for pgrep).
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
binary=""
docs=0
for arg in "$@"; do
    case $arg in
    --docs) docs=1 ;;
    -h | --help)
        sed -n '2,10p' "$0"
        exit 0
        ;;
    *) binary=$arg ;;
    esac
done
if [[ -z $binary ]]; then
    binary=$root/build-ui/app/dorvane
    if [[ ! -x $binary ]]; then
        cmake -S "$root" -B "$root/build-ui"
        cmake --build "$root/build-ui" -j2 --target dorvane
    fi
fi
[[ -x $binary ]] || { echo "no program at $binary" >&2; exit 1; }

for tool in Xvfb openbox trayer xdotool faketime import convert pgrep xwininfo xdpyinfo; do
    command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 77; }
done
# ctest runs the widget tests offscreen; this runs on the desktop it starts.
unset QT_QPA_PLATFORM

shots=${DORVANE_SHOTS:-$root/tests/screenshots}
mkdir -p "$shots"
work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        pid=${pids[i]}
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [[ -s $work/dorvane.log ]] && sed 's/^/  dorvane: /' "$work/dorvane.log" >&2
    [[ -s $work/openbox.log ]] && sed 's/^/  openbox: /' "$work/openbox.log" >&2
    exit 1
}

# Waits up to $1 seconds for a command to succeed.
wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.2
    done
}

visible_window() {
    xdotool search --onlyvisible --name "$1" | head -n 1
}

# Xvfb picks a free display itself and names it once it listens, so checks side by side cannot clash.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
wait_for 15 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=:$(head -n 1 "$work/display")

openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
# Activating a window below needs the window manager to be managing the screen.
wait_for 10 bash -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" || fail "openbox did not start"
# A desktop colour, so that the windows stand out in the screenshots.
convert -size 1024x768 xc:'#3a6e8f' "$work/desktop.png"
timeout 5 display -window root "$work/desktop.png" 2>/dev/null || true
trayer --edge bottom --align right --widthtype request --height 28 --SetDockType true \
    --SetPartialStrut true --transparent false --tint 0xd8d8d8 >"$work/trayer.log" 2>&1 &
pids+=($!)
wait_for 10 xdotool search --class trayer || fail "trayer did not start"
sleep 1

# A store with a working Saturday at 7:05, as a user would have left it.
mkdir -p "$work/config/Dorvane"
printf '[Options]\nSaturdayTime=7:05:00 AM\nWorkSaturday=1\nSundayTime=9:30:00 AM\nMondayTime=7:30:00 AM\nWorkMonday=1\nFridayTime=8:15:00 AM\nWorkFriday=1\n' \
    >"$work/config/Dorvane/Dorvane.conf"

# 20 s before the alarm minute; the first tick, 30 s after start, falls inside it.
XDG_CONFIG_HOME=$work/config FAKETIME_DONT_FAKE_MONOTONIC=1 LC_ALL=en_US.UTF-8 \
    faketime '2026-12-05 07:04:40' "$binary" >"$work/dorvane.log" 2>&1 &
app=$!
pids+=("$app")

wait_for 15 visible_window '^Dorvane: Configuration$' || fail "the configuration window did not appear"
# faketime runs the program as its child; signals go to the program itself.
program=$(pgrep -P "$app" | head -n 1)
[[ -n $program ]] || fail "cannot find the program under faketime"
pids+=("$program")
config=$(visible_window '^Dorvane: Configuration$')
sleep 1
import -window root "$shots/desktop-configuration.png"
# The window with its frame: the frame is the parent of the client window.
eval "$(xdotool getwindowgeometry --shell "$config")"
frame=$(xwininfo -id "$config" -children | awk '/Parent window id/ {print $4}')
if [[ -n $frame && $frame != 0x0 && $(xwininfo -id "$frame" | awk '/Map State/ {print $3}') == IsViewable ]]; then
    import -window "$frame" -frame "$shots/configuration.png"
else
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$shots/configuration.png"
fi
echo "configuration window: $shots/configuration.png"

# The close box (here Alt+F4, which the window manager turns into the same close request) hides it.
for _ in $(seq 25); do
    xdotool windowactivate "$config" 2>/dev/null
    [[ $(xdotool getactivewindow 2>/dev/null) == "$config" ]] && break
    sleep 0.2
done
xdotool key --clearmodifiers alt+F4
wait_for 5 bash -c "! xdotool search --onlyvisible --name '^Dorvane: Configuration$' | grep -q ." \
    || fail "the close box did not hide the configuration window"
sleep 1
kill -0 "$program" 2>/dev/null || fail "the program ended when its window was closed"
echo "close box: window hidden, program still running"

wait_for 70 visible_window '^Form1$' || fail "no alert within 70 s"
alert=$(visible_window '^Form1$')
sleep 1
import -window root "$shots/alert.png"
echo "alert: $shots/alert.png"
eval "$(xdotool getwindowgeometry --shell "$alert")"
[[ $X == 0 && $Y == 0 && $WIDTH == 1024 && $HEIGHT == 768 ]] \
    || fail "the alert covers ${WIDTH}x${HEIGHT}+${X}+${Y}, not the screen"

# The button dismisses it.
xdotool mousemove --sync 512 $((768 - 2400 / 15 + 17)) click 1
wait_for 5 bash -c "! xdotool search --onlyvisible --name '^Form1$' | grep -q ." \
    || fail "the alert's button did not dismiss it"
echo "alert dismissed"

kill -TERM "$program"
status=0
wait "$app" || status=$?
[[ $status == 0 ]] || fail "exit status $status after SIGTERM"
echo "SIGTERM: clean exit"

if ((docs)); then
    mkdir -p "$root/docs"
    cp "$shots/configuration.png" "$shots/alert.png" "$root/docs/"
    echo "copied to docs/"
fi
