# Desktop checks: drive the real Dorvane program on a real desktop, black-box.
# Sourced by the scripts beside it. It can build the checkout, starts a private X server with a window manager and
# a tray host, and offers helpers to run the program against a private settings store and a faked clock, find its
# windows, take screenshots and read text off them.
# DORVANE_SHOTS=folder  keeps the screenshots that the scripts name there.
ACC_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
SRC=$(cd "$ACC_DIR/../.." && pwd)
source "$SRC/tests/lib.sh"
# ctest runs the widget tests offscreen; these run on the desktop they start.
unset QT_QPA_PLATFORM
BUILD=${ACC_BUILD:-/tmp/dorvane-desktop-build}
SCREEN_W=${SCREEN_W:-1024}
SCREEN_H=${SCREEN_H:-768}
WORK=$(mktemp -d /tmp/dorvane-acc.XXXXXX)
PIDS=()
CHECK=$(basename "$0" .sh)
TITLE='Dorvane: Configuration'

# Kill in reverse order of start, give them two seconds, then make sure, and reap. A failed run keeps its logs and
# screenshots in /tmp. Whatever is already gone must not cut it short where the script runs with set -e.
acc_cleanup() {
  set +e
  local i p
  for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do kill "${PIDS[i]}" 2>/dev/null; done
  for _ in $(seq 20); do
    p=0; for i in "${PIDS[@]}"; do kill -0 "$i" 2>/dev/null && p=1; done
    [ "$p" = 0 ] && break; sleep 0.1
  done
  for p in "${PIDS[@]}"; do kill -9 "$p" 2>/dev/null; done
  wait 2>/dev/null
  if [ "$FAILS" != 0 ] && [ -d "$WORK" ]; then
    local keep=/tmp/dorvane-$CHECK-$$
    mkdir -p "$keep" && cp "$WORK"/*.log "$WORK"/*.png "$keep"/ 2>/dev/null
    echo "$CHECK.sh: logs and screenshots kept in $keep"
  fi
  rm -rf "$WORK"
}
trap acc_cleanup EXIT

info() { printf 'INFO  %s\n' "$*"; }
# wait_for SECONDS COMMAND...: true once the command succeeds, tried every quarter second.
wait_for() {
  local n=$1
  shift
  for _ in $(seq $((n * 4))); do "$@" >/dev/null 2>&1 && return 0; sleep 0.25; done
  return 1
}

# A private D-Bus configuration of the given type (session or system) into a file: no service folders, so nothing
# is started behind the script's back.
bus_conf() {
  cat >"$2" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>$1</type>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/></policy>
</busconfig>
EOF
}
# Starts a private bus of the given type (session or system) at $WORK/NAME and waits for its socket.
start_bus() {
  bus_conf "$1" "$WORK/$2.conf"
  dbus-daemon --config-file="$WORK/$2.conf" --nofork --address="unix:path=$WORK/$2" >"$WORK/$2-dbus.log" 2>&1 &
  PIDS+=($!)
  for _ in $(seq 50); do [ -S "$WORK/$2" ] && return 0; sleep 0.1; done
  return 1
}

# On the session bus that the script set up.
dbus_call() { gdbus call --session --timeout 5 "$@" 2>/dev/null; }

# Private buses for a screen reader's view: the session bus, where the accessibility bus is found, and a
# system bus with no logind on it; then the accessibility bus itself.
start_atspi() {
  start_bus session session || fail "no private session bus"
  start_bus system system || fail "no private system bus"
  export DBUS_SESSION_BUS_ADDRESS="unix:path=$WORK/session" DBUS_SYSTEM_BUS_ADDRESS="unix:path=$WORK/system"
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$WORK/atspi-bus.log" 2>&1 &
  PIDS+=($!)
  a11y_bus() { dbus_call -d org.a11y.Bus -o /org/a11y/bus -m org.a11y.Bus.GetAddress | grep -q unix; }
  wait_for 10 a11y_bus || fail "the accessibility bus does not start: $(cat "$WORK/atspi-bus.log")"
}
has_owner() { dbus_call -d org.freedesktop.DBus -o /org/freedesktop/DBus -m org.freedesktop.DBus.NameHasOwner "$1" | grep -q true; }
bus_pid() { dbus_call -d org.freedesktop.DBus -o /org/freedesktop/DBus -m org.freedesktop.DBus.GetConnectionUnixProcessID "$1" | grep -o '[0-9]\+' | tail -n 1; }
# dbus_prop SERVICE PATH INTERFACE NAME: the strings of a property, one a line.
dbus_prop() { dbus_call -d "$1" -o "$2" -m org.freedesktop.DBus.Properties.Get "$3" "$4" | grep -o "'[^']*'" | tr -d "'"; }
# The items registered with the StatusNotifierWatcher, as the host names them: SERVICE, SERVICE/PATH or SERVICE@PATH.
watcher_items() { dbus_prop org.kde.StatusNotifierWatcher /StatusNotifierWatcher org.kde.StatusNotifierWatcher RegisteredStatusNotifierItems; }
# xfconfd is not on the PATH, but in xfconf's library folder.
xfconfd_path() { command -v xfconfd || ls /usr/lib/*/xfce4/xfconf/xfconfd 2>/dev/null | head -n 1; }

# Build the program; prints the path of the executable.
acc_build() {
  if [ ! -f "$SRC/CMakeLists.txt" ]; then fail "no CMakeLists.txt in the checkout"; fi
  cmake -S "$SRC" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release >"$WORK/configure.log" 2>&1 || { tail -5 "$WORK/configure.log"; fail "cmake configure failed"; }
  cmake --build "$BUILD" -j2 >"$WORK/build.log" 2>&1 || { tail -15 "$WORK/build.log"; fail "build failed"; }
  local exe
  exe=$(find "$BUILD" -type f -perm -u+x \( -name dorvane -o -name Dorvane \) | head -n 1)
  [ -n "$exe" ] || fail "no executable named dorvane in the build"
  echo "$exe"
}
# The program to check: the path given, or else the checkout, built now. Sets EXE.
acc_exe() { EXE=${1:-}; [ -n "$EXE" ] || EXE=$(acc_build) || { echo "$EXE"; exit 1; }; }

# Starts openbox and waits until it manages the screen; false if it ends or takes over 10 s.
acc_wm() {
  openbox >>"$WORK/openbox.log" 2>&1 &
  local pid=$!
  PIDS+=($pid)
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  kill "$pid" 2>/dev/null
  return 1
}

# acc_tray [TRAYER OPTIONS]: starts trayer, by default 64 pixels wide at the top right, and waits for its window.
# Sets TRAY.
acc_tray() {
  [ $# -gt 0 ] || set -- --edge top --align right --widthtype pixel --width 64
  trayer "$@" >>"$WORK/trayer.log" 2>&1 &
  TRAY=$!
  PIDS+=("$TRAY")
  wait_for 10 xdotool search --class trayer
}

# Start Xvfb, openbox and trayer on a free display.
# Xvfb picks the display itself and names it once it listens: checks that run side by side
# cannot both take the same number, and nothing starts before the server is there. No reset when
# its last client leaves, which could refuse the next one for a moment.
acc_display() {
  Xvfb -displayfd 3 -screen 0 "${SCREEN_W}x${SCREEN_H}x24" -nolisten tcp -noreset 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
  PIDS+=($!)
  wait_for 15 test -s "$WORK/display" || fail "Xvfb did not start: $(tail -n 3 "$WORK/xvfb.log")"
  export DISPLAY=":$(head -n 1 "$WORK/display")"
  wait_for 5 xdpyinfo || fail "Xvfb does not answer on $DISPLAY"
  # Qt would take a Wayland session of the desktop this runs on over the X server.
  unset WAYLAND_DISPLAY
  export XDG_RUNTIME_DIR="$WORK/run"; mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  # Windows mapped before openbox manages the screen get no frame and no place, so the checks wait
  # for it; under heavy load it has been seen to fail to open the display once, so it gets a second go.
  if [ "${ACC_NO_WM:-0}" != 1 ] && ! acc_wm && ! acc_wm; then
    fail "openbox does not manage the display: $(tail -n 2 "$WORK/openbox.log" | tr '\n' ' ')"
  fi
  [ "${ACC_NO_TRAY:-0}" = 1 ] || acc_tray
  sleep 0.3
}

# The close box, as a user reaches it: the window is made active (retried: under load the window
# manager can answer late, and xdotool's --sync then gives up), then Alt+F4, which the window
# manager turns into the same close request.
close_box() {
  activate "$1"
  xdotool key --clearmodifiers alt+F4
}
activate() {
  for _ in $(seq 25); do
    xdotool windowactivate "$1" 2>/dev/null
    is_active "$1" && return 0
    sleep 0.2
  done
  return 1
}
is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }

# A private settings store: writes the given KEY=TEXT lines under [Options].
acc_store() {
  export XDG_CONFIG_HOME="$WORK/config"
  mkdir -p "$XDG_CONFIG_HOME/Dorvane"
  STORE="$XDG_CONFIG_HOME/Dorvane/Dorvane.conf"
  if [ "$#" -gt 0 ]; then
    { echo "[Options]"; for kv in "$@"; do echo "$kv"; done; } > "$STORE"
  fi
}

faketime_lib() { dpkg -L libfaketime 2>/dev/null | grep -m1 'libfaketimeMT\.so'; }

# Start the program; FAKE_TIME (e.g. "2026-12-05 07:05:20") fakes the wall clock, with timers on the real one.
acc_start() {
  local exe=$1
  if [ -n "${FAKE_TIME:-}" ]; then
    LD_PRELOAD=$(faketime_lib) FAKETIME="@$FAKE_TIME" \
      FAKETIME_DONT_FAKE_MONOTONIC=1 LC_ALL=${ACC_LC:-en_US.UTF-8} LANG=${ACC_LC:-en_US.UTF-8} \
      "$exe" >"$WORK/app.log" 2>&1 &
  else
    LC_ALL=${ACC_LC:-en_US.UTF-8} LANG=${ACC_LC:-en_US.UTF-8} "$exe" >"$WORK/app.log" 2>&1 &
  fi
  APP=$!
  PIDS+=($APP)
}

app_alive() { kill -0 "$APP" 2>/dev/null; }

# Copies side by side, each named: start_copy NAME [VAR=VALUE...] starts one on its own store (a copy of
# $COPY_STORE, by default $WORK/config) and runtime folder (where the guard against a second copy lives), under libfaketime with timers
# on the real clock, with these variables besides (its FAKETIME or FAKETIME_TIMESTAMP_FILE among them).
declare -A COPY
start_copy() {
  local name=$1
  shift
  cp -r "${COPY_STORE:-$WORK/config}" "$WORK/$name"
  mkdir -m 700 "$WORK/$name/run"
  env XDG_CONFIG_HOME="$WORK/$name" XDG_RUNTIME_DIR="$WORK/$name/run" LD_PRELOAD="$(faketime_lib)" \
    FAKETIME_DONT_FAKE_MONOTONIC=1 LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 "$@" "$EXE" >"$WORK/$name.log" 2>&1 &
  COPY[$name]=$!
  PIDS+=($!)
}
# The copy's full-screen window, if it shows one.
alert_of() { APP=${COPY[$1]} alert_window; }
no_alert_of() { ! alert_of "$1" >/dev/null; }
config_of() { APP=${COPY[$1]} app_windows | grep -q " $TITLE\$"; }
said() { tr '\n' ' ' <"$WORK/$1.log"; }
# The screen reader's view, through atspi.py: tree [COPY] reads the program's tree (that copy's) into
# $WORK/COPY.tsv ($WORK/tree.tsv): window, role, name, description, states, extents, text.
tree() {
  local name=${1:-tree}
  /usr/bin/python3 "$ACC_DIR/atspi.py" Dorvane ${COPY[$name]:-} >"$WORK/$name.tsv" 2>>"$WORK/atspi.log"
}
# rows TREE WINDOW ROLE NAME: the rows of $WORK/TREE.tsv that match, an empty field matching all.
rows() {
  awk -F'\t' -v w="$2" -v r="$3" -v n="$4" '(w == "" || $1 == w) && (r == "" || $2 == r) && (n == "" || $3 == n)' \
    "$WORK/$1.tsv"
}
tree_has() { tree "$1" && rows "$@" | grep -q .; }
# sleep_until T: until T, in the check's own seconds since 1970 (only the programs' clocks are faked).
sleep_until() { local left=$(($1 - $(date +%s))); [ "$left" -le 0 ] || sleep "$left"; }
app_gone() { ! app_alive; }

# step_sigterm [WHAT]: SIGTERM ends the program within 5 s, with status 0.
step_sigterm() {
  local what=${1:-ends on SIGTERM with status 0} ended='' rc
  app_alive || ended="it had already ended, "
  [ -n "$ended" ] || { kill -TERM "$APP"; wait_for 5 app_gone; }
  if app_alive; then step FAIL "$what" "still running 5 s after SIGTERM"; return; fi
  wait "$APP" 2>/dev/null; rc=$?
  if [ -z "$ended" ] && [ "$rc" = 0 ]; then step PASS "$what"; else step FAIL "$what" "${ended}status $rc"; fi
}

# The visible top-level windows of the program, one "id x y w h name" per line.
app_windows() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$APP" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
    echo "$w $X $Y $WIDTH $HEIGHT $(xdotool getwindowname "$w" 2>/dev/null)"
  done
}

window_shown() { app_windows | grep -q " $TITLE\$"; }
window_hidden() { ! window_shown; }
# wait_shown 1|0 N: the configuration window shown (1) or not (0) within N seconds.
wait_shown() { if [ "$1" = 1 ]; then wait_for "$2" window_shown; else wait_for "$2" window_hidden; fi; }
state_word() { [ "$1" = 1 ] && echo shown || echo hidden; }
# toggle_step HOW COMMAND...: the command must show the hidden configuration window, or hide the shown one, within 3 s.
toggle_step() {
  local how=$1 was what
  shift
  window_shown && was=1 || was=0
  "$@"
  what="$how: configuration window $(state_word $was) -> $(state_word $((1 - was)))"
  if wait_shown $((1 - was)) 3; then step PASS "$what"; else step FAIL "$what" "it stayed $(state_word $was)"; fi
}

# The configuration window's id, shown or not (a name search also finds the tray icon's window).
config_window() {
  local w
  for w in $(xdotool search --pid "$APP" 2>/dev/null); do
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$TITLE" ] && { echo "$w"; return; }
  done
}
# "normal" or "skip-taskbar", from the window's state (a utility window type alone leaves it in some taskbars).
taskbar() { xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q '_NET_WM_STATE_SKIP_TASKBAR' && echo skip-taskbar || echo normal; }
# "Normal", "Iconic" (minimised) or "Withdrawn" (hidden).
wm_state() { xprop -id "$1" WM_STATE 2>/dev/null | awk '/window state:/ {print $3}' | grep . || echo Withdrawn; }
in_state() { [ "$(wm_state "$(config_window)")" = "$1" ]; }
# wait_state STATE [N]: the configuration window in that state within N seconds (10).
wait_state() { wait_for "${2:-10}" in_state "$1"; }
# wait_said N TEXT: the program says TEXT on stderr within N seconds.
wait_said() { wait_for "$1" grep -qF "$2" "$WORK/app.log"; }

# Wait for a visible window whose title matches; prints its id.
wait_window() {
  local title=$1 n=${2:-10} t w
  for t in $(seq $((n * 4))); do
    w=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1)
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.25
  done
  return 1
}
shown_by_name() { xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -q .; }
not_shown_by_name() { ! shown_by_name "$1"; }
# wait_gone TITLE N: no visible window whose title matches within N seconds.
wait_gone() { wait_for "$2" not_shown_by_name "$1"; }

# shot FILE: a screenshot of the whole screen, taken by $SHOT_WITH, where a desktop has its own way, or of X's root
# window.
shot() { rm -f "$1"; "${SHOT_WITH:-x_shot}" "$1" && [ -s "$1" ]; }
x_shot() { import -window root "$1" 2>/dev/null; }
# keep_shot FILE NAME: a copy of a screenshot into DORVANE_SHOTS, if set.
keep_shot() { [ -n "${DORVANE_SHOTS:-}" ] && mkdir -p "$DORVANE_SHOTS" && cp "$1" "$DORVANE_SHOTS/$2"; return 0; }

# OCR of a picture, scaled up for small type; prints the text on one line.
ocr() {
  local img=$1 scale=${2:-100}
  convert "$img" -resize "${scale}%" "$WORK/ocr.png" 2>/dev/null
  tesseract "$WORK/ocr.png" - 2>/dev/null | tr '\n' ' ' | tr -s ' '
}

# Colour of one pixel of a picture as "r,g,b".
pixel() { convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info: 2>/dev/null; }
# other_colour PICTURE COLOUR "X Y"...: those of the points that are of another colour, each as " (x,y)=r,g,b".
other_colour() {
  local img=$1 want=$2 xy c
  shift 2
  for xy in "$@"; do
    c=$(pixel "$img" $xy)
    [ "$c" = "$want" ] || printf ' (%s)=%s' "${xy/ /,}" "$c"
  done
}

# The program's window that covers the whole screen, the alert, if it shows one; prints its id.
alert_window() { app_windows | awk -v W="$SCREEN_W" -v H="$SCREEN_H" '$4>=W && $5>=H {print $1; f=1; exit} END {exit !f}'; }

# --- another program's window, focused as the alert comes ---
OTHER_TITLE='Another program'
# start_xterm: an xterm at the lower left, clear of the alert's own colour sampled in the middle of the screen, running
# cat so that what is typed into it is only echoed; made the active window. Sets OTHER and its client area OX OY OW OH.
start_xterm() {
  xterm -geometry 48x12+40+400 -title "$OTHER_TITLE" -e cat >"$WORK/xterm.log" 2>&1 &
  PIDS+=($!)
  OTHER=$(wait_window "^$OTHER_TITLE\$" 15) || return 1
  other_geometry "$OTHER"
  activate "$OTHER"
}
other_geometry() { eval "$(xdotool getwindowgeometry --shell "$1")"; OX=$X OY=$Y OW=$WIDTH OH=$HEIGHT; }
# other_by_change BEFORE: waits up to 10 s for another program's window to show where windows cannot be listed (Wayland),
# found as the box, at least 100 pixels each way, in which the screen differs from the picture BEFORE, once that holds
# still (screenshots by the script's shot). Sets OX OY OW OH.
other_by_change() {
  local box last=
  for _ in $(seq 40); do
    sleep 0.25
    shot "$WORK/other.png" || continue
    box=$(convert "$1" "$WORK/other.png" -compose difference -composite -threshold 8% -trim -format '%w %h %X %Y' \
      info: 2>/dev/null)
    [[ $box =~ ^([0-9]{3,})\ ([0-9]{3,})\ \+([0-9]+)\ \+([0-9]+)$ ]] || { last=; continue; }
    if [ "$box" = "$last" ]; then
      OW=${BASH_REMATCH[1]} OH=${BASH_REMATCH[2]} OX=${BASH_REMATCH[3]} OY=${BASH_REMATCH[4]}
      return 0
    fi
    last=$box
  done
  return 1
}
# The client window that the window manager stacks on top of all (the last of _NET_CLIENT_LIST_STACKING), in decimal.
top_window() { xprop -root _NET_CLIENT_LIST_STACKING 2>/dev/null | grep -o '0x[0-9a-f]*' | tail -n 1 | xargs -r printf '%d\n'; }
# covers_other PICTURE COLOUR: those of the other window's middle and of a point 6 pixels inside each of its corners
# (OX OY OW OH) that are not of the alert's colour, as other_colour prints them.
covers_other() {
  other_colour "$1" "$2" "$((OX + OW / 2)) $((OY + OH / 2))" "$((OX + 6)) $((OY + 6))" "$((OX + OW - 7)) $((OY + 6))" \
    "$((OX + 6)) $((OY + OH - 7))" "$((OX + OW - 7)) $((OY + OH - 7))"
}
# stacked_step WHAT ALERT PICTURE COLOUR: on an X display, the alert ALERT is the top window and the picture shows its
# colour over the other window.
stacked_step() {
  local top off
  top=$(top_window)
  off=$(covers_other "$3" "$4")
  if [ "$top" = "$2" ] && [ -z "$off" ]; then
    step PASS "$1"
  else
    step FAIL "$1" "top window $top ($(xdotool getwindowname "$top" 2>/dev/null)), the alert is $2; \
the active window is $(xdotool getactivewindow 2>/dev/null); points of another colour than the alert's $4:${off:- none}"
  fi
}
