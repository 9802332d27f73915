#!/usr/bin/env bash
# GNOME check: Dorvane under GNOME Shell 43 (Debian 12), mutter as the Wayland compositor, headless with one virtual
# monitor, and the AppIndicator/KStatusNotifierItem extension (ubuntu-appindicators@ubuntu.com) as the tray.
# The shell runs on a private session bus and a private system bus (no service dirs: nothing is started behind the
# script's back), settings from a keyfile, and a small test extension that turns on the shell's unsafe mode so that
# org.gnome.Shell.Eval (window list, virtual pointer) and org.gnome.Shell.Screenshot answer.
# The clock is faked so that the alert comes at the first tick, 30 s in.
# Steps: the configuration window maps; the icon is registered with the extension's watcher and shown in the top
# bar; a double click on the icon (what the extension turns into Activate) hides and shows the configuration window;
# a right click on the icon opens a menu with Configure and Exit; the shell's own close of the configuration window
# (what Alt+F4 does) only hides it; with another program's window focused (weston-terminal, natively, or an xterm
# through Xwayland) the alert maps at its minute as the top window and covers that window; it covers the whole screen,
# top bar included; its button dismisses it; the menu's Exit (from the top bar, or from the program's own menu asked for
# by D-Bus ContextMenu where the item exports none)
# ends the program.
# Usage, in a checkout: bash tests/desktop/gnome.sh [path/to/dorvane]
#   without a path, the checkout is built first
#   GNOME_MODE=x11     run the program through Xwayland (QT_QPA_PLATFORM=xcb) instead of as a native Wayland client
#   GNOME_MODE=late    the tray comes late: the extension is enabled only once the program runs (native Wayland, where
#                      no XEmbed tray can stand in); the icon must then show within 30 s, with its menu; no alert step
# One PASS/FAIL line per step (INFO lines say what was seen); exit 0 when all pass, 1 when any step fails,
# 77 (skipped) when a package of DESKTOP_GNOME_PACKAGES (scripts/packages.sh) is missing or the shell does not start.
# On a failure the logs and screenshots are kept in /tmp.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
need_packages DESKTOP_GNOME_PACKAGES
GNOME_MODE=${GNOME_MODE:-wayland}
SOCK=wl-dorvane-gs
EXT=ubuntu-appindicators@ubuntu.com
acc_exe "$@"

# --- the shell: private buses, a private home, settings from a keyfile -------------------------------------------
GH="$WORK/gnome-home"
TX="$GH/.local/share/gnome-shell/extensions/dorvane-test@local"
mkdir -p "$GH/.config/glib-2.0/settings" "$TX" "$WORK/run"
chmod 700 "$WORK/run"
cat >"$GH/.config/glib-2.0/settings/keyfile" <<EOF
[org/gnome/shell]
enabled-extensions=[$([ "$GNOME_MODE" = late ] || echo "'$EXT', ")'dorvane-test@local']
disable-user-extensions=false
welcome-dialog-last-shown-version='999'
EOF
echo '{"uuid": "dorvane-test@local", "name": "Dorvane test hooks", "description": "unsafe mode", "shell-version": ["43"]}' >"$TX/metadata.json"
cat >"$TX/extension.js" <<'EOF'
function init() {}
function enable() { global.context.unsafe_mode = true; }
function disable() {}
EOF
# The shell needs a system bus to start (logind is looked up there); an empty private one does.
start_bus system sysbus
start_bus session bus
export DBUS_SESSION_BUS_ADDRESS="unix:path=$WORK/bus" DBUS_SYSTEM_BUS_ADDRESS="unix:path=$WORK/sysbus"
export XDG_RUNTIME_DIR="$WORK/run" NO_AT_BRIDGE=1
unset DISPLAY WAYLAND_DISPLAY
env HOME="$GH" XDG_CONFIG_HOME="$GH/.config" XDG_DATA_HOME="$GH/.local/share" XDG_CACHE_HOME="$GH/.cache" \
  GSETTINGS_BACKEND=keyfile gnome-shell --headless --wayland --wayland-display="$SOCK" \
  --virtual-monitor "${SCREEN_W}x$SCREEN_H" >"$WORK/shell.log" 2>&1 &
SHELL_PID=$!
PIDS+=($SHELL_PID)

# Evaluate JavaScript in the shell; prints the result (a string) without its quoting.
ev() { dbus_call -d org.gnome.Shell -o /org/gnome/Shell -m org.gnome.Shell.Eval "$1" | sed -E "s/^\(true, '\"?//; s/\"?'\)$//"; }
shell_shot() { dbus_call -d org.gnome.Shell.Screenshot -o /org/gnome/Shell/Screenshot -m org.gnome.Shell.Screenshot.Screenshot false false "$1" >/dev/null; }
SHOT_WITH=shell_shot
shell_alive() { kill -0 "$SHELL_PID" 2>/dev/null; }

for _ in $(seq 120); do [ "$(ev 'String(Main.layoutManager._startingUp)')" = false ] && break; shell_alive || break; sleep 0.25; done
if [ "$(ev 'String(global.context.unsafe_mode)')" != true ]; then
  echo "gnome.sh: gnome-shell did not start (or not in unsafe mode): $(grep -E 'ERROR|JS ERROR|Bail|failed' "$WORK/shell.log" | tail -n 3 | tr '\n' ' ')"; exit 77
fi
for _ in $(seq 40); do [ "$GNOME_MODE" = late ] || has_owner org.kde.StatusNotifierWatcher && break; sleep 0.25; done
if [ "$GNOME_MODE" != late ] && ! has_owner org.kde.StatusNotifierWatcher; then
  echo "gnome.sh: the AppIndicator extension did not take org.kde.StatusNotifierWatcher: $(ev 'Main.extensionManager._extensionOrder.join(",")')"; exit 77
fi
# Leave the overview the shell starts in, drop the start-up notifications; a pointer to click with.
ev 'Main.overview.hide(); Main.messageTray.getSources().forEach(s => s.destroy()); const C = imports.gi.Clutter;
  global._dvp = C.get_default_backend().get_default_seat().create_virtual_device(C.InputDeviceType.POINTER_DEVICE); "ok"' >/dev/null
XDISP=$(grep -o 'Using public X11 display :[0-9]*' "$WORK/shell.log" | grep -o ':[0-9]*$')
info "shell: $(gnome-shell --version), headless ${SCREEN_W}x$SCREEN_H, Xwayland ${XDISP:-none}, extension $EXT $(grep -o '"version": [0-9]*' "/usr/share/gnome-shell/extensions/$EXT/metadata.json")"
sleep 1
shot "$WORK/desktop.png"

# Pointer: click X Y BUTTON [COUNT]  (presses and releases COUNT times, 100 ms apart)
click() {
  ev "const GLib = imports.gi.GLib; let d = global._dvp, t = GLib.get_monotonic_time(); d.notify_absolute_motion(t, $1, $2);
      for (let i = 0; i < ${4:-1}; i++) { d.notify_button(t + 1000 + i * 100000, $3, 1); d.notify_button(t + 40000 + i * 100000, $3, 0); } 'ok'" >/dev/null
}
# The program's windows, one "title|wl or x11|x,y wxh|fullscreen|maximized" line each.
app_windows() {
  ev "global.get_window_actors().map(a => a.meta_window).filter(w => w.get_pid() == $APP).map(w => { let f = w.get_frame_rect();
      return [w.get_title(), w.get_client_type() ? 'x11' : 'wl', f.x + ',' + f.y + ' ' + f.width + 'x' + f.height,
              'fullscreen=' + w.is_fullscreen(), 'maximized=' + (w.get_maximized() == 3)].join('|'); }).join('#NL#')" |
    sed 's/#NL#/\n/g'
}
window_shown() { app_windows | grep -q "^$TITLE|"; }

# --- the program ---------------------------------------------------------------------------------------------------
if [ "$GNOME_MODE" = late ]; then
  acc_store
else
  # A green alert, which nothing else here is.
  acc_store 'SaturdayTime=7:05:00 AM' 'WorkSaturday=1' 'BackColor=65280'
  FAKE_TIME='2026-12-05 07:05:02' # a Saturday, at the stored minute
fi
# Another program's window, there before the program: a Wayland client, or an X11 one for the program through Xwayland.
OTHER_PID=
if [ "$GNOME_MODE" = x11 ]; then
  export QT_QPA_PLATFORM=xcb DISPLAY=$XDISP XAUTHORITY=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* 2>/dev/null | head -n 1)
  xterm -geometry 60x18+40+380 -title "$OTHER_TITLE" -e cat >"$WORK/other.log" 2>&1 &
  OTHER_PID=$! OTHER_NAME=xterm
else
  export QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=$SOCK
  if [ "$GNOME_MODE" != late ]; then
    weston-terminal --shell=/bin/cat >"$WORK/other.log" 2>&1 &
    OTHER_PID=$! OTHER_NAME=weston-terminal
  fi
  export WAYLAND_DEBUG=client
fi
[ -n "$OTHER_PID" ] && PIDS+=($OTHER_PID)
# The other program's window, in the shell's script.
OTHER_JS="global.get_window_actors().map(a => a.meta_window).find(w => w.get_pid() == ${OTHER_PID:-0})"
acc_start "$EXE"
unset WAYLAND_DEBUG
T0=$(date +%s)

for _ in $(seq 60); do window_shown && break; app_alive || break; sleep 0.25; done
if window_shown; then
  step PASS "configuration window maps ($GNOME_MODE)" "$(app_windows | grep "^$TITLE|")"
else
  step FAIL "configuration window maps ($GNOME_MODE)" "windows: $(app_windows | tr '\n' ' ')"
fi

# The late tray: the program has none at start, then the extension comes with its watcher.
ITEM_WAIT=10
if [ "$GNOME_MODE" = late ]; then
  sleep 1
  if ! has_owner org.kde.StatusNotifierWatcher && grep -qF 'no notification area' "$WORK/app.log"; then
    step PASS "no tray at start: the program says so"
  else
    step FAIL "no tray at start: the program says so" "$(grep dorvane: "$WORK/app.log" | tr '\n' ' ')"
  fi
  sleep 2
  ev "Main.extensionManager.enableExtension('$EXT'); 'ok'" >/dev/null
  wait_for 10 has_owner org.kde.StatusNotifierWatcher ||
    { echo "gnome.sh: the AppIndicator extension did not come when enabled"; exit 77; }
  TW=$(date +%s)
  info "the tray came $((TW - T0)) s after the program"
  ITEM_WAIT=35
fi

# The icon: the watcher's item owned by the program, and the extension's actor for it in the top bar.
ITEM=
for _ in $(seq $((ITEM_WAIT * 4))); do
  for it in $(watcher_items); do
    [ "$(bus_pid "${it%%@*}")" = "$APP" ] && ITEM=$it
  done
  [ -n "$ITEM" ] && break; sleep 0.25
done
ICON=
if [ -n "$ITEM" ]; then
  MENU=$(dbus_prop "${ITEM%%@*}" "${ITEM#*@}" org.kde.StatusNotifierItem Menu)
  for _ in $(seq 20); do
    ICON=$(ev "let a = Main.panel.statusArea['appindicator-$ITEM']; if (!a || !a.is_mapped() || a.width < 8) ''; else
               { let [x, y] = a.get_transformed_position(); [Math.round(x), Math.round(y), a.width, a.height].join(' '); }")
    # Just added, the actor is mapped a moment before it has a position.
    [[ $ICON =~ ^-?[0-9]+( -?[0-9]+){3}$ ]] && break
    ICON=; sleep 0.25
  done
fi
# The extension's menu for the icon, as the shell's script names it.
MENU_JS="Main.panel.statusArea['appindicator-$ITEM']?.menu"
if [ -n "$ICON" ]; then
  set -- $ICON
  IX=$(($1 + $3 / 2)) IY=$(($2 + $4 / 2))
  shot "$WORK/icon.png"
  step PASS "icon in the top bar ($ITEM, Menu=$MENU, ${3}x$4 at $1,$2)${TW:+, $(($(date +%s) - TW)) s after the tray came}"
  if [ "$GNOME_MODE" = late ]; then
    if grep -qF 'a notification area appeared' "$WORK/app.log"; then step PASS "the window goes into tray mode: the program says so"
    else step FAIL "the window goes into tray mode: the program says so" "$(grep dorvane: "$WORK/app.log" | tr '\n' ' ')"; fi
  fi
else
  step FAIL "icon in the top bar" "item ${ITEM:-not registered}; the top bar has: $(ev 'Object.keys(Main.panel.statusArea).join(" ")')"
fi

if [ -n "$ICON" ]; then
  # The extension calls Activate on a double click (a single click opens the item's menu, if it has one). Until the
  # first Activate has answered it counts a press and its release as two clicks, so the first single click activates.
  window_shown && was=1 || was=0
  click "$IX" "$IY" 1 1
  sleep 1.5
  window_shown && now=1 || now=0
  info "first single click on the icon: configuration window shown=$was -> shown=$now"
  sleep 0.6
  for _ in 1 2; do
    toggle_step "double click on the icon" click "$IX" "$IY" 1 2
    sleep 0.6
  done
  click "$IX" "$IY" 3
  for _ in $(seq 16); do
    sleep 0.25; [ "$(ev "String($MENU_JS?.isOpen)")" = true ] && break
  done
  sleep 0.5
  shot "$WORK/rightclick.png"
  keep_shot "$WORK/rightclick.png" "gnome-$GNOME_MODE-menu.png"
  ITEMS=$(ev "let m = $MENU_JS; (m.isOpen ? 'open: ' : 'closed: ') +
              m._getMenuItems().map(i => i.label ? i.label.text : '-').join(' / ')")
  ev "$MENU_JS.close(); 'ok'" >/dev/null
  if [[ $ITEMS == open:*Configure*Exit* ]]; then step PASS "right click on the icon: menu with Configure and Exit" "$ITEMS"
  else step FAIL "right click on the icon: menu with Configure and Exit" "the extension's menu is $ITEMS (item Menu=$MENU: the extension shows only a D-Bus menu, it never calls ContextMenu)"; fi
fi

# --- the shell closes the configuration window, as Alt+F4 does; another program gets the focus ---------------------
if [ -n "$OTHER_PID" ]; then
  if ! window_shown && [ -n "$ICON" ]; then click "$IX" "$IY" 1 2; wait_for 3 window_shown; fi
  what="the shell's close of the configuration window (meta_window.delete, as Alt+F4) hides it, and the program runs on"
  said=$(ev "let w = global.get_window_actors().map(a => a.meta_window).find(w => w.get_pid() == $APP && w.get_title() == '$TITLE');
             if (w) { w.delete(global.get_current_time()); 'closed'; } else 'no window';")
  if [ "$said" != closed ]; then step FAIL "$what" "no configuration window to close"
  elif ! wait_for 5 window_hidden; then step FAIL "$what" "still shown 5 s later"
  elif sleep 1 && ! app_alive; then step FAIL "$what" "the program ended; it said: $(grep -v '^\[' "$WORK/app.log" | tail -n 3 | tr '\n' ' ')"
  else step PASS "$what"; fi
  # Out of the middle of the screen, where the alert's own colour is sampled.
  for _ in $(seq 40); do [ "$(ev "String(!!$OTHER_JS)")" = true ] && break; sleep 0.25; done
  # Moved once the shell has placed it, which for an X11 window can come a moment after it maps.
  for _ in $(seq 12); do
    ev "let w = $OTHER_JS; w.move_resize_frame(true, 40, 380, 420, 300); w.activate(global.get_current_time()); 'ok'" >/dev/null
    sleep 0.25
    read -r OX OY OW OH < <(ev "let f = $OTHER_JS.get_frame_rect(); [f.x, f.y, f.width, f.height].join(' ')")
    [ "$OX $OY" = "40 380" ] && break
  done
  # Only the part on the screen is looked at.
  OW=$((OX + OW > SCREEN_W ? SCREEN_W - OX : OW)) OH=$((OY + OH > SCREEN_H ? SCREEN_H - OY : OH))
  FOCUS=$(ev "let f = global.display.focus_window; f ? f.get_title() + ' (process ' + f.get_pid() + ')' : 'none'")
  info "$OTHER_NAME (process $OTHER_PID) at $OX,$OY ${OW}x$OH; the focus is on $FOCUS, $(($(date +%s) - T0)) s after start"
fi
# The top window of the stack, and the one with the focus.
top_and_focus() {
  # The shell's own windows (Xwayland's, for one) are not the desktop's.
  ev "let ws = global.display.sort_windows_by_stacking(global.get_window_actors().map(a => a.meta_window)
                 .filter(w => w.showing_on_its_workspace() && w.get_pid() != $SHELL_PID));
      let t = ws[ws.length - 1], f = global.display.focus_window;
      'top ' + t.get_title() + ' (process ' + t.get_pid() + '), focus ' + (f ? f.get_title() + ' (process ' + f.get_pid() + ')' : 'none')"
}

# --- the alert: the first tick is 30 s after start; allow 45 s ------------------------------------------------------
ALERT=
while [ "$GNOME_MODE" != late ] && [ $(($(date +%s) - T0)) -lt 45 ]; do
  ALERT=$(app_windows | grep -v "^$TITLE|" | grep -v '^Dorvane|' | grep ' [0-9]\{3,\}x[0-9]\{3,\}|' | head -n 1)
  [ -n "$ALERT" ] && break
  app_alive || break; sleep 0.5
done
if [ -n "$ALERT" ]; then
  step PASS "alert maps $(($(date +%s) - T0)) s after start" "$ALERT"
  sleep 1
  ALERT=$(app_windows | grep -F "${ALERT%%|*}|" | head -n 1)
  shot "$WORK/alert.png"
  keep_shot "$WORK/alert.png" "gnome-$GNOME_MODE-alert.png"
  if [ -n "$OTHER_PID" ]; then
    STACK=$(top_and_focus)
    off=$(covers_other "$WORK/alert.png" 0,255,0)
    what="the alert comes as the top window over the focused $OTHER_NAME, and covers it"
    if [[ $STACK == "top ${ALERT%%|*} (process $APP)"* ]] && [ -z "$off" ]; then step PASS "$what" "$STACK"
    else step FAIL "$what" "$STACK; points of another colour than the alert's:${off:- none}"; fi
  fi
  BG=$(pixel "$WORK/alert.png" $((SCREEN_W / 2)) $((SCREEN_H * 6 / 10)))
  off=$(other_colour "$WORK/alert.png" "$BG" "2 2" "$((SCREEN_W / 2)) 2" "$((SCREEN_W - 3)) 2" "2 $((SCREEN_H - 3))" \
    "$((SCREEN_W - 3)) $((SCREEN_H - 3))")
  [ "$GNOME_MODE" = wayland ] && info "alert's requests: $(grep -oE 'xdg_toplevel@[0-9]+\.(set_fullscreen|set_maximized)\([^)]*\)' "$WORK/app.log" | sort -u | tr '\n' ' ')"
  if [[ $ALERT == *"|0,0 ${SCREEN_W}x$SCREEN_H|"* ]] && [ -z "$off" ]; then
    step PASS "alert covers the whole screen, top bar included" "$ALERT"
  else
    step FAIL "alert covers the whole screen, top bar included" "$ALERT; alert colour $BG, other colour at:${off:- none}"
  fi
elif [ "$GNOME_MODE" != late ]; then
  step FAIL "alert maps" "$(app_alive || echo 'the program ended; ')windows: $(app_windows | tr '\n' ' ')"
fi

# --- the alert covers the top bar, so it is dismissed before the icon can be reached again ---------------------------
if [ -n "$ALERT" ] && app_alive; then
  click $((SCREEN_W / 2)) $((SCREEN_H - 2400 / 15 + 17)) 1 # the middle of its button
  gone=0
  for _ in $(seq 20); do app_windows | grep -qF "${ALERT%%|*}|" || { gone=1; break; }; sleep 0.25; done
  [ $gone = 1 ] && step PASS "the alert's button dismisses it" || step FAIL "the alert's button dismisses it" "$(app_windows | tr '\n' ' ')"
fi

# --- the program's own menu, as hosts that call ContextMenu show it, then Exit from it ------------------------------
PMENU=
if [ -n "$ITEM" ] && [ "${MENU:-}" != "/NO_DBUSMENU" ] && [[ ${ITEMS:-} == open:*Exit* ]] && app_alive; then
  # The item exports its menu: the extension draws it, and its Exit is the one a user picks.
  info "the item exports its menu ($MENU); ContextMenu over D-Bus is not needed"
  # Under load the menu can still be opening or being laid out a second after the click, or the click can be lost
  # while the shell is busy: aim only once Exit has held still and is the reactive actor under that point, as a
  # user's eye would wait for it, and click the icon again when no menu came.
  XY=
  for _ in 1 2 3; do
    click "$IX" "$IY" 3
    last=
    for _ in $(seq 16); do
      sleep 0.25
      now=$(ev "const Clutter = imports.gi.Clutter; let m = $MENU_JS;
                let i = m._getMenuItems().find(i => i.label && i.label.text == 'Exit');
                if (!m.isOpen || !i || !i.is_mapped()) ''; else { let [x, y] = i.get_transformed_position(), [w, h] = i.get_transformed_size();
                  x = Math.round(x + w / 2); y = Math.round(y + h / 2);
                  let a = global.stage.get_actor_at_pos(Clutter.PickMode.REACTIVE, x, y);
                  while (a && a != i) a = a.get_parent(); a ? x + ' ' + y : ''; }")
      [[ $now =~ ^[0-9]+\ [0-9]+$ ]] && [ "$now" = "$last" ] && { XY=$now; break; }
      last=$now
    done
    [ -n "$XY" ] && break
    ev "$MENU_JS.close(); 'ok'" >/dev/null
    sleep 0.5
  done
  if [ -n "$XY" ]; then
    set -- $XY
    click "$1" "$2" 1
    how="the top bar menu's Exit (clicked at $XY)"
  else
    shot "$WORK/nomenu.png"
    step FAIL "a right click on the icon opens its menu again, with Exit" "three right clicks, no open menu; last seen: '${last}'"
    kill "$APP" 2>/dev/null
    how="SIGTERM"
  fi
  PMENU=skip
elif [ -n "$ITEM" ] && app_alive; then
  dbus_call -d "${ITEM%%@*}" -o "${ITEM#*@}" -m org.kde.StatusNotifierItem.ContextMenu "${IX:-0}" "${IY:-0}" >/dev/null
  for _ in $(seq 12); do PMENU=$(app_windows | grep '^Dorvane|' | head -n 1); [ -n "$PMENU" ] && break; sleep 0.25; done
fi
if [ "$PMENU" = skip ]; then
  :
elif [ -n "$PMENU" ]; then
  shot "$WORK/menu.png"
  step PASS "ContextMenu over D-Bus: the program's menu shows" "$PMENU"
  IFS='|' read -r _ _ G _ <<<"$PMENU"; mx=${G%%,*}; rest=${G#*,}; my=${rest%% *}; wh=${rest#* }; mw=${wh%x*}; mh=${wh#*x}
  click $((mx + mw / 2)) $((my + mh * 3 / 4)) 1 # the last item, Exit
  how="menu Exit"
else
  step FAIL "ContextMenu over D-Bus: the program's menu shows" "windows: $(app_windows | tr '\n' ' ')"
  kill "$APP" 2>/dev/null
  how="SIGTERM"
fi
if wait_for 10 app_gone; then wait "$APP"; step PASS "$how: the program ends" "status $?"
else
  shot "$WORK/exit.png"
  step FAIL "$how: the program ends" "still running 10 s later; the top bar menu $(ev "$MENU_JS?.isOpen ? 'is open' : 'is closed'");
    the program said: $(grep dorvane: "$WORK/app.log" | tail -n 5 | tr '\n' ' ')"
fi
sleep 2
# Not a step: this headless mutter 43 aborts (meta_window_unmanage: assertion focus_window != window) whenever a
# click makes a client destroy its last window, zenity's OK button included; here the alert is still open.
if shell_alive && [ "$(ev 'String(global.context.unsafe_mode)')" = true ]; then
  info "the shell survived the program's exit"
else
  info "the shell died at the program's exit (a known headless mutter 43 abort, not the program's): $(grep -E 'Bail' "$WORK/shell.log" | tail -n 1)"
fi

end_steps
