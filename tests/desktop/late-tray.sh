#!/usr/bin/env bash
# Late tray check: Dorvane started before its tray, as a login autostart often is, then the tray going away again.
# Xvfb with openbox; trayer (an XEmbed tray) is started 3 s after the program and ended once the window has gone
# into it. The program checks for the tray at each 30-second tick.
# Steps: without a tray the window is a normal one (taskbar button); once the tray comes, the icon docks, the window
# leaves the taskbar and the close box hides it; once the tray goes, the window comes back minimised, taskbar
# button and all; SIGTERM ends the program with status 0.
# Usage, in a checkout: bash tests/desktop/late-tray.sh [path/to/dorvane]
#   without a path, the checkout is built first
# One PASS/FAIL line per step; exit 0 when all pass, 1 when any step fails, 77 (skipped) when a package of
# DESKTOP_X11_PACKAGES (scripts/packages.sh) is missing.
ACC_NO_TRAY=1
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
need_packages DESKTOP_X11_PACKAGES
acc_exe "$@"
acc_display
acc_store
acc_start "$EXE"

wait_state Normal
W=$(config_window)
if [ -n "$W" ] && [ "$(taskbar "$W")" = normal ] && grep -qF 'no notification area' "$WORK/app.log"; then
  step PASS "no tray at start: a normal window with a taskbar button, and the program says so"
else
  step FAIL "no tray at start: a normal window with a taskbar button" "window ${W:-none}, $(taskbar "${W:-0}"); said: $(tr '\n' ' ' <"$WORK/app.log")"
fi

sleep 3
acc_tray
if wait_said 40 'a notification area appeared'; then
  step PASS "the tray comes: the program says so at its next check ($(($(date +%s) - START)) s after start)"
else
  step FAIL "the tray comes: the program says so at its next check" "said: $(tr '\n' ' ' <"$WORK/app.log")"
fi
sleep 1
W=$(config_window)
ICON=$(xdotool search --pid "$APP" 2>/dev/null | while read -r w; do
  eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)"; [ "${WIDTH:-0}" -le 48 ] && [ "$Y" -lt 40 ] && [ "$X" -gt 900 ] && echo "$w"
done | head -n 1)
[ -n "$ICON" ] && step PASS "the icon docks in the tray" || step FAIL "the icon docks in the tray" "no small window of the program at the top right"
if [ "$(wm_state "$W")" = Normal ] && [ "$(taskbar "$W")" = skip-taskbar ]; then
  step PASS "the shown window stays shown, now without a taskbar button"
else
  step FAIL "the shown window stays shown, now without a taskbar button" "$(wm_state "$W"), $(taskbar "$W")"
fi
close_box "$W"
if wait_state Withdrawn 5; then step PASS "the close box hides the window into the tray"
else step FAIL "the close box hides the window into the tray" "it is $(wm_state "$(config_window)")"; fi

kill "$TRAY"
if wait_said 40 'the notification area went away'; then
  step PASS "the tray goes: the program says so at its next check"
else
  step FAIL "the tray goes: the program says so at its next check" "said: $(tr '\n' ' ' <"$WORK/app.log")"
fi
W=$(config_window)
if wait_state Iconic 3 && [ "$(taskbar "$W")" = normal ]; then
  step PASS "the hidden window comes back minimised, with its taskbar button"
else
  step FAIL "the hidden window comes back minimised, with its taskbar button" "$(wm_state "$W"), $(taskbar "$W")"
fi
shot "$WORK/end.png"
keep_shot "$WORK/end.png" late-tray-gone.png

step_sigterm
end_steps
