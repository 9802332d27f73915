#!/usr/bin/env bash
# Sound check: the alert's sound, heard on a sound server of the check's own.
# Xvfb with openbox and trayer, and a PulseAudio server with two null sinks whose monitors the check records (parec)
# and measures (sox's RMS amplitude). Two copies side by side, each with a store of its own (alert on Saturday at
# 7:05), its wall clock faked to start at 7:04:40 and its sound going to a sink of its own:
#   ticked:   "Sound"=1: the alert rings while it is up; the second check of the minute, which shows the alert
#             again, starts no second sound beside the first; it still rings just before the button is pressed,
#             and from a second after, there is silence;
#   unticked: no "Sound": silence while its alert is up.
# Usage, in a checkout: bash tests/desktop/sound.sh [path/to/dorvane]
#   without a path, the checkout is built first
# One PASS/FAIL line per step; exit 0 when all pass, 1 when any step fails, 77 (skipped) when a package of
# DESKTOP_X11_PACKAGES or DESKTOP_SOUND_PACKAGES (scripts/packages.sh) is missing.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
need_packages DESKTOP_X11_PACKAGES DESKTOP_SOUND_PACKAGES
acc_exe "$@"
export TZ=UTC
# Silence, recorded off a null sink, is exact zeros; the alarm clock's sound has an RMS amplitude of about 0.14.
RINGS=0.01
SILENT=0.001
acc_display
acc_store 'SaturdayTime=7:05:00 AM' WorkSaturday=1

# --- the sound server: PulseAudio on null sinks, reached by its socket alone --------------------------------------
PA=$WORK/pulse
mkdir -p -m 700 "$PA" "$PA/home" "$PA/run"
cat >"$PA/default.pa" <<EOF
load-module module-native-protocol-unix auth-anonymous=1 socket=$PA/native
load-module module-null-sink sink_name=ticked
load-module module-null-sink sink_name=unticked
EOF
echo 'autospawn = no' >"$PA/client.conf"
# A home of its own for its cookie and state, and no display or session bus, through which it would start a bus
# of its own.
env -u DISPLAY HOME="$PA/home" XDG_CONFIG_HOME="$PA/home" XDG_RUNTIME_DIR="$PA/run" PULSE_RUNTIME_PATH="$PA/run" \
  DBUS_SESSION_BUS_ADDRESS="unix:path=$PA/no-bus" \
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --system=false --use-pid-file=no --realtime=no \
  --high-priority=no --log-target=stderr -F "$PA/default.pa" >"$WORK/pulseaudio.log" 2>&1 &
PIDS+=($!)
export PULSE_SERVER="unix:$PA/native" PULSE_COOKIE="$PA/cookie" PULSE_CLIENTCONFIG="$PA/client.conf"
sinks_up() { [ "$(pactl list short sinks 2>/dev/null | awk '$2 == "ticked" || $2 == "unticked"' | wc -l)" = 2 ]; }
wait_for 15 sinks_up || fail "PulseAudio did not start: $(tail -n 3 "$WORK/pulseaudio.log" | tr '\n' ' ')"
TICKED_SINK=$(pactl list short sinks | awk '$2 == "ticked" {print $1}')

# record SINK SECONDS NAME: records the sink's monitor into $WORK/NAME.raw, in the background; sets REC.
record() {
  parec -d "$1.monitor" --latency-msec=50 --format=s16le --rate=44100 --channels=2 >"$WORK/$3.raw" 2>>"$WORK/parec.log" &
  REC=$!
  PIDS+=("$REC")
  (sleep "$2"; kill -INT "$REC" 2>/dev/null) &
}
# rms NAME SECONDS: the RMS amplitude of the last SECONDS of the recording. Its start is not measured: on connecting,
# the monitor hands over a burst of what it holds, so only the end keeps to the clock.
rms() {
  sox -t raw -r 44100 -e signed-integer -b 16 -c 2 "$WORK/$1.raw" -n trim "-$2" stat 2>&1 |
    awk '/^RMS +amplitude/ {print $3; f=1} END {exit !f}' || echo "none (recorded: $(stat -c %s "$WORK/$1.raw") bytes)"
}
above() { awk -v v="$1" -v t="$2" 'BEGIN {exit !(v + 0 > t)}' 2>/dev/null; }
below() { awk -v v="$1" -v t="$2" 'BEGIN {exit !(v ~ /^[0-9.]+$/ && v + 0 <= t)}'; }

# --- the two copies ------------------------------------------------------------------------------------------------
# sounding_copy NAME [KEY=TEXT]: a copy with that line added to its store, its sound going to the sink NAME.
sounding_copy() {
  cp -r "$WORK/config" "$WORK/$1.store"
  [ -n "${2:-}" ] && echo "$2" >>"$WORK/$1.store/Dorvane/Dorvane.conf"
  COPY_STORE="$WORK/$1.store" start_copy "$1" PULSE_SINK="$1" FAKETIME="@2026-12-05 07:04:40"
}
# The streams playing to the ticked sink.
streams() { pactl list short sink-inputs 2>/dev/null | awk -v s="$TICKED_SINK" '$2 == s' | wc -l; }

sounding_copy ticked Sound=1
sounding_copy unticked
START=$(date +%s)
for c in ticked unticked; do
  wait_for 20 config_of $c || fail "the $c copy shows no configuration window: $(said $c)"
done

# Their first checks come 30 s after their start, at 7:05:10.
for c in ticked unticked; do
  wait_for 40 alert_of $c || fail "the $c copy shows no alert: $(said $c)"
done
info "both alerts up $(($(date +%s) - START)) s after the start"
record ticked 3 up
record unticked 3 quiet
sleep 3.5
shot "$WORK/alerts.png"; keep_shot "$WORK/alerts.png" sound-alerts.png
R=$(rms up 2)
if above "$R" $RINGS; then step PASS "ticked: the alert rings (RMS amplitude $R)"
else step FAIL "ticked: the alert rings" "RMS amplitude $R; said: $(said ticked)"; fi
R=$(rms quiet 2.5)
if below "$R" $SILENT && alert_of unticked >/dev/null; then step PASS "unticked: silence while its alert is up (RMS amplitude $R)"
else step FAIL "unticked: silence while its alert is up" "RMS amplitude $R; said: $(said unticked)"; fi
kill -TERM "${COPY[unticked]}"
wait_for 5 test -z "$(APP=${COPY[unticked]} app_windows)" || step FAIL "unticked: ends on SIGTERM" "its windows stay"

# The second check, 60 s after the start (a coarse timer may be up to 1.5 s late), shows the alert again in the same
# minute. One stream at a time: the sound is played again each time it ends, so two for a moment are a hand-over,
# two for a whole second a second sound.
most=0 overlap=0 run=0
until [ "$(date +%s)" -ge $((START + 65)) ]; do
  n=$(streams)
  [ "$n" -gt "$most" ] && most=$n
  if [ "$n" -ge 2 ]; then run=$((run + 1)); else run=0; fi
  [ "$run" -ge 4 ] && overlap=1
  sleep 0.25
done
if [ "$overlap" = 0 ] && [ "$most" -ge 1 ]; then
  step PASS "ticked: the second check of the minute starts no second sound (at most $most stream(s) at once)"
else
  step FAIL "ticked: the second check of the minute starts no second sound" "up to $most streams at once"
fi

# It rings until the button is pressed, and then stops at once. The sound is 6 s long and ends quietly, so a
# whole round of it is measured.
record ticked 7 before
sleep 7.5
ALERT=$(alert_of ticked) || step FAIL "ticked: the alert is still up before the button" "windows: $(APP=${COPY[ticked]} app_windows | tr '\n' ' ')"
R=$(rms before 6.5)
if above "$R" $RINGS; then step PASS "ticked: still ringing just before the button ($(($(date +%s) - START)) s after the start; RMS amplitude $R)"
else step FAIL "ticked: still ringing just before the button" "RMS amplitude $R"; fi
xdotool mousemove --sync $((SCREEN_W / 2)) $((SCREEN_H - 2400 / 15 + 17)) click 1
record ticked 3 after
wait_for 5 no_alert_of ticked || step FAIL "ticked: the button dismisses the alert" "it stays"
sleep 3.5
R=$(rms after 2)
if below "$R" $SILENT; then step PASS "ticked: silence from a second after the button (RMS amplitude $R)"
else step FAIL "ticked: silence from a second after the button" "RMS amplitude $R"; fi
if grep -q 'no alert sound' "$WORK/ticked.log"; then step FAIL "ticked: no word of a missing sound" "said: $(said ticked)"; fi
APP=${COPY[ticked]} step_sigterm "ticked: ends on SIGTERM with status 0"

end_steps
