# Desktop checks: drive the real Dorvane program on a real desktop, black-box.
# Sourced by the scripts beside it. It can build the checkout, starts a private X server with a window manager and
# a tray host, and offers helpers to run the program against a private settings store and a faked clock, find its
# windows, take screenshots and read text off them.
# DORVANE_SHOTS=folder  keeps the screenshots that the scripts name there.
set -u
ACC_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
SRC=$(cd "$ACC_DIR/../.." && pwd)
# ctest runs the widget tests offscreen; these run on the desktop they start.
unset QT_QPA_PLATFORM
BUILD=${ACC_BUILD:-/tmp/dorvane-desktop-build}
SCREEN_W=${SCREEN_W:-1024}
SCREEN_H=${SCREEN_H:-768}
WORK=$(mktemp -d /tmp/dorvane-acc.XXXXXX)
PIDS=()

FAILS=0
CHECK=$(basename "$0" .sh)

# Kill in reverse order of start, give them two seconds, then make sure, and reap. A failed run keeps its logs and
# screenshots in /tmp.
acc_cleanup() {
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

say() { echo "$*"; }
step() { # step PASS|FAIL "what" ["why"]
  printf '%s  %s%s\n' "$1" "$2" "${3:+: $3}"
  [ "$1" = PASS ] || FAILS=$((FAILS + 1))
}
info() { printf 'INFO  %s\n' "$*"; }

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
fail() { echo "FAIL: $*"; exit 1; }

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

# Start Xvfb, openbox and trayer on a free display.
# Xvfb picks the display itself and names it once it listens: checks that run side by side
# cannot both take the same number, and nothing starts before the server is there. No reset when
# its last client leaves, which could refuse the next one for a moment.
acc_display() {
  Xvfb -displayfd 3 -screen 0 "${SCREEN_W}x${SCREEN_H}x24" -nolisten tcp -noreset 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
  PIDS+=($!)
  for _ in $(seq 150); do [ -s "$WORK/display" ] && break; sleep 0.1; done
  [ -s "$WORK/display" ] || fail "Xvfb did not start: $(tail -n 3 "$WORK/xvfb.log")"
  export DISPLAY=":$(head -n 1 "$WORK/display")"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  export XDG_RUNTIME_DIR="$WORK/run"; mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  # Windows mapped before openbox manages the screen get no frame and no place, so the checks wait
  # for it; under heavy load it has been seen to fail to open the display once, so it gets a second go.
  if [ "${ACC_NO_WM:-0}" != 1 ] && ! acc_wm && ! acc_wm; then
    fail "openbox does not manage the display: $(tail -n 2 "$WORK/openbox.log" | tr '\n' ' ')"
  fi
  if [ "${ACC_NO_TRAY:-0}" != 1 ]; then
    trayer --edge top --align right --widthtype pixel --width 64 >"$WORK/trayer.log" 2>&1 & PIDS+=($!)
    for _ in $(seq 100); do xdotool search --class trayer >/dev/null 2>&1 && break; sleep 0.1; done
  fi
  sleep 0.3
}

# The close box, as a user reaches it: the window is made active (retried: under load the window
# manager can answer late, and xdotool's --sync then gives up), then Alt+F4, which the window
# manager turns into the same close request.
close_box() {
  for _ in $(seq 25); do
    xdotool windowactivate "$1" 2>/dev/null
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && break
    sleep 0.2
  done
  xdotool key --clearmodifiers alt+F4
}

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

# The visible top-level windows of the program, one "id x y w h name" per line.
app_windows() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$APP" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
    echo "$w $X $Y $WIDTH $HEIGHT $(xdotool getwindowname "$w" 2>/dev/null)"
  done
}

# Wait up to N seconds for a visible window covering the whole screen; prints its id.
wait_alert() {
  local n=$1 t
  for t in $(seq $((n * 2))); do
    local line
    line=$(app_windows | awk -v W="$SCREEN_W" -v H="$SCREEN_H" '$4>=W && $5>=H {print $1; exit}')
    [ -n "$line" ] && { echo "$line"; return 0; }
    sleep 0.5
  done
  return 1
}

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

shot() { import -window root "$1" 2>/dev/null; }
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

# Wait up to N seconds for the first visible window of the program; prints its id.
wait_any_window() {
  local n=$1 t w
  for t in $(seq $((n * 4))); do
    w=$(app_windows | awk '$4>100 && $5>50 {print $1; exit}')
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.25
  done
  return 1
}

# Wait up to N seconds for a visible window of the program other than window $2 (the alert, in whatever size it has).
wait_other_window() {
  local n=$1 first=$2 t w
  for t in $(seq $((n * 2))); do
    w=$(app_windows | awk -v f="$first" '$1!=f && $4>100 && $5>50 {print $1; exit}')
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.5
  done
  return 1
}
