#!/usr/bin/env bash
# Plasma check: Dorvane under KDE Plasma 5.27 (Debian 12), headless: kded5's StatusNotifierWatcher, plasmashell's
# panel with its system tray, KWin as the window manager.
#   PLASMA_MODE=x11      kwin_x11 on Xvfb, xembedsniproxy; Plasma is up before the program (PLASMA_LATE=1: after it,
#                        when the icon reaches the tray over XEmbed and xembedsniproxy)
#   PLASMA_MODE=wayland  kwin_wayland nested in an Xvfb window (its X11 backend: screenshots and input go through the
#                        Xvfb); the program starts first and Plasma after it, so the tray is reached over D-Bus only
# Items are listed as SERVICE/PATH by kded5 (SERVICE@PATH elsewhere).
# Everything runs on a private session bus (no service folders) with a fresh HOME. The clock is faked so that the
# alert comes at the first tick, 30 s in.
# Steps: the icon registers with the watcher and shows in the panel's tray (found as what changes in the panel when it
# comes); a right click opens its menu with Configure and Exit (OCR); Alt+F4 on the configuration window only hides it
# (on Wayland KWin turns it into xdg_toplevel.close); with another program's window focused (an xterm on X11,
# weston-terminal on Wayland) the alert comes at its minute over it (on X11 as the top of the window manager's
# stacking order); it covers the screen, panel included; its button dismisses it; the menu's Exit ends the program.
# Usage, in a checkout: bash tests/desktop/plasma.sh [path/to/dorvane]
# One PASS/FAIL line per step (INFO lines say what was seen); exit 0 when all pass, 1 when any step fails, 77 (skipped)
# when a package of DESKTOP_PLASMA_PACKAGES (scripts/packages.sh, about 360 with what they pull in) is missing or
# Plasma does not start. Slow and heavy: ctest runs it only with the label plasma.
ACC_NO_WM=1
ACC_NO_TRAY=1
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
need_packages DESKTOP_PLASMA_PACKAGES
PLASMA_MODE=${PLASMA_MODE:-x11}
PLASMA_LATE=${PLASMA_LATE:-$([ "$PLASMA_MODE" = wayland ] && echo 1 || echo 0)}
LIBEXEC=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || echo x86_64-linux-gnu)/libexec
acc_exe "$@"

start_bus session bus
export DBUS_SESSION_BUS_ADDRESS="unix:path=$WORK/bus"
acc_display
XDISPLAY=$DISPLAY
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_DATA_HOME="$WORK/home/.local/share"
export XDG_CACHE_HOME="$WORK/home/.cache" XDG_CURRENT_DESKTOP=KDE KDE_FULL_SESSION=true KDE_SESSION_VERSION=5
export QT_QUICK_BACKEND=software NO_AT_BRIDGE=1
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
# A green alert, which nothing else on this desktop is.
acc_store 'SaturdayTime=7:05:00 AM' 'WorkSaturday=1' 'BackColor=65280'
# acc_store points XDG_CONFIG_HOME at the program's store; Plasma shares it.
mkdir -p "$XDG_CONFIG_HOME"

bg() { local log=$1; shift; "$@" >"$WORK/$log.log" 2>&1 & PIDS+=($!); }
# Screenshots and input always go through the Xvfb, also where KWin draws into it as a Wayland compositor.
SHOT_WITH=xvfb_shot
xvfb_shot() { DISPLAY=$XDISPLAY x_shot "$1"; }
xdo() { DISPLAY=$XDISPLAY xdotool "$@"; }

if [ "$PLASMA_MODE" = wayland ]; then
  # The copy has no file capability, which a container may refuse to run.
  cp "$(command -v kwin_wayland)" "$WORK/kwin_wayland"
  KWIN_COMPOSE=Q bg kwin "$WORK/kwin_wayland" --x11-display "$XDISPLAY" --width "$SCREEN_W" --height "$SCREEN_H" \
    --socket wl-dorvane-kde --no-lockscreen
  for _ in $(seq 80); do [ -S "$XDG_RUNTIME_DIR/wl-dorvane-kde" ] && break; sleep 0.25; done
  [ -S "$XDG_RUNTIME_DIR/wl-dorvane-kde" ] || { echo "plasma.sh: kwin_wayland did not start: $(tail -n 3 "$WORK/kwin.log" | tr '\n' ' ')"; exit 77; }
  unset DISPLAY
  export WAYLAND_DISPLAY=wl-dorvane-kde QT_QPA_PLATFORM=wayland
else
  KWIN_COMPOSE=N bg kwin kwin_x11
  export QT_QPA_PLATFORM=xcb
fi
bg kglobalaccel kglobalaccel5
bg activities "$LIBEXEC/kactivitymanagerd"
sleep 1

start_plasma() {
  bg kded kded5
  wait_for 20 has_owner org.kde.StatusNotifierWatcher
  bg plasmashell plasmashell --no-respawn
  [ "$PLASMA_MODE" = x11 ] && { bg xembedsniproxy xembedsniproxy; XSP=$!; }
  # The host registers once the panel's tray is loaded.
  wait_for 30 host_registered
}
host_registered() {
  dbus_call -d org.kde.StatusNotifierWatcher -o /StatusNotifierWatcher -m org.freedesktop.DBus.Properties.Get \
    org.kde.StatusNotifierWatcher IsStatusNotifierHostRegistered | grep -q true
}

if [ "$PLASMA_LATE" != 1 ]; then
  start_plasma || { echo "plasma.sh: Plasma's tray did not come up: $(tail -n 3 "$WORK/plasmashell.log" | tr '\n' ' ')"; exit 77; }
  sleep 6
fi
# Another program's window; on Wayland, where its place cannot be read, it comes once the configuration window is
# closed (below).
if [ "$PLASMA_MODE" = x11 ]; then start_xterm || fail "no xterm window"; fi
FAKE_TIME='2026-12-05 07:05:02' # a Saturday, at the stored minute
[ "$PLASMA_MODE" = wayland ] && export WAYLAND_DEBUG=client
acc_start "$EXE"
unset WAYLAND_DEBUG
T0=$(date +%s)
if [ "$PLASMA_LATE" = 1 ]; then
  sleep 3
  if grep -qF 'no notification area' "$WORK/app.log"; then step PASS "no tray at start: the program says so"
  else step FAIL "no tray at start: the program says so" "$(grep dorvane: "$WORK/app.log" | tr '\n' ' ')"; fi
  start_plasma || { echo "plasma.sh: Plasma's tray did not come up: $(tail -n 3 "$WORK/plasmashell.log" | tr '\n' ' ')"; exit 77; }
  TP=$(date +%s)
  info "Plasma's tray came $((TP - T0)) s after the program"
fi
info "plasmashell $(plasmashell --version 2>/dev/null | awk '{print $2}'), kwin_$PLASMA_MODE, Qt platform $QT_QPA_PLATFORM"

# The program's own item, or the one xembedsniproxy makes for its XEmbed icon.
ours() { local p; p=$(bus_pid "${1%%[@/]*}"); [ "$p" = "$APP" ] || { [ -n "${XSP:-}" ] && [ "$p" = "$XSP" ]; }; }
# Waits up to 35 s for the watcher to list such an item; sets ITEM.
wait_item() {
  ITEM=
  for _ in $(seq 140); do
    for it in $(watcher_items); do ours "$it" && ITEM=$it; done
    [ -n "$ITEM" ] && return 0; sleep 0.25
  done
  return 1
}
if wait_item; then
  step PASS "the icon registers with the watcher ($ITEM)${TP:+, $(($(date +%s) - TP)) s after the tray came}"
else
  step FAIL "the icon registers with the watcher" "items: $(watcher_items | tr '\n' ' ')"
fi
[ "$PLASMA_LATE" = 1 ] && { grep -qF 'a notification area appeared' "$WORK/app.log" &&
  step PASS "the window goes into tray mode: the program says so" ||
  step FAIL "the window goes into tray mode: the program says so" "$(grep dorvane: "$WORK/app.log" | tr '\n' ' ')"; }

# find_icon SHOT: the centre "x y" of the icon (the red of its clock) in the panel at the bottom of the screen.
find_icon() {
  local box
  box=$(convert "$1" -crop "${SCREEN_W}x60+0+$((SCREEN_H - 60))" +repage -fx 'r>0.45 && r>2.2*g && r>2.2*b ? 1 : 0' \
        -format '%@' info: 2>/dev/null)
  [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] && [ "${BASH_REMATCH[1]}" -ge 6 ] && [ "${BASH_REMATCH[1]}" -le 48 ] ||
    return 1
  echo "$((BASH_REMATCH[3] + BASH_REMATCH[1] / 2)) $((SCREEN_H - 60 + BASH_REMATCH[4] + BASH_REMATCH[2] / 2))"
}
# ocr_find SHOT X Y W H WORD: the centre "x y" of WORD read in that part of the picture.
ocr_find() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -resize 300% "$WORK/ocr-find.png" 2>/dev/null
  tesseract "$WORK/ocr-find.png" - tsv 2>/dev/null |
    awk -F'\t' -v w="$6" -v x="$2" -v y="$3" '$12 == w {printf "%d %d\n", x + ($7 + $9 / 2) / 3, y + ($8 + $10 / 2) / 3; exit}'
}
# menu_at X Y: right-clicks there and prints what the menu above it says; keeps the screenshot in $WORK/menu.png.
menu_at() {
  xdo mousemove "$1" "$2" click 3
  sleep 1.5
  shot "$WORK/menu.png"
  convert "$WORK/menu.png" -crop "400x300+$(($1 > 300 ? $1 - 300 : 0))+$(($2 - 300))" +repage "$WORK/menu-part.png"
  ocr "$WORK/menu-part.png" 300
}

ICONXY=
for _ in $(seq 20); do shot "$WORK/icon.png"; ICONXY=$(find_icon "$WORK/icon.png") && break; sleep 0.5; done
keep_shot "$WORK/icon.png" "plasma-$PLASMA_MODE-icon.png"
if [ -n "$ICONXY" ]; then
  step PASS "the icon shows in the panel's tray" "at $ICONXY"
  set -- $ICONXY; IX=$1 IY=$2
  TEXT=$(menu_at "$IX" "$IY")
  keep_shot "$WORK/menu.png" "plasma-$PLASMA_MODE-menu.png"
  if [[ $TEXT == *Configure*Exit* ]]; then step PASS "a right click opens the menu with Configure and Exit" "reads: $TEXT"
  else step FAIL "a right click opens the menu with Configure and Exit" "reads: $TEXT"; fi
  xdo key Escape
else
  step FAIL "the icon shows in the panel's tray" "nothing of its red in the panel"
fi

# --- the alert at the first tick, 30 s after start --------------------------------------------------------------------
GREEN=0,255,0
covered() {
  [ -z "$(other_colour "$1" "$GREEN" "2 2" "$((SCREEN_W - 3)) 2" "$((SCREEN_W / 2)) $((SCREEN_H / 3))" "2 $((SCREEN_H - 3))" \
            "$((SCREEN_W - 3)) $((SCREEN_H - 3))" "$((SCREEN_W / 2)) $((SCREEN_H - 20))")" ]
}
# --- Alt+F4 on the configuration window, then another program has the focus, unless the alert came already ------------
shot "$WORK/pre-close.png"
if covered "$WORK/pre-close.png"; then
  info "the alert came $(($(date +%s) - T0)) s after start, before the configuration window was closed"
else
  what="Alt+F4 on the configuration window only hides it, and the program runs on"
  if [ "$PLASMA_MODE" = x11 ]; then
    CONF=$(config_window)
    [ -n "$CONF" ] && [ "$(wm_state "$CONF")" = Normal ] && close_box "$CONF"
    if wait_state Withdrawn 5 && sleep 1 && app_alive; then step PASS "$what"; else step FAIL "$what" "$(wm_state "$(config_window)"), running: $(app_alive && echo yes || echo no)"; fi
    activate "$OTHER" || info "the xterm could not be made the active window"
  else
    # The configuration window has had the focus since the program started, before Plasma.
    xdo key --clearmodifiers alt+F4
    if wait_for 5 grep -qE 'xdg_toplevel@[0-9]+\.close\(' "$WORK/app.log" && sleep 1 && app_alive; then
      step PASS "$what (KWin sent xdg_toplevel.close)"
    else
      step FAIL "$what (KWin sent xdg_toplevel.close)" "close sent: $(grep -cE 'xdg_toplevel@[0-9]+\.close\(' "$WORK/app.log"), running: $(app_alive && echo yes || echo no)"
    fi
    sleep 0.5
    shot "$WORK/before-other.png"
    weston-terminal --shell=/bin/cat >"$WORK/terminal.log" 2>&1 &
    PIDS+=($!)
    OTHER=
    other_by_change "$WORK/before-other.png" && OTHER=weston-terminal || info "weston-terminal showed no window"
  fi
  info "another program has the focus $(($(date +%s) - T0)) s after start"
fi
ALERT=0
while [ $(($(date +%s) - T0)) -lt 45 ]; do
  shot "$WORK/alert.png"
  covered "$WORK/alert.png" && { ALERT=1; break; }
  sleep 0.5
done
if [ $ALERT = 1 ]; then
  keep_shot "$WORK/alert.png" "plasma-$PLASMA_MODE-alert.png"
  step PASS "the alert covers the whole screen, panel included, $(($(date +%s) - T0)) s after start"
  if [ "$PLASMA_MODE" = x11 ] && [ -n "${OTHER:-}" ]; then
    stacked_step "the alert comes as the top window over the focused xterm, and covers it" "$(alert_window)" "$WORK/alert.png" "$GREEN"
  elif [ -n "${OTHER:-}" ]; then
    off=$(covers_other "$WORK/alert.png" "$GREEN")
    [ -z "$off" ] && step PASS "the alert covers weston-terminal's window, which had the focus" ||
      step FAIL "the alert covers weston-terminal's window, which had the focus" "points of another colour:$off"
  fi
  [ "$PLASMA_MODE" = wayland ] && info "alert's requests: $(grep -oE 'xdg_toplevel@[0-9]+\.set_fullscreen\([^)]*\)' "$WORK/app.log" | sort -u | tr '\n' ' ')"
  xdo mousemove $((SCREEN_W / 2)) $((SCREEN_H - 2400 / 15 + 17)) click 1 # the middle of its button
  gone=0
  for _ in $(seq 20); do shot "$WORK/after.png"; covered "$WORK/after.png" || { gone=1; break; }; sleep 0.25; done
  [ $gone = 1 ] && step PASS "the alert's button dismisses it" || step FAIL "the alert's button dismisses it" "still covered"
else
  shot "$WORK/alert.png"; keep_shot "$WORK/alert.png" "plasma-$PLASMA_MODE-alert.png"
  step FAIL "the alert covers the whole screen, panel included" "colours at the corners: $(pixel "$WORK/alert.png" 2 2) $(pixel "$WORK/alert.png" 2 $((SCREEN_H - 3)))"
fi

# --- the watcher goes and comes back (kded5 restarts) -----------------------------------------------------------------
if [ "$PLASMA_MODE" = wayland ] && [ -n "$ITEM" ]; then
  end_watcher() { local p; p=$(bus_pid org.kde.StatusNotifierWatcher); [ -n "$p" ] && kill "$p"; }
  end_watcher
  for _ in $(seq 40); do has_owner org.kde.StatusNotifierWatcher || break; sleep 0.25; done
  if grep -qF 'the notification area went away' "$WORK/app.log" || sleep 2 && grep -qF 'the notification area went away' "$WORK/app.log"; then
    step PASS "the watcher ends: the program says so"
  else
    step FAIL "the watcher ends: the program says so" "$(grep dorvane: "$WORK/app.log" | tr '\n' ' ')"
  fi
  bg kded2 kded5
  T2=$(date +%s)
  wait_item && step PASS "the watcher comes back: the icon registers again, $(($(date +%s) - T2)) s later" ||
    step FAIL "the watcher comes back: the icon registers again" "items: $(watcher_items | tr '\n' ' ')"
  n=$(grep -cF 'a notification area appeared' "$WORK/app.log")
  for _ in $(seq 40); do [ "$(grep -cF 'a notification area appeared' "$WORK/app.log")" -ge 2 ] && break; sleep 0.25; done
  [ "$(grep -cF 'a notification area appeared' "$WORK/app.log")" -ge 2 ] && step PASS "the window goes back into tray mode" ||
    step FAIL "the window goes back into tray mode" "$(grep dorvane: "$WORK/app.log" | tr '\n' ' ')"
  sleep 3
fi

# --- Exit from the menu ------------------------------------------------------------------------------------------------
how="SIGTERM"
if [ -n "$ICONXY" ] && app_alive; then
  shot "$WORK/icon2.png"; XY=$(find_icon "$WORK/icon2.png") || XY=$ICONXY
  set -- $XY
  menu_at "$1" "$2" >/dev/null
  EXIT=$(ocr_find "$WORK/menu.png" $(($1 > 300 ? $1 - 300 : 0)) $(($2 - 300)) 400 300 Exit)
  if [ -n "$EXIT" ]; then xdo mousemove $EXIT click 1; how="the menu's Exit (at $EXIT)"; else kill "$APP"; fi
else
  kill "$APP" 2>/dev/null
fi
if wait_for 10 app_gone; then wait "$APP"; step PASS "$how: the program ends" "status $?"; else step FAIL "$how: the program ends" "still running 10 s later"; fi
[ "$how" = SIGTERM ] && step FAIL "Exit from the menu" "no Exit found in the menu"

end_steps
