#!/usr/bin/env bash
# Late alert check: the real program stopped over its alert minute, as a computer's sleep stops it, then continued.
# Xvfb with openbox and trayer; three copies side by side, each with a store of its own (alert on Tuesday at 7:05)
# and its wall clock read by libfaketime from a file that the check rewrites while the copy is stopped, so that the
# clock jumps as it does over a sleep; its timers keep to the real monotonic clock.
#   asleep: stopped at 7:04, continued at 9:06: no alert, at its next check or the one after, and the missed alert
#           noted once on stderr (and in a tray message);
#   late:   stopped at 7:04, continued at 7:06: the alert comes at its next check, within 30 s;
#   woken:  the same, on a private system bus on which the check speaks for logind (logind.py): before
#           PrepareForSleep(false) no alert, after it the alert at once, long before the next check.
# Usage, in a checkout: bash tests/desktop/late-alert.sh [path/to/dorvane]
#   without a path, the checkout is built first
# One PASS/FAIL line per step; exit 0 when all pass, 1 when any step fails, 77 (skipped) when a package of
# DESKTOP_X11_PACKAGES or DESKTOP_WAKE_PACKAGES (scripts/packages.sh) is missing.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
need_packages DESKTOP_X11_PACKAGES DESKTOP_WAKE_PACKAGES
acc_exe "$@"
export TZ=UTC
MISSED='dorvane.alarm: the 7:05 AM alert was missed while the computer was asleep or its clock changed.'
acc_display
acc_store 'TuesdayTime=7:05:00 AM' WorkTuesday=1

# set_clock COPY TIME: the copy's wall clock runs on from TIME (on 2026-12-08, a Tuesday) from now on. Replaced whole,
# so that libfaketime never reads half a line.
set_clock() { echo "@2026-12-08 $2" >"$WORK/$1.time.new" && mv "$WORK/$1.time.new" "$WORK/$1.time"; }
# start_clocked_copy NAME TIME SYSTEM_BUS: a copy whose clock runs on from TIME, its system bus the one at $WORK/SYSTEM_BUS.
start_clocked_copy() {
  set_clock "$1" "$2"
  start_copy "$1" DBUS_SYSTEM_BUS_ADDRESS="unix:path=$WORK/$3" FAKETIME_TIMESTAMP_FILE="$WORK/$1.time" FAKETIME_NO_CACHE=1
}
# sleep_over NAME TIME: the copy stopped, its clock set to TIME, then continued.
sleep_over() { kill -STOP "${COPY[$1]}"; set_clock "$1" "$2"; sleep 1; kill -CONT "${COPY[$1]}"; }

start_bus system quiet || fail "no private system bus"
start_bus system system || fail "no private system bus for logind"
mkfifo "$WORK/logind.in"
DBUS_SYSTEM_BUS_ADDRESS="unix:path=$WORK/system" /usr/bin/python3 "$ACC_DIR/logind.py" <"$WORK/logind.in" >"$WORK/logind.log" 2>&1 &
PIDS+=($!)
exec 5>"$WORK/logind.in"
wait_for 10 grep -q ready "$WORK/logind.log" || fail "logind.py does not own org.freedesktop.login1: $(cat "$WORK/logind.log")"
logind() { echo "$1" >&5; wait_for 5 grep -q "sent $1" "$WORK/logind.log"; }

# The asleep copy first: its checks, 30 s apart from its start, then fall between the others', and its tray message
# (10 s) is gone before the late alert comes. Each copy is stopped as soon as its window shows, well before 7:05.
shows() { wait_for 20 config_of "$1" || fail "the $1 copy shows no configuration window: $(said "$1")"; }
start_clocked_copy asleep 07:04:30 quiet
ASLEEP_START=$(date +%s)
shows asleep
sleep_over asleep 09:06:00
sleep_until $((ASLEEP_START + 12))
start_clocked_copy late 07:04:30 quiet
start_clocked_copy woken 07:04:30 system
WOKEN_START=$(date +%s)
shows late
shows woken
logind sleep
sleep_over woken 07:06:00
sleep_over late 07:06:00
LATE_CONT=$(date +%s)

# woken: nothing until logind's word, then the alert at once.
sleep 2
if no_alert_of woken; then step PASS "woken: no alert before logind says the computer woke"
else step FAIL "woken: no alert before logind says the computer woke" "the alert came without it"; fi
logind wake || step FAIL "woken: logind.py sends PrepareForSleep(false)" "$(cat "$WORK/logind.log")"
WAKE=$(date +%s)
if wait_for 5 alert_of woken; then
  step PASS "woken: PrepareForSleep(false) brings the missed alert at once ($(($(date +%s) - WAKE)) s, its next check $((WOKEN_START + 30 - $(date +%s))) s away)"
  sleep 1
  shot "$WORK/woken.png"; keep_shot "$WORK/woken.png" late-alert-woken.png
else
  step FAIL "woken: PrepareForSleep(false) brings the missed alert at once" "none within 5 s; said: $(said woken)"
fi
kill -TERM "${COPY[woken]}"

# asleep: its next check notes the alert as missed, and shows none.
if wait_for 35 grep -qF "$MISSED" "$WORK/asleep.log"; then
  step PASS "asleep: two hours late, the missed alert is noted on stderr at the next check"
else
  step FAIL "asleep: two hours late, the missed alert is noted on stderr at the next check" "said: $(said asleep)"
fi
sleep 1
shot "$WORK/asleep.png"; keep_shot "$WORK/asleep.png" late-alert-asleep.png
if no_alert_of asleep; then step PASS "asleep: no alert at that check"
else step FAIL "asleep: no alert at that check" "a full-screen window came"; fi
# The tray message: the copy's small window beside the tray, read off the screenshot.
read -r _ X Y W H _ < <(APP=${COPY[asleep]} app_windows | awk '$4 > 100 && $5 < 150' | head -n 1)
[ -n "${H:-}" ] && convert "$WORK/asleep.png" -crop "${W}x$H+$X+$Y" "$WORK/message.png"
TEXT=$(ocr "$WORK/message.png" 200)
case $TEXT in
  *"alert was missed"*) step PASS "asleep: a tray message says so too" ;;
  *) step FAIL "asleep: a tray message says so too" "read: $TEXT" ;;
esac

# late: the alert at its next check.
if wait_for 35 alert_of late; then
  step PASS "late: a minute late, the alert comes at the next check ($(($(date +%s) - LATE_CONT)) s after the copy went on)"
  sleep 1
  shot "$WORK/late.png"; keep_shot "$WORK/late.png" late-alert-late.png
  TEXT=$(ocr "$WORK/late.png")
  info "late: the alert reads: $TEXT"
  case $TEXT in
    *"Get ready for work"*"on Tuesday"*) step PASS "late: it is Tuesday's alert, with its message" ;;
    *) step FAIL "late: it is Tuesday's alert, with its message" "read: $TEXT" ;;
  esac
  grep -qF 'was missed' "$WORK/late.log" && step FAIL "late: shown, so not noted as missed" "said: $(said late)"
else
  step FAIL "late: a minute late, the alert comes at the next check" "none within 35 s; said: $(said late)"
fi

# asleep, at the check after: still no alert, and the notice given once.
# Its checks come 30 and 60 s after its start.
sleep_until $((ASLEEP_START + 64))
if no_alert_of asleep && [ "$(grep -cF "$MISSED" "$WORK/asleep.log")" = 1 ]; then
  step PASS "asleep: at the check after, still no alert, and the notice given once"
else
  step FAIL "asleep: at the check after, still no alert, and the notice given once" "said: $(said asleep)"
fi
for c in asleep late; do kill -0 "${COPY[$c]}" 2>/dev/null || step FAIL "$c: still running at the end" "said: $(said "$c")"; done

end_steps
