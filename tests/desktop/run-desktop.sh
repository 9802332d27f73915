#!/usr/bin/env bash
# Runs the real program on a virtual desktop with a window manager and a notification area, with the
# clock set to just before a Saturday alarm, and takes screenshots of the configuration window and
# of the alert. Also checks that the close box only hides the configuration window; that the alert
# comes over an xterm that has the focus, and stays up while someone types into it without pause,
# from 20 s before the alert to 40 s after it (past the minute's second check); that Enter, 1.2 s
# after the typing stops, dismisses it; and that the program ends cleanly on SIGTERM.
#
#   tests/desktop/run-desktop.sh [path/to/dorvane] [--docs]
#
# Without a path, the checkout is built first. --docs also copies the screenshots to docs/.
# Exits 77 where a package of DESKTOP_X11_PACKAGES (scripts/packages.sh) is missing.
docs=0
args=()
for arg in "$@"; do
    case $arg in
    --docs) docs=1 ;;
    -h | --help)
        sed -n '2,10p' "$0"
        exit 0
        ;;
    *) args+=("$arg") ;;
    esac
done
ACC_NO_TRAY=1
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
need_packages DESKTOP_X11_PACKAGES
acc_exe "${args[@]}"
[[ -x $EXE ]] || fail "no program at $EXE"
shots=${DORVANE_SHOTS:-$SRC/tests/screenshots}
mkdir -p "$shots"

acc_display
# A desktop colour, so that the windows stand out in the screenshots.
convert -size "${SCREEN_W}x$SCREEN_H" xc:'#3a6e8f' "$WORK/desktop.png"
timeout 5 display -window root "$WORK/desktop.png" 2>/dev/null
acc_tray --edge bottom --align right --widthtype request --height 28 --SetDockType true \
    --SetPartialStrut true --transparent false --tint 0xd8d8d8 || fail "trayer did not start"
sleep 1

# A store with a working Saturday at 7:05, as a user would have left it.
acc_store 'SaturdayTime=7:05:00 AM' 'WorkSaturday=1' 'SundayTime=9:30:00 AM' 'MondayTime=7:30:00 AM' 'WorkMonday=1' \
    'FridayTime=8:15:00 AM' 'WorkFriday=1'
# 20 s before the alarm minute; the first tick, 30 s after start, falls inside it.
FAKE_TIME='2026-12-05 07:04:40' acc_start "$EXE"
T0=$(date +%s)

config=$(wait_window "^$TITLE\$" 15) || fail "the configuration window did not appear"
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

# The close box hides it.
close_box "$config"
wait_gone "^$TITLE\$" 5 || fail "the close box did not hide the configuration window"
sleep 1
app_alive || fail "the program ended when its window was closed"
echo "close box: window hidden, program still running"

# Another program has the focus, and someone types into it, as the alert comes at the first tick,
# 30 s after start.
start_xterm || fail "no xterm window"
TYPING='quick brown fox jumps over the lazy dog\n'
sleep_until() { local left=$(($1 - $(date +%s))); [ "$left" -le 0 ] || sleep "$left"; }
sleep_until $((T0 + 10))
# Short pieces, so that it stops soon when told; between two of them it pauses for no more than
# xdotool takes to start.
(while [ ! -e "$WORK/stop-typing" ]; do xdotool type --delay 80 "$TYPING"; done) &
TYPER=$!
PIDS+=($TYPER)
TYPED=$(date +%s)

alert=$(wait_window '^Form1$' 70) ||
    fail "no alert seen within 70 s: it did not come, or the typing dismissed it within a quarter of a second"
SHOWN=$(date +%s)
sleep 1
import -window root "$shots/alert.png"
echo "alert: $shots/alert.png, $((SHOWN - TYPED)) s into the typing"
if ! alert_window >/dev/null; then
    step FAIL "typing without pause: the alert stays up, on top, over the xterm" "the typing dismissed it within a second"
else
    eval "$(xdotool getwindowgeometry --shell "$alert")"
    [[ $X == 0 && $Y == 0 && $WIDTH == "$SCREEN_W" && $HEIGHT == "$SCREEN_H" ]] ||
        step FAIL "the alert covers the screen" "it covers ${WIDTH}x${HEIGHT}+${X}+${Y}"
    # Its own colour, where the xterm is not.
    BG=$(pixel "$shots/alert.png" $((SCREEN_W / 2)) $((SCREEN_H * 6 / 10)))
    stacked_step "the alert comes as the top window over the focused xterm, and covers it" "$alert" "$shots/alert.png" "$BG"
    active=$(xdotool getactivewindow 2>/dev/null)
    info "the active window is $([ "$active" = "$alert" ] && echo the alert || echo "$active, not the alert")"
    # The typing goes on over the minute's second check, 30 s after the first.
    for at in 12 24 36 39; do
        sleep_until $((SHOWN + at))
        what="typing without pause, $at s after the alert came: it stays up, on top, over the xterm"
        now=$(alert_window) || { step FAIL "$what" "the alert is gone: the typing dismissed it"; break; }
        shot "$WORK/typing.png"
        stacked_step "$what" "$now" "$WORK/typing.png" "$BG"
    done
fi
touch "$WORK/stop-typing"
wait "$TYPER" 2>/dev/null

# After a still second, one Enter presses its button.
if alert_window >/dev/null; then
    sleep 1.2
    xdotool key Return
    wait_gone '^Form1$' 5 && step PASS "1.2 s after the typing stops, Enter dismisses the alert" ||
        step FAIL "1.2 s after the typing stops, Enter dismisses the alert" "it is still up"
fi

step_sigterm
if ((docs)); then
    mkdir -p "$SRC/docs"
    cp "$shots/configuration.png" "$shots/alert.png" "$SRC/docs/"
    echo "copied to docs/"
fi
end_steps
