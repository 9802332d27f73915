#!/usr/bin/env bash
# Wayland check: Dorvane as a native Qt Wayland client of a real compositor, weston 10 with its headless backend and
# desktop shell (a panel along the top, no tray, no input seat). The program's Wayland traffic is logged
# (WAYLAND_DEBUG=client) and read back; the clock is faked so that the alert comes at the first tick, 30 s in.
# Steps: the configuration window maps; another program's window (weston-terminal) maps above it; the alert maps; the
# alert asks for fullscreen or is configured to the whole output; a screenshot shows the alert over the whole output,
# the terminal's window included; the program ends on SIGTERM with status 0.
# With no seat nothing has the keyboard focus here, and nothing can close the configuration window: weston 10's shells
# bind no key or button to a close (xdg_toplevel.close is never sent), and without a tray it cannot be hidden.
# Usage, in a checkout: bash tests/desktop/wayland.sh [path/to/dorvane]
#   without a path, the checkout is built first
# One PASS/FAIL line per step (INFO lines say what was seen); exit 0 when all pass, 1 when any step fails,
# 77 (skipped) when a package of DESKTOP_WESTON_PACKAGES (scripts/packages.sh) is missing or the compositor does not
# start. On a failure the logs and the screenshot are kept in /tmp.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
need_packages DESKTOP_WESTON_PACKAGES
SOCK=wl-dorvane
acc_exe "$@"

# --- the compositor: weston, headless, drawn in memory by pixman so that screenshots work (--debug allows them) ---
export XDG_RUNTIME_DIR="$WORK/run"
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$WORK/shots"
weston --backend=headless-backend.so --use-pixman --width="$SCREEN_W" --height="$SCREEN_H" --socket="$SOCK" \
  --debug --no-config --idle-time=0 --log="$WORK/weston.log" >"$WORK/weston.out" 2>&1 &
PIDS+=($!)
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/$SOCK" ] && break; sleep 0.1; done
if [ ! -S "$XDG_RUNTIME_DIR/$SOCK" ]; then
  echo "wayland.sh: weston did not start: $(tail -n 3 "$WORK/weston.log" "$WORK/weston.out" 2>/dev/null | tr '\n' ' ')"; exit 77
fi
export WAYLAND_DISPLAY=$SOCK
# A screenshot of the whole output into $1.
weston_shot() {
  rm -f "$WORK"/shots/*.png
  (cd "$WORK/shots" && weston-screenshooter >/dev/null 2>&1)
  mv "$(ls "$WORK"/shots/*.png 2>/dev/null | head -n 1)" "$1" 2>/dev/null
}
SHOT_WITH=weston_shot
# The shell is up once its panel is drawn (the bare output is black).
for _ in $(seq 40); do shot "$WORK/desktop.png" && [ "$(pixel "$WORK/desktop.png" 2 2)" != "0,0,0" ] && break; sleep 0.25; done
info "compositor: $(weston --version 2>&1), headless output ${SCREEN_W}x$SCREEN_H, desktop shell"

# --- the program: native Wayland only (no X display to fall back to, no session bus, so no tray) ---------------
# A green alert, which nothing else here is.
acc_store 'SaturdayTime=7:05:00 AM' 'WorkSaturday=1' 'BackColor=65280'
FAKE_TIME='2026-12-05 07:05:02' # a Saturday, at the stored minute
unset DISPLAY
export QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client DBUS_SESSION_BUS_ADDRESS="unix:path=$WORK/no-bus"
acc_start "$EXE"
unset WAYLAND_DEBUG
T0=$(date +%s)

# The program's xdg toplevels, in the order created, from its protocol log, one tab-separated line each:
#   title  mapped(0/1)  entered-output(0/1)  toplevel-requests  configures(WxH/states-bytes)  window-geometry
toplevels() {
  awk '
    function obj(s, kind,   t) { if (match(s, kind "@[0-9]+")) return substr(s, RSTART, RLENGTH); return "" }
    /wl_compositor@[0-9]+\.create_surface\(new id/ { delete ws[obj($0, "wl_surface")] }
    /\.get_xdg_surface\(new id xdg_surface@/ { x = obj($0, "xdg_surface"); sub(/.*new id xdg_surface@[0-9]+/, ""); surf[x] = obj($0, "wl_surface") }
    /\.get_toplevel\(new id xdg_toplevel@/ {
      x = obj($0, "xdg_surface"); t = obj(substr($0, index($0, "new id")), "xdg_toplevel")
      n++; tl[t] = n; xs[x] = n; ws[surf[x]] = n; title[n] = "?"; next }
    /xdg_toplevel@[0-9]+\.set_title\(/ { i = tl[obj($0, "xdg_toplevel")]; s = $0; sub(/.*set_title\("/, "", s); sub(/"\)[^)]*$/, "", s); if (i) title[i] = s; next }
    /xdg_toplevel@[0-9]+\.(set_fullscreen|unset_fullscreen|set_maximized|unset_maximized|set_minimized|set_parent|move|resize)\(/ {
      i = tl[obj($0, "xdg_toplevel")]; s = $0; sub(/.*xdg_toplevel@[0-9]+\./, "", s); if (i && index(req[i], s) == 0) req[i] = req[i] " " s; next }
    /xdg_toplevel@[0-9]+\.configure\(/ {
      i = tl[obj($0, "xdg_toplevel")]; s = $0; sub(/.*configure\(/, "", s); gsub(/[ )]/, "", s); split(s, a, ",")
      sub(/array\[/, "", a[3]); sub(/\]/, "", a[3]); c = a[1] "x" a[2] "/" a[3]
      if (i && index(" " conf[i] " ", " " c " ") == 0) conf[i] = conf[i] " " c; next }
    /xdg_surface@[0-9]+\.ack_configure\(/ { i = xs[obj($0, "xdg_surface")]; if (i) acked[i] = 1; next }
    /xdg_surface@[0-9]+\.set_window_geometry\(/ {
      i = xs[obj($0, "xdg_surface")]; s = $0; sub(/.*set_window_geometry\(/, "", s); gsub(/[ )]/, "", s); split(s, a, ",")
      if (i) geom[i] = a[1] "," a[2] " " a[3] "x" a[4]; next }
    /wl_surface@[0-9]+\.attach\(wl_buffer@/ { i = ws[obj($0, "wl_surface")]; if (i && acked[i]) att[i] = 1; next }
    /wl_surface@[0-9]+\.commit\(/ { i = ws[obj($0, "wl_surface")]; if (i && att[i]) mapped[i] = 1; next }
    /wl_surface@[0-9]+\.enter\(wl_output@/ { i = ws[obj($0, "wl_surface")]; if (i) entered[i] = 1; next }
    END { for (i = 1; i <= n; i++)
            printf "%s\t%d\t%d\t%s\t%s\t%s\n", title[i], mapped[i], entered[i], req[i] == "" ? " none" : req[i],
                   conf[i] == "" ? " none" : conf[i], geom[i] == "" ? "none" : geom[i] }
  ' "$WORK/app.log" 2>/dev/null
}
# Wait up to N seconds for a toplevel matching the awk condition $2 to map and enter the output; prints its line.
wait_toplevel() {
  local n=$1 cond=$2 line
  for _ in $(seq $((n * 4))); do
    line=$(toplevels | awk -F'\t' "($cond) && \$2 == 1 && \$3 == 1 {print; exit}")
    [ -n "$line" ] && { echo "$line"; return 0; }
    app_alive || return 1
    sleep 0.25
  done
  return 1
}
describe() { # one toplevel line in words
  IFS=$'\t' read -r t m e r c g <<<"$1"
  echo "\"$t\": mapped=$m on-output=$e; requests:$r; compositor configures:$c; window geometry $g"
}

if CONF=$(wait_toplevel 15 "\$1 == \"$TITLE\""); then
  step PASS "configuration window maps" "$(describe "$CONF")"
else
  step FAIL "configuration window maps" "$(app_alive || echo 'the program ended; ')$(toplevels | while read -r l; do describe "$l"; done | tr '\n' ' ')"
fi

# Another program's window, mapped after the configuration window and so above it, where the shell places it: found
# as what it changes on the screen, once that holds still.
sleep 1
shot "$WORK/before-other.png"
weston-terminal --shell=/bin/cat >"$WORK/terminal.log" 2>&1 &
PIDS+=($!)
if other_by_change "$WORK/before-other.png"; then
  info "weston-terminal maps above the configuration window, at $OX,$OY ${OW}x$OH"
  keep_shot "$WORK/other.png" weston-other-window.png
else
  step FAIL "another program's window (weston-terminal) maps" "nothing of its size came; $(tail -n 2 "$WORK/terminal.log" | tr '\n' ' ')"
fi

# The first tick is 30 s after start; allow 45 s.
if ALERT=$(wait_toplevel $((45 - ($(date +%s) - T0))) "\$1 != \"$TITLE\""); then
  step PASS "alert maps $(($(date +%s) - T0)) s after start" "$(describe "$ALERT")"
  IFS=$'\t' read -r _ _ _ AREQ ACONF AGEOM <<<"$ALERT"
  if [[ " $AREQ " == *" set_fullscreen("* ]]; then
    step PASS "alert requests fullscreen" "${AREQ# }"
  elif [[ " $ACONF " == *" ${SCREEN_W}x$SCREEN_H/"* ]]; then
    step PASS "alert is configured to the whole output (${SCREEN_W}x$SCREEN_H)" "configures:$ACONF"
  else
    step FAIL "alert requests fullscreen or is configured to the whole output (${SCREEN_W}x$SCREEN_H)" \
      "requests:$AREQ; compositor configures:$ACONF (0x0: the client picks its size); window geometry $AGEOM, placed where the compositor chose"
  fi
  # What a user sees: the alert's own colour, sampled in an empty part of it, in every corner of the output.
  sleep 1
  shot "$WORK/alert.png"
  keep_shot "$WORK/alert.png" weston-alert.png
  BG=0,255,0
  off=$(other_colour "$WORK/alert.png" "$BG" "2 2" "$((SCREEN_W - 3)) 2" "2 $((SCREEN_H - 3))" "$((SCREEN_W - 3)) $((SCREEN_H - 3))")
  # Where the alert's colour shows: its bounding box (a black frame added first, so that trim keeps the colour).
  BOX=$(convert "$WORK/alert.png" -fill black +opaque "rgb($BG)" -bordercolor black -border 1 -trim \
    -format '%w %h %X %Y' info: 2>/dev/null)
  set -- $BOX
  [ "$#" = 4 ] && BOX="${1}x$2 at $((${3#+} - 1)),$((${4#+} - 1))"
  if [ -n "$BG" ] && [ -z "$off" ]; then
    step PASS "screenshot: the alert (colour $BG) covers the whole output"
  else
    step FAIL "screenshot: the alert (colour $BG) covers the whole output" "corners of another colour:$off; the alert's colour shows over $BOX"
  fi
  if [ -n "${OW:-}" ]; then
    off=$(covers_other "$WORK/alert.png" "$BG")
    [ -z "$off" ] && step PASS "screenshot: the alert covers weston-terminal's window, which was on top" ||
      step FAIL "screenshot: the alert covers weston-terminal's window, which was on top" "points of another colour:$off"
  fi
else
  step FAIL "alert maps within 45 s of start" "$(app_alive || echo 'the program ended; ')toplevels: $(toplevels | while read -r l; do describe "$l"; done | tr '\n' ' ')"
  step FAIL "alert requests fullscreen or is configured to the whole output" "no alert"
  step FAIL "screenshot: the alert covers the whole output" "no alert"
fi

# Anything the program said besides its protocol traffic.
grep -v '^\[' "$WORK/app.log" | sort | uniq -c | sed 's/^ *[0-9]* /program said: /' | head -n 8 | while read -r l; do info "$l"; done

step_sigterm "survives, and ends on SIGTERM with status 0"
end_steps
