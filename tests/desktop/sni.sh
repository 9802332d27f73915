#!/usr/bin/env bash
# Tray check: Dorvane's tray icon under a real StatusNotifierItem host, the Status Tray plugin of xfce4-panel 4.18
# (XFCE's host; KDE Plasma, LXQt and GNOME's AppIndicator extension speak the same D-Bus protocol).
# Qt 6 takes its D-Bus tray (SNI) when a StatusNotifierWatcher is on the session bus at start-up, otherwise the
# XEmbed tray, so the host and the program share one private session bus, and the program starts after the watcher.
# Usage, in a checkout: bash tests/desktop/sni.sh [path/to/dorvane]
#   without a path, the checkout is built first
#   SNI_MODE=xembed   control run: same host and steps, but the program sees no session bus and embeds by XEmbed
# Between the menu's Configure and its Exit, with the configuration window hidden and an xterm focused, the alert comes
# at its minute (the clock is faked: the first tick, 30 s after start): it must be the top window and cover the xterm,
# and its button dismisses it. Not in the control run, whose window manager and panel are the same.
# One PASS/FAIL line per step; exit 0 when all pass, 1 when any step fails, 77 (skipped) when a package of
# DESKTOP_XFCE_PACKAGES (scripts/packages.sh) is missing or the host could not be started.
ACC_NO_TRAY=1
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
need_packages DESKTOP_XFCE_PACKAGES
SNI_MODE=${SNI_MODE:-sni}
XFCONFD=$(xfconfd_path)
acc_exe "$@"
acc_display

# The watcher's items, one "service path" per line.
sni_items() {
  watcher_items | while read -r it; do
    case $it in */*) echo "${it%%/*} /${it#*/}" ;; *) echo "$it /StatusNotifierItem" ;; esac
  done
}
# The program's item as "service path", if registered.
app_item() {
  local svc path
  while read -r svc path; do
    [ "$(bus_pid "$svc")" = "$APP" ] && { echo "$svc $path"; return 0; }
  done < <(sni_items)
  return 1
}

# --- the host: a private session bus, xfconfd, and a panel with only a spacer and the Status Tray -----------
XFCE="$WORK/xfce"
mkdir -p "$XFCE/xfce4/xfconf/xfce-perchannel-xml" "$WORK/cache" "$WORK/data"
cat >"$XFCE/xfce4/xfconf/xfce-perchannel-xml/xfce4-panel.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=6;x=0;y=0"/>
      <property name="length" type="uint" value="100"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="icon-size" type="uint" value="16"/>
      <property name="size" type="uint" value="26"/>
      <property name="plugin-ids" type="array"><value type="int" value="1"/><value type="int" value="2"/></property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="separator">
      <property name="expand" type="bool" value="true"/>
      <property name="style" type="uint" value="0"/>
    </property>
    <property name="plugin-2" type="string" value="systray">
      <property name="square-icons" type="bool" value="true"/>
    </property>
  </property>
</channel>
EOF
# No service directories on the bus: nothing is started behind the script's back (xfconfd is started here).
start_bus session bus
export DBUS_SESSION_BUS_ADDRESS="unix:path=$WORK/bus" NO_AT_BRIDGE=1
host_env=(XDG_CONFIG_HOME="$XFCE" XDG_CACHE_HOME="$WORK/cache" XDG_DATA_HOME="$WORK/data" GSETTINGS_BACKEND=memory)
env "${host_env[@]}" "$XFCONFD" >"$WORK/xfconfd.log" 2>&1 &
PIDS+=($!)
wait_for 5 has_owner org.xfce.Xfconf
env "${host_env[@]}" xfce4-panel --disable-wm-check >"$WORK/panel.log" 2>&1 &
PANEL=$!
PIDS+=($PANEL)
if ! wait_for 10 has_owner org.kde.StatusNotifierWatcher; then
  step FAIL "host: xfce4-panel's Status Tray owns org.kde.StatusNotifierWatcher" "$(tail -n 3 "$WORK/panel.log" | tr '\n' ' ')"
  exit 77
fi
# The tray runs in a plugin process that the panel starts; it is ours to end too.
WRAPPER=$(bus_pid org.kde.StatusNotifierWatcher)
[ -n "$WRAPPER" ] && [ "$(ps -o ppid= -p "$WRAPPER" | tr -d ' ')" = "$PANEL" ] && PIDS+=($WRAPPER)
info "host: xfce4-panel $(xfce4-panel --version 2>/dev/null | grep -o '[0-9]\+\.[0-9.]*' | head -n 1), its Status Tray is the StatusNotifierWatcher (mode $SNI_MODE)"

# Another program's window, there before the program starts (away from the panel).
[ "$SNI_MODE" = xembed ] || start_xterm || fail "no xterm window"

# The panel as it is before the program starts (once drawn: no longer the black of the bare screen).
for _ in $(seq 40); do
  sleep 0.25; shot "$WORK/before.png"
  [ "$(pixel "$WORK/before.png" $((SCREEN_W / 2)) 5)" != "0,0,0" ] && break
done
sleep 0.5; shot "$WORK/before.png"
convert "$WORK/before.png" -crop "${SCREEN_W}x30+0+0" +repage "$WORK/strip0.png"
# How many pixels of the panel strip differ from before the program started.
panel_changes() {
  shot "$WORK/now.png"
  convert "$WORK/now.png" -crop "${SCREEN_W}x30+0+0" +repage "$WORK/strip1.png"
  compare -metric AE -fuzz 8% "$WORK/strip0.png" "$WORK/strip1.png" null: 2>&1 | grep -o '^[0-9]*'
}

# --- the program ---------------------------------------------------------------------------------------------
# A green alert, which nothing else here is, at the first tick.
if [ "$SNI_MODE" = xembed ]; then
  acc_store
else
  acc_store 'SaturdayTime=7:05:00 AM' 'WorkSaturday=1' 'BackColor=65280'
  FAKE_TIME='2026-12-05 07:04:40'
fi
if [ "$SNI_MODE" = xembed ]; then
  DBUS_SESSION_BUS_ADDRESS="unix:path=$WORK/no-bus" acc_start "$EXE"
else
  acc_start "$EXE"
fi
T0=$(date +%s)

ITEM=
if [ "$SNI_MODE" != xembed ]; then
  for _ in $(seq 40); do ITEM=$(app_item) && break; sleep 0.25; done
  if [ -n "$ITEM" ]; then
    MENU=$(dbus_prop "${ITEM% *}" "${ITEM#* }" org.kde.StatusNotifierItem Menu)
    step PASS "icon registered as a StatusNotifierItem ($ITEM, Menu=$MENU)"
  else
    step FAIL "icon registered as a StatusNotifierItem" "the watcher lists: $(sni_items | tr '\n' ' ')"
  fi
fi

# Find the icon as a user would: what appeared on the panel since the program started.
ICON=
for _ in $(seq 20); do
  shot "$WORK/after.png"
  ICON=$(convert "$WORK/strip0.png" \( "$WORK/after.png" -crop "${SCREEN_W}x30+0+0" +repage \) -compose difference \
    -composite -threshold 8% -trim -format '%w %h %X %Y' info: 2>/dev/null)
  set -- $ICON
  [ "$#" = 4 ] && [ "$1" -ge 8 ] && [ "$1" -le 40 ] && [ "$2" -ge 8 ] && [ "$2" -le 30 ] && break
  ICON=; sleep 0.25
done
if [ -z "$ICON" ]; then
  step FAIL "icon shown on the panel" "nothing icon-sized appeared on the panel"
  end_steps; exit
fi
set -- $ICON
IX=$(($3 + $1 / 2)) IY=$(($4 + $2 / 2))
step PASS "icon shown on the panel (${1}x$2 at ${3#+},${4#+})"
if [ "$SNI_MODE" = xembed ]; then # the control run looks once, with the icon already on the panel
  ITEM=$(app_item)
  [ -z "$ITEM" ] && step PASS "control: no SNI item, the program uses the XEmbed tray" ||
    step FAIL "control: no SNI item, the program uses the XEmbed tray" "registered $ITEM"
fi

for _ in 1 2; do
  toggle_step "left click" xdotool mousemove "$IX" "$IY" click 1
  sleep 0.6 # apart from a double-click
done

# Right click, then read what popped up near the icon (the part of the top-right corner that changed):
# sets MENU_TEXT and the centres CONF_XY and EXIT_XY of the items.
MX0=$((IX > 400 ? IX - 400 : 0))
open_menu() {
  local box
  CONF_XY= EXIT_XY= MENU_TEXT=
  shot "$WORK/premenu.png"
  xdotool mousemove "$IX" "$IY" click 3
  for _ in 1 2 3 4; do
    sleep 0.5
    shot "$WORK/menu.png"
    box=$(convert "$WORK/premenu.png" "$WORK/menu.png" -crop "$((SCREEN_W - MX0))x240+$MX0+0" +repage \
      -compose difference -composite -threshold 8% -trim -format '%w %h %X %Y' info: 2>/dev/null)
    set -- $box
    [ "$#" = 4 ] || continue
    # the changed box, 4 pixels wider on every side, in screen coordinates
    local bx=$((MX0 + ${3#+} - 4)) by=$((${4#+} - 4)) bw=$(($1 + 8)) bh=$(($2 + 8))
    [ $by -lt 0 ] && by=0
    convert "$WORK/menu.png" -crop "${bw}x$bh+$bx+$by" +repage -resize 300% "$WORK/menu3.png" 2>/dev/null
    tesseract "$WORK/menu3.png" - tsv 2>/dev/null >"$WORK/menu.tsv"
    MENU_TEXT=$(awk -F'\t' 'NR > 1 && $12 ~ /[A-Za-z]/ {printf "%s ", $12}' "$WORK/menu.tsv")
    CONF_XY=$(awk -F'\t' -v x0="$bx" -v y0="$by" '$12 == "Configure" {printf "%d %d", x0 + ($7 + $9 / 2) / 3, y0 + ($8 + $10 / 2) / 3; exit}' "$WORK/menu.tsv")
    EXIT_XY=$(awk -F'\t' -v x0="$bx" -v y0="$by" '$12 == "Exit" {printf "%d %d", x0 + ($7 + $9 / 2) / 3, y0 + ($8 + $10 / 2) / 3; exit}' "$WORK/menu.tsv")
    [ -n "$CONF_XY" ] && [ -n "$EXIT_XY" ] && return 0
  done
  cp "$WORK/menu.png" "/tmp/dorvane-sni-menu-$$.png" 2>/dev/null && MENU_TEXT="$MENU_TEXT(screenshot /tmp/dorvane-sni-menu-$$.png)"
  xdotool key Escape # close whatever the host showed instead
  sleep 0.3
  return 1
}

MENU_OK=0
if open_menu; then
  step PASS "right click: popup menu with Configure and Exit"
  keep_shot "$WORK/menu.png" "sni-$SNI_MODE-menu.png"
  toggle_step "menu Configure" xdotool mousemove $CONF_XY click 1
  MENU_OK=1
else
  step FAIL "right click: popup menu with Configure and Exit" "saw: ${MENU_TEXT:-nothing}"
  step FAIL "menu Configure: toggles the configuration window" "no menu to pick it from"
fi

# --- the alert over another program that has the focus ----------------------------------------------------------
[ "$SNI_MODE" = xembed ] || {
window_shown && close_box "$(config_window)" && wait_shown 0 5
activate "$OTHER" || info "the xterm could not be made the active window"
info "the xterm has the focus $(($(date +%s) - T0)) s after start; the configuration window is $(window_shown && echo shown || echo hidden)"
left=$((T0 + 45 - $(date +%s)))
if alert=$(wait_window '^Form1$' $((left > 1 ? left : 1))); then
  sleep 1
  shot "$WORK/alert.png"
  keep_shot "$WORK/alert.png" "sni-$SNI_MODE-alert.png"
  stacked_step "the alert comes $(($(date +%s) - T0 - 1)) s after start as the top window over the focused xterm, and covers it" \
    "$alert" "$WORK/alert.png" 0,255,0
  # The middle of its button, more than half a second after the alert came.
  xdotool mousemove --sync $((SCREEN_W / 2)) $((SCREEN_H - 2400 / 15 + 17)) click 1
  wait_gone '^Form1$' 5 && step PASS "the alert's button dismisses it" || step FAIL "the alert's button dismisses it" "still up 5 s later"
else
  step FAIL "the alert comes at its minute" "none within 45 s of start"
fi
}

if [ $MENU_OK = 1 ] && open_menu; then
  xdotool mousemove $EXIT_XY click 1
  wait_for 10 app_gone && step PASS "menu Exit: the program ends" || step FAIL "menu Exit: the program ends" "still running 10 s later"
else
  step FAIL "menu Exit: the program ends" "no menu to pick it from; saw: ${MENU_TEXT:-nothing}"
fi

if ! app_alive; then
  gone=0
  for _ in $(seq 12); do
    [ "$(panel_changes)" = 0 ] && { [ -z "$ITEM" ] || ! sni_items | grep -q "^${ITEM% *} "; } && { gone=1; break; }
    sleep 0.25
  done
  [ $gone = 1 ] && step PASS "icon leaves the panel with the program" ||
    step FAIL "icon leaves the panel with the program" "$(panel_changes) pixels still differ; the watcher lists: $(sni_items | tr '\n' ' ')"
fi

end_steps
