#!/usr/bin/env bash
# LXQt check: the configuration window's taskbar button under lxqt-panel 1.2, whose task bar lists utility windows
# unless they ask to be left out.
# Xvfb with openbox and a private session bus. First a panel with a task bar and no tray: the program finds no
# notification area and its window keeps a task bar button. Then a panel with a task bar, a status notifier area
# and an XEmbed tray, as Debian's default panel has: at its next check the program docks its icon and the window
# leaves the task bar; hidden with its close box and shown again with a click on the icon, it stays out of it.
# Each step reads the window's _NET_WM_STATE and the task bar's text (OCR of a screenshot).
# Usage, in a checkout: bash tests/desktop/lxqt.sh [path/to/dorvane]
#   without a path, the checkout is built first
# One PASS/FAIL line per step; exit 0 when all pass, 1 when any step fails, 77 (skipped) when a package of
# DESKTOP_LXQT_PACKAGES (scripts/packages.sh) is missing.
ACC_NO_TRAY=1
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
need_packages DESKTOP_LXQT_PACKAGES
acc_exe "$@"

start_bus session bus
export DBUS_SESSION_BUS_ADDRESS="unix:path=$WORK/bus"
acc_display
acc_store
# As startlxqt sets it; the panel's plugins find their files there.
export XDG_CONFIG_DIRS=/etc:/etc/xdg:/usr/share XDG_CURRENT_DESKTOP=LXQt
mkdir -p "$WORK/home"
export HOME="$WORK/home"

# panel_conf FILE PLUGINS: a bottom panel with these plugins.
panel_conf() {
  {
    echo "[General]"; echo "__userfile__=true"; echo "[panel1]"; echo "plugins=$2"; echo "position=Bottom"; echo "desktop=0"
    echo "[taskbar]"; echo "type=taskbar"; echo "buttonWidth=220"; echo "groupingEnabled=false"
    echo "[statusnotifier]"; echo "alignment=Right"; echo "type=statusnotifier"
    echo "[tray]"; echo "type=tray"
  } >"$1"
}
PANEL=
start_panel() {
  panel_conf "$WORK/panel-$1.conf" "$2"
  lxqt-panel --configfile "$WORK/panel-$1.conf" >"$WORK/panel-$1.log" 2>&1 &
  PANEL=$!
  PIDS+=($PANEL)
  sleep 3
}
# The task bar's text: OCR of the bottom strip of the screen, where the panel is; keeps the screenshot as $1.
taskbar_text() {
  shot "$WORK/$1.png"
  keep_shot "$WORK/$1.png" "lxqt-$1.png"
  convert "$WORK/$1.png" -crop "${SCREEN_W}x48+0+$((SCREEN_H - 48))" +repage "$WORK/$1-bar.png"
  ocr "$WORK/$1-bar.png" 250
}
# step_taskbar NAME WANT(listed|not listed): the window's state and the task bar agree with WANT.
step_taskbar() {
  local name=$1 want=$2 w text state
  w=$(config_window)
  text=$(taskbar_text "$name")
  state=$(taskbar "$w")
  if [ "$want" = listed ] && [ "$state" = normal ] && [[ ${text,,} == *dorvane* ]]; then
    step PASS "$3: a task bar button" "$state; task bar reads: $text"
  elif [ "$want" = "not listed" ] && [ "$state" = skip-taskbar ] && [[ ${text,,} != *dorvane* ]]; then
    step PASS "$3: no task bar button" "$state; task bar reads: $text"
  else
    step FAIL "$3: $([ "$want" = listed ] && echo "a task bar button" || echo "no task bar button")" "$state; task bar reads: $text"
  fi
}

# --- a panel with a task bar and no tray ---------------------------------------------------------------------------
start_panel bare taskbar
kill -0 "$PANEL" 2>/dev/null || { echo "lxqt.sh: lxqt-panel did not start: $(tail -n 3 "$WORK/panel-bare.log" | tr '\n' ' ')"; exit 77; }
info "panel: $(lxqt-panel --version 2>/dev/null | head -n 1)"
acc_start "$EXE"
wait_state Normal || true
sleep 1
if grep -qF 'no notification area' "$WORK/app.log"; then step PASS "no tray: the program says so"
else step FAIL "no tray: the program says so" "$(tr '\n' ' ' <"$WORK/app.log")"; fi
step_taskbar without-tray listed "without a tray the shown window keeps"

# --- the panel with a status notifier area and an XEmbed tray ------------------------------------------------------
kill "$PANEL"; wait "$PANEL" 2>/dev/null
start_panel full taskbar,statusnotifier,tray
T1=$(date +%s)
if wait_said 40 'a notification area appeared'; then
  step PASS "the tray comes: the program says so $(($(date +%s) - T1)) s after the panel"
else
  step FAIL "the tray comes: the program says so" "$(tr '\n' ' ' <"$WORK/app.log")"
fi
sleep 1
wait_state Normal || true
step_taskbar tray-mode "not listed" "in tray mode the shown window has"
W=$(config_window)
close_box "$W"
if wait_state Withdrawn; then step PASS "the close box hides the window into the tray"
else step FAIL "the close box hides the window into the tray" "it is $(wm_state "$(config_window)")"; fi

# The icon: LXQt's tray draws the docked window into the panel, at the right end; found as what differs from the
# panel's background there.
convert "$WORK/tray-mode.png" -crop "160x40+$((SCREEN_W - 160))+$((SCREEN_H - 40))" +repage "$WORK/tray-end.png"
BOX=$(convert "$WORK/tray-end.png" -fuzz 8% -trim -format '%@' info: 2>/dev/null)
if [[ $BOX =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] && [ "${BASH_REMATCH[1]}" -le 40 ] && [ "${BASH_REMATCH[1]}" -ge 8 ]; then
  IX=$((SCREEN_W - 160 + BASH_REMATCH[3] + BASH_REMATCH[1] / 2)) IY=$((SCREEN_H - 40 + BASH_REMATCH[4] + BASH_REMATCH[2] / 2))
  step PASS "the icon docks in the panel's tray" "drawn at $IX,$IY ($BOX)"
  xdotool mousemove "$IX" "$IY" click 1
  if wait_state Normal; then step PASS "a click on the icon shows the window"
  else step FAIL "a click on the icon shows the window" "it is $(wm_state "$(config_window)")"; fi
  sleep 1
  step_taskbar shown-from-tray "not listed" "shown from the tray the window has"
else
  step FAIL "the icon docks in the panel's tray" "nothing drawn at the right end of the panel (${BOX:-no box})"
fi

step_sigterm
end_steps
