#!/usr/bin/env bash
# Start-up time, memory, idle CPU and wake-ups of Dorvane on a virtual X desktop (Xvfb, openbox,
# trayer as the notification area), beside a floor program: one window, one tray icon and one
# 30-second timer in plain Qt (bench/floor). Prints Dorvane's figures as ratios to the floor's,
# then the latency of one durable keystroke save from bench_core. A second floor, the same
# program showing one line of text, tells how much of the difference is merely having text.
#
#   bench/footprint.sh [build-dir]
#
# Builds dorvane, floor and bench_core in build-dir (default: build-bench, a Release build).
# Environment: STARTUP_RUNS (5), SETTLE_SECONDS (10), RSS_STARTS (1: starts whose memory is averaged),
# IDLE_SECONDS (60, for each of the two idle phases: window shown, then hidden to the tray),
# BENCH_DBUS (1: run under a D-Bus session bus, as on a real desktop; 0: without one).
# The desktop is the one the desktop checks start (tests/desktop/lib.sh), on a display Xvfb finds free.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
runs=${STARTUP_RUNS:-5}
settle=${SETTLE_SECONDS:-10}
rss_starts=${RSS_STARTS:-1}
idle=${IDLE_SECONDS:-60}
with_dbus=${BENCH_DBUS:-1}

. "$root/scripts/packages.sh"
ensure_packages "${BUILD_PACKAGES[@]}" qt6-qpa-plugins xvfb openbox trayer xdotool x11-utils dbus

# Under a session bus of its own, like the desktop session the program normally runs in.
if [[ $with_dbus == 1 && -z ${FOOTPRINT_IN_BUS:-} ]] && command -v dbus-run-session >/dev/null; then
    FOOTPRINT_IN_BUS=1 exec dbus-run-session -- "$0" "$@"
fi

if [[ ! -f $build/CMakeCache.txt ]]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
fi
cmake --build "$build" -j2 --target dorvane floor bench_core >/dev/null

SCREEN_W=1280 SCREEN_H=800 ACC_NO_TRAY=1
source "$root/tests/desktop/lib.sh"
acc_display
acc_tray --edge top --align right --widthtype request --height 24 || fail "trayer did not start"

now_us() { echo $(($(date +%s%N) / 1000)); }

# Starts $3... with the settings folder $2 and prints its pid and the microseconds until a visible
# window titled $1 exists.
start_program() {
    local title=$1 config=$2 binary=$3
    shift 3
    local t0 pid
    t0=$(now_us)
    XDG_CONFIG_HOME=$config "$binary" "$@" >>"$WORK/programs.log" 2>&1 &
    pid=$!
    local deadline=$((SECONDS + 20))
    until xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || { echo "$binary ended during start-up" >&2; cat "$WORK/programs.log" >&2; exit 1; }
        ((SECONDS < deadline)) || { echo "no window \"$title\" from $binary" >&2; exit 1; }
    done
    echo "$pid $(($(now_us) - t0))"
}

stop_program() {
    kill -TERM "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# Context switches (voluntary + involuntary) and CPU nanoseconds of every thread of $1, one line
# per thread: tid name switches cpu_ns.
thread_counters() {
    local task name switches cpu
    for task in /proc/"$1"/task/*; do
        name=$(cat "$task/comm" 2>/dev/null) || continue
        switches=$(awk '/^voluntary_ctxt_switches|^nonvoluntary_ctxt_switches/ { n += $2 } END { print n }' \
            "$task/status" 2>/dev/null) || continue
        cpu=$(awk '{ print $1 }' "$task/schedstat" 2>/dev/null) || continue
        echo "${task##*/} ${name// /_} $switches $cpu"
    done
}

declare -A result
# Measures one program: measure NAME TITLE IDLE(0/1) BINARY [ARGS...].
measure() {
    local name=$1 title=$2 with_idle=$3
    shift 3
    local config=$WORK/$name-config
    mkdir -p "$config"
    # The first start fills the caches and, for Dorvane, writes the default message: not counted.
    local out pid us total=0 i
    out=$(start_program "$title" "$config" "$@")
    stop_program "${out%% *}"
    for ((i = 0; i < runs; i++)); do
        out=$(start_program "$title" "$config" "$@")
        stop_program "${out%% *}"
        total=$((total + ${out##* }))
    done
    result[$name.startup_ms]=$(awk -v t="$total" -v n="$runs" 'BEGIN { printf "%.1f", t / n / 1000 }')

    # RSS moves by some tens of kB from one start to the next: the mean of several starts, the
    # last of which goes on to idle.
    local rss=0 pss=0
    for ((i = 0; i < rss_starts; i++)); do
        out=$(start_program "$title" "$config" "$@")
        pid=${out%% *}
        sleep "$settle"
        rss=$((rss + $(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")))
        pss=$((pss + $(awk '/^Pss:/ { print $2 }' "/proc/$pid/smaps_rollup")))
        result[$name.threads]=$(ls "/proc/$pid/task" | wc -l)
        ((i == rss_starts - 1)) || stop_program "$pid"
    done
    result[$name.rss_kb]=$((rss / rss_starts))
    result[$name.pss_kb]=$((pss / rss_starts))
    if [[ $with_idle == 0 ]]; then
        stop_program "$pid"
        return
    fi

    # Idle as started, the window in front with the keyboard focus, then hidden to the tray with
    # Esc (Dorvane's Hide; the floor does the same), the state such a program spends its life in.
    idle_phase "$name" shown "$pid"
    local window
    window=$(xdotool search --onlyvisible --name "^${title}\$" | head -1)
    xdotool windowactivate --sync "$window" key Escape
    wait_gone "^$title\$" 5 || fail "Esc did not hide \"$title\""
    sleep 2 # the repaints and X replies that follow hiding are not idling
    idle_phase "$name" tray "$pid"
    stop_program "$pid"
}

# Wake-ups (context switches) and CPU of process $3 over $idle seconds, per thread and summed; a
# thread that came or went in between counts from zero.
idle_phase() {
    local name=$1 phase=$2 pid=$3
    thread_counters "$pid" >"$WORK/before"
    sleep "$idle"
    thread_counters "$pid" >"$WORK/after"
    awk -v idle="$idle" -v label="$name, $phase" '
        NR == FNR { sw[$1] = $3; cpu[$1] = $4; next }
        { dsw = $3 - sw[$1]; dcpu = $4 - cpu[$1]; tsw += dsw; tcpu += dcpu
          printf "    %-16s %-18s %7.1f wake-ups/min %8.4f s CPU\n", label, $2, dsw * 60 / idle, dcpu / 1e9 }
        END { printf "TOTAL %.1f %.4f\n", tsw * 60 / idle, tcpu / 1e9 }' \
        "$WORK/before" "$WORK/after" >"$WORK/$name.$phase.threads"
    read -r _ "result[$name.$phase.wakeups]" "result[$name.$phase.cpu_s]" < <(grep '^TOTAL' "$WORK/$name.$phase.threads")
}

echo "Measuring on $DISPLAY (openbox, trayer$([[ -n ${FOOTPRINT_IN_BUS:-} ]] && echo ", D-Bus session bus"))," \
    "$runs start-ups each, memory over $rss_starts start(s) settling ${settle} s, idling ${idle} s shown and ${idle} s in the tray ..."
measure floor "Floor: Configuration" 1 "$build/bench/floor"
measure text "Floor: Configuration" 0 "$build/bench/floor" --text
measure dorvane "Dorvane: Configuration" 1 "$build/app/dorvane"

saves=$("$build/bench/bench_core" | grep '^durable save')
save_median=$(sed -E 's/.*median ([0-9.]+) ms.*/\1/' <<<"$saves")
save_p99=$(sed -E 's/.*p99 ([0-9.]+) ms.*/\1/' <<<"$saves")

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2fx", a / b; else print "-" }'; }
verdict() { awk -v v="$1" -v limit="$2" 'BEGIN { print (v <= limit) ? "met" : "MISSED" }'; }

r_start=$(ratio "${result[dorvane.startup_ms]}" "${result[floor.startup_ms]}")
r_rss=$(ratio "${result[dorvane.rss_kb]}" "${result[floor.rss_kb]}")
r_pss=$(ratio "${result[dorvane.pss_kb]}" "${result[floor.pss_kb]}")

row() { printf '%-28s %11s %11s %11s %8s %8s   %s\n' "$@"; }
echo
row "" floor "floor+text" dorvane "/floor" "/+text" "target"
row "start-up to window (ms)" "${result[floor.startup_ms]}" "${result[text.startup_ms]}" "${result[dorvane.startup_ms]}" \
    "$r_start" "$(ratio "${result[dorvane.startup_ms]}" "${result[text.startup_ms]}")" \
    "<= 1.50x floor: $(verdict "${r_start%x}" 1.5)"
row "RSS after ${settle} s (kB)" "${result[floor.rss_kb]}" "${result[text.rss_kb]}" "${result[dorvane.rss_kb]}" \
    "$r_rss" "$(ratio "${result[dorvane.rss_kb]}" "${result[text.rss_kb]}")" "<= 1.15x floor: $(verdict "${r_rss%x}" 1.15)"
row "PSS after ${settle} s (kB)" "${result[floor.pss_kb]}" "${result[text.pss_kb]}" "${result[dorvane.pss_kb]}" \
    "$r_pss" "$(ratio "${result[dorvane.pss_kb]}" "${result[text.pss_kb]}")" ""
row "threads after ${settle} s" "${result[floor.threads]}" "${result[text.threads]}" "${result[dorvane.threads]}" "" "" ""
for phase in shown tray; do
    what=$([[ $phase == shown ]] && echo "window in front" || echo "hidden to the tray")
    row "CPU idling ${idle} s, $phase (s)" "${result[floor.$phase.cpu_s]}" "" "${result[dorvane.$phase.cpu_s]}" "" "" ""
    row "wake-ups/min, $phase" "${result[floor.$phase.wakeups]}" "" "${result[dorvane.$phase.wakeups]}" "" "" \
        "<= 3 ($what): $(verdict "${result[dorvane.$phase.wakeups]}" 3)"
done
row "keystroke save median (ms)" "" "" "$save_median" "" "" ""
row "keystroke save p99 (ms)" "" "" "$save_p99" "" "" "< 5 ms: $(verdict "$save_p99" 4.999)"
echo
echo "Wake-ups and CPU by thread while idling:"
grep -hv '^TOTAL' "$WORK"/{floor,dorvane}.{shown,tray}.threads
