#!/usr/bin/env bash
# Login autostart: a real session manager that honours XDG autostart, xfce4-session, starts Dorvane
# from the autostart entry that cmake --install puts under its prefix, and leaves it alone where the
# user turned it off. Each session is a login of its own: a private X server, session bus, xfconfd,
# HOME and XDG folders; the session's only other client is openbox, its window manager.
#
#   tests/desktop/autostart.sh BUILD_DIR
#
# The cases:
#   - no user entry: the session starts the program, from the entry's Exec, on the PATH;
#   - the user's copy of the entry with Hidden=true, written as the README says: not started;
#   - the program gone from the PATH, as after apt-get remove, which keeps the entry in /etc as a
#     conffile: TryExec makes the session skip the entry without an attempt or a warning.
# A second entry in the user's folder marks that the session has run its autostart phase, so a
# missing start is a decision of the session, not a slow one. xfce4-session also reads the machine's
# own /etc/xdg/autostart, whatever XDG_CONFIG_DIRS says; the user's entries override those by name.
# 77 where a package of DESKTOP_SESSION_PACKAGES (scripts/packages.sh) is missing.
# lib.sh starts the X server alone; the session brings its window manager.
export ACC_NO_WM=1 ACC_NO_TRAY=1
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
BUILD_DIR=${1:?usage: autostart.sh BUILD_DIR}
need_packages DESKTOP_SESSION_PACKAGES
XFCONFD=$(xfconfd_path)

# What a user of cmake --install gets, in a prefix of its own.
PREFIX="$WORK/prefix"
cmake --install "$BUILD_DIR" --prefix "$PREFIX" >"$WORK/install.log" 2>&1 || { tail -5 "$WORK/install.log"; fail "cmake --install"; }
ENTRY="$PREFIX/etc/xdg/autostart/dorvane.desktop"
[ -f "$ENTRY" ] && step PASS "cmake --install puts the autostart entry under its prefix: ${ENTRY#"$WORK/"}" ||
  fail "no autostart entry at $ENTRY"

acc_display
bus_conf session "$WORK/bus.conf"
SESSION_PIDS=()

# session_home NAME: a fresh home for a login. Sets HOME_DIR.
session_home() {
  SESSION_NAME=$1
  HOME_DIR="$WORK/$1/home"
  local config="$HOME_DIR/.config"
  mkdir -p "$config/xfce4/xfconf/xfce-perchannel-xml" "$config/autostart" "$HOME_DIR/.cache" "$HOME_DIR/.local/share"
  # The failsafe session with the window manager alone; no agents, no other desktop's services.
  cat >"$config/xfce4/xfconf/xfce-perchannel-xml/xfce4-session.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-session" version="1.0">
  <property name="general" type="empty">
    <property name="FailsafeSessionName" type="string" value="Failsafe"/>
    <property name="SaveOnExit" type="bool" value="false"/>
  </property>
  <property name="startup" type="empty">
    <property name="ssh-agent" type="empty"><property name="enabled" type="bool" value="false"/></property>
    <property name="gpg-agent" type="empty"><property name="enabled" type="bool" value="false"/></property>
  </property>
  <property name="compat" type="empty">
    <property name="LaunchGNOME" type="bool" value="false"/>
    <property name="LaunchKDE" type="bool" value="false"/>
  </property>
  <property name="sessions" type="empty">
    <property name="Failsafe" type="empty">
      <property name="IsFailsafe" type="bool" value="true"/>
      <property name="Count" type="int" value="1"/>
      <property name="Client0_Command" type="array"><value type="string" value="openbox"/></property>
      <property name="Client0_Priority" type="int" value="15"/>
      <property name="Client0_PerScreen" type="bool" value="false"/>
    </property>
  </property>
</channel>
EOF
  MARK="$WORK/$SESSION_NAME/autostart-ran"
  cat >"$config/autostart/zz-mark.desktop" <<EOF
[Desktop Entry]
Type=Application
Name=Mark
Exec=touch $MARK
EOF
}

# session_start [PATH]: logs in to the home that session_home made, with XDG_CONFIG_DIRS at the
# prefix's etc/xdg and the prefix's bin on PATH unless a PATH is given. Sets SESSION.
session_start() {
  local name=$SESSION_NAME path=${1:-$PREFIX/bin:$PATH}
  local config="$HOME_DIR/.config" bus="$WORK/$name/bus"
  SESSION_ENV=(HOME="$HOME_DIR" XDG_CONFIG_HOME="$config" XDG_CONFIG_DIRS="$PREFIX/etc/xdg"
    XDG_CACHE_HOME="$HOME_DIR/.cache" XDG_DATA_HOME="$HOME_DIR/.local/share" PATH="$path"
    DBUS_SESSION_BUS_ADDRESS="unix:path=$bus" NO_AT_BRIDGE=1 GSETTINGS_BACKEND=memory
    LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8)
  dbus-daemon --config-file="$WORK/bus.conf" --nofork --address="unix:path=$bus" >"$WORK/$name-dbus.log" 2>&1 &
  SESSION_PIDS+=($!)
  for _ in $(seq 50); do [ -S "$bus" ] && break; sleep 0.1; done
  env "${SESSION_ENV[@]}" "$XFCONFD" >"$WORK/$name-xfconfd.log" 2>&1 &
  SESSION_PIDS+=($!)
  env "${SESSION_ENV[@]}" "$(command -v xfce4-session)" >"$WORK/$name-session.log" 2>&1 &
  SESSION=$!
  SESSION_PIDS+=("$SESSION")
  PIDS+=("${SESSION_PIDS[@]}")
}

# Ends the session and whatever it started.
session_end() {
  local p kids
  kids=$(pgrep -P "$SESSION" 2>/dev/null)
  for p in $SESSION $kids; do kill "$p" 2>/dev/null; done
  for p in "${SESSION_PIDS[@]}"; do kill "$p" 2>/dev/null; done
  for _ in $(seq 30); do
    local alive=0
    for p in "${SESSION_PIDS[@]}" $kids; do kill -0 "$p" 2>/dev/null && alive=1; done
    [ "$alive" = 0 ] && break; sleep 0.1
  done
  for p in "${SESSION_PIDS[@]}" $kids; do kill -9 "$p" 2>/dev/null; done
  SESSION_PIDS=()
  sleep 0.3
}

# The program the session started, if any: a child of xfce4-session running the prefix's dorvane.
session_app() {
  local p
  for p in $(pgrep -P "$SESSION" 2>/dev/null); do
    [ "$(readlink "/proc/$p/exe" 2>/dev/null)" = "$PREFIX/bin/dorvane" ] && { echo "$p"; return 0; }
  done
  return 1
}

wait_mark() { wait_for 15 test -e "$MARK"; }

# --- 1. a login with the entry as installed ---
session_home plain
session_start
if wait_mark; then
  APP=
  for _ in $(seq 40); do APP=$(session_app) && break; sleep 0.25; done
  if [ -n "$APP" ]; then
    step PASS "xfce4-session starts $(tr '\0' ' ' <"/proc/$APP/cmdline")from the autostart entry (pid $APP)"
    W=$(wait_window "^$TITLE\$" 15) && step PASS "its configuration window shows" "window $W" ||
      step FAIL "its configuration window shows" "$(tail -n 3 "$WORK/plain-session.log" | tr '\n' ' ')"
    shot "$WORK/autostart.png" && keep_shot "$WORK/autostart.png" autostart-xfce-session.png
  else
    step FAIL "xfce4-session starts dorvane from the autostart entry" "$(tail -n 5 "$WORK/plain-session.log" | tr '\n' ' ')"
  fi
else
  step FAIL "xfce4-session runs the autostart entries" "$(tail -n 5 "$WORK/plain-session.log" | tr '\n' ' ')"
fi
session_end

# --- 2. the user turned it off: the README's one line, in a fresh home ---
session_home hidden
# The README's line, with the prefix's etc in place of /etc.
(
  HOME=$HOME_DIR
  mkdir -p ~/.config/autostart && cp "$ENTRY" ~/.config/autostart/ && echo Hidden=true >> ~/.config/autostart/dorvane.desktop
)
session_start
if wait_mark; then
  sleep 2
  if APP=$(session_app); then
    step FAIL "with Hidden=true in the user's autostart entry, the session does not start dorvane" "pid $APP"
  else
    step PASS "with Hidden=true in the user's autostart entry, the session does not start dorvane"
  fi
else
  step FAIL "xfce4-session runs the autostart entries" "$(tail -n 5 "$WORK/hidden-session.log" | tr '\n' ' ')"
fi
session_end

# --- 3. the program removed, its entry left in /etc ---
session_home removed
# A PATH of what the session needs and nothing else, so no other dorvane stands in.
mkdir -p "$WORK/removed/bin"
ln -s "$(command -v openbox)" "$(command -v touch)" "$WORK/removed/bin/"
session_start "$WORK/removed/bin"
if wait_mark; then
  sleep 2
  # Without TryExec the session would still try, and warn "Unable to launch".
  if pgrep -P "$SESSION" -x dorvane >/dev/null || grep -q 'launch "dorvane"' "$WORK/removed-session.log"; then
    step FAIL "without the program on the PATH, the entry's TryExec makes the session skip it quietly" \
      "$(grep 'dorvane' "$WORK/removed-session.log" | tr '\n' ' ')"
  else
    step PASS "without the program on the PATH, the entry's TryExec makes the session skip it quietly"
  fi
else
  step FAIL "xfce4-session runs the autostart entries" "$(tail -n 5 "$WORK/removed-session.log" | tr '\n' ' ')"
fi
session_end

end_steps
