#!/usr/bin/env bash
# Windows installer check: installs Dorvane silently from its installer into a fresh Wine prefix,
# on a private X display with openbox and trayer (an XEmbed tray), and checks the installation,
# the installed program and the uninstaller.
# Steps: the files, the Start-menu and Startup shortcuts and the Apps & features entry; the
# program starts with no DLL from outside its folder, its window maps and its icon docks; an edit
# reaches the registry; with the window hidden, a second start shows it and exits 0; a cancelled logoff leaves it
# running; with the window hidden and Wine's notepad focused, the alert comes at its minute as the top window, covers
# the screen and notepad; the end of the session
# (wineboot -e) ends it with status 0, the edit kept, and the next session starts it again through
# the Startup shortcut; a silent reinstall ends that copy and starts it again, its settings kept;
# the uninstaller ends that copy and removes every installed file and both shortcuts, and leaves
# the settings; a silent first installation starts nothing; and an uninstaller that runs as the
# first program of a new session, while the Startup shortcut starts Dorvane, still leaves no file
# and no running copy.
# Usage: bash tests/windows/installer.sh path/to/Dorvane-<version>-win64.exe
# One PASS/FAIL line per step; exit 0 when all pass, 1 when any fails, 77 (skipped) when Wine, the
# MinGW C compiler or an X tool is missing.
# DORVANE_SHOTS=folder keeps windows-configuration.png and windows-alert.png there.
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$HERE/../desktop/lib.sh"
source "$SRC/scripts/wine-prefix.sh"

INSTALLER=${1:-}
need_packages WINDOWS_PACKAGES DESKTOP_X11_PACKAGES
[ -n "$INSTALLER" ] && [ -f "$INSTALLER" ] || { echo "installer.sh: no installer at '${INSTALLER}'"; exit 1; }
INSTALLER=$(realpath "$INSTALLER")
# The version, from the installer's name as CPack writes it: Dorvane-<version>-win64.exe.
VERSION=$(basename "$INSTALLER" | sed -n 's/^Dorvane-\(.*\)-win64\.exe$/\1/p')

# Wine keeps out of the real home: menu entries for the shortcuts would otherwise land there.
export HOME="$WORK/home"
mkdir -p "$HOME"
export WINEPATH=
# The Windows process would otherwise outlive the script.
wine_cleanup() {
  [ -n "${WINEPREFIX:-}" ] && "$WINESERVER" -k 2>/dev/null
  acc_cleanup
}
trap wine_cleanup EXIT

W() { "$WINE64" "$@"; }
# The running processes of the installed Dorvane.exe in this prefix; Explorer, which may name it
# as its argument, is not one.
dorvane_pids() {
  local p
  for p in $(pgrep -f 'Program Files.Dorvane.Dorvane\.exe' 2>/dev/null); do
    tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" || continue
    [ "$(tr '\0' '\n' <"/proc/$p/cmdline" 2>/dev/null | head -n 1 | tr -d '"' | tr 'A-Z' 'a-z')" = \
      'c:\program files\dorvane\dorvane.exe' ] && echo "$p"
  done
}
# The text of one value, or nothing.
reg_value() { W reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"; }
OPTIONS='HKCU\Software\Dorvane\Dorvane\Options'
UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
EXE='C:\Program Files\Dorvane\Dorvane.exe'

# The helper that plays a cancelled logoff, built for Windows here.
if ! x86_64-w64-mingw32-gcc -std=c11 -O2 -municode -static -o "$WORK/endsession.exe" \
    "$HERE/endsession.c" >"$WORK/endsession-build.log" 2>&1; then
  cat "$WORK/endsession-build.log"; echo "installer.sh: cannot build endsession.exe"; exit 1
fi

acc_display
wine_prefix "$WORK/prefix" >"$WORK/prefix.log" 2>&1 || { cat "$WORK/prefix.log"; echo "installer.sh: no Wine prefix"; exit 1; }
export WINEDLLOVERRIDES="winemenubuilder.exe=d;$WINEDLLOVERRIDES"
info "fresh Wine prefix after $(($(date +%s) - START)) s"
DRIVE_C="$WINEPREFIX/drive_c"
INSTDIR="$DRIVE_C/Program Files/Dorvane"
WINUSER=$(find "$DRIVE_C/users" -mindepth 1 -maxdepth 1 -type d ! -name Public -printf '%f\n' | head -n 1)
STARTUP_LNK="$DRIVE_C/users/$WINUSER/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/StartUp/Dorvane.lnk"

# --- installation ---
if W "$INSTALLER" /S >"$WORK/install.log" 2>&1 && timeout 60 "$WINESERVER" -w; then
  step PASS "the installer runs silently (/S) and ends with status 0"
else
  step FAIL "the installer runs silently (/S) and ends with status 0" "$(tail -3 "$WORK/install.log")"
fi
# A packaging tool's silent installation must not open a window.
running=$(dorvane_pids)
[ -z "$running" ] && step PASS "a silent first installation starts no Dorvane" \
  || step FAIL "a silent first installation starts no Dorvane" "running: $running"
( cd "$INSTDIR" 2>/dev/null && find . -type f | sed 's|^\./||' | sort ) >"$WORK/installed.txt"
missing=""
for f in Dorvane.exe Uninstall.exe platforms/qwindows.dll styles/qwindowsvistastyle.dll Qt6Core.dll Qt6Gui.dll \
    Qt6Widgets.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll translations/qtbase_de.qm; do
  grep -qxF "$f" "$WORK/installed.txt" || missing="$missing $f"
done
[ -z "$missing" ] && step PASS "C:\\Program Files\\Dorvane holds $(wc -l <"$WORK/installed.txt") files: the program, its DLLs and plugins, Qt's translations, the uninstaller" \
  || step FAIL "the installed files" "missing:$missing"

# A shortcut names its target in its link data.
lnk_target_ok() { [ -f "$1" ] && { strings -a "$1"; strings -a -el "$1"; } | grep -qiF 'Program Files\Dorvane\Dorvane.exe'; }
MENU_LNK=$(find "$DRIVE_C" -path '*/Start Menu/Programs/Dorvane/Dorvane.lnk' | head -n 1)
if [ -n "$MENU_LNK" ] && lnk_target_ok "$MENU_LNK"; then
  step PASS "a Start-menu shortcut to Dorvane.exe (${MENU_LNK#"$DRIVE_C"/})"
else
  step FAIL "a Start-menu shortcut to Dorvane.exe" "none under Start Menu/Programs/Dorvane"
fi
if lnk_target_ok "$STARTUP_LNK"; then
  step PASS "a shortcut to Dorvane.exe in the user's Startup folder (${STARTUP_LNK#"$DRIVE_C"/})"
else
  step FAIL "a shortcut to Dorvane.exe in the user's Startup folder" "nothing at ${STARTUP_LNK#"$DRIVE_C"/}"
fi

ENTRY=$(W reg query "$UNINSTALL_KEY" 2>/dev/null | tr -d '\r' | grep -i '\\Dorvane' | head -n 1)
name=$(reg_value "$ENTRY" DisplayName) version=$(reg_value "$ENTRY" DisplayVersion)
publisher=$(reg_value "$ENTRY" Publisher) icon=$(reg_value "$ENTRY" DisplayIcon) uninst=$(reg_value "$ENTRY" UninstallString)
if [ "$name" = Dorvane ] && [ -n "$VERSION" ] && [ "$version" = "$VERSION" ] && [ -n "$publisher" ] && [ "$icon" = "$EXE" ] &&
  [ "$uninst" = "\"C:\\Program Files\\Dorvane\\Uninstall.exe\"" ]; then
  step PASS "Apps & features entry: $name $version by $publisher, icon of Dorvane.exe, uninstaller"
else
  step FAIL "Apps & features entry" "key '${ENTRY}': name '$name', version '$version' (installer's: '$VERSION'), publisher '$publisher', icon '$icon', uninstall '$uninst'"
fi

# --- the installed program ---
# Another program's window, to have the focus when the alert comes: Wine's notepad, at the lower left, clear of
# the middle of the screen where the alert's own colour is sampled.
W notepad >"$WORK/notepad.log" 2>&1 &
NOTEPAD=$!
PIDS+=($NOTEPAD)
NOTEPAD_WIN=$(wait_window 'Notepad$' 30) && xdotool windowsize "$NOTEPAD_WIN" 360 220 windowmove "$NOTEPAD_WIN" 40 400 2>/dev/null
# Today's alert at the minute in which the first tick, 30 s after start, falls, with at least 20 s
# to spare for a slow start: this minute when it is young, else the next.
sec=$((10#$(date +%S)))
if [ "$sec" -gt 10 ] && [ "$sec" -lt 30 ]; then sleep $((30 - sec)); sec=30; fi
alarm_at=$(date +%s)
[ "$sec" -ge 30 ] && alarm_at=$((alarm_at + 60))
TODAY=$(LC_ALL=C date -d "@$alarm_at" +%A)
ALARM=$(LC_ALL=C date -d "@$alarm_at" +'%-I:%M:00 %p')
# Another working day, whose box the check unticks.
OTHER=$(LC_ALL=C date -d "@$((alarm_at + 3 * 86400))" +%A)
{
  # A week as a user might leave it, so that the screenshots show one.
  printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Dorvane\\Dorvane\\Options]\r\n'
  for day in Monday Tuesday Wednesday Thursday Friday; do printf '"%sTime"="7:30:00 AM"\r\n"Work%s"="1"\r\n' "$day" "$day"; done
  printf '"%sTime"="%s"\r\n"Work%s"="1"\r\n"Work%s"="1"\r\n' "$TODAY" "$ALARM" "$TODAY" "$OTHER"
} >"$WORK/options.reg"
W reg import "Z:${WORK//\//\\}\\options.reg" >/dev/null 2>&1
info "today is $TODAY as Wine sees it; its alert is set for $ALARM"

LC_ALL=C.UTF-8 WINEDEBUG=+loaddll W "$EXE" >"$WORK/app.log" 2>&1 &
APP=$!
PIDS+=($APP)
STARTED=$(date +%s)

config_window() { xdotool search --onlyvisible --name "^$TITLE\$" 2>/dev/null | head -n 1; }
CONFIG=
for _ in $(seq 120); do CONFIG=$(config_window); [ -n "$CONFIG" ] && break; sleep 0.25; done
[ -n "$CONFIG" ] && step PASS "the installed Dorvane.exe starts and its configuration window maps" \
  || step FAIL "the installed Dorvane.exe starts and its configuration window maps" "no window '$TITLE'"

# Every DLL that Windows loads as a file (rather than Wine's own) is one of the installed ones, and
# every installed DLL is loaded: the set is the one the program needs.
sleep 1
grep -o 'Loaded L"[^"]*" at [0-9A-Fa-f]*: native' "$WORK/app.log" | sed 's/^Loaded L"//; s/" at .*//; s/\\\\/\\/g' |
  grep -viE '\.exe$' | sort -u >"$WORK/native-dlls.txt"
outside=$(grep -viF 'C:\Program Files\Dorvane\' "$WORK/native-dlls.txt" | tr '\n' ' ')
unused=$(grep -iE '\.dll$' "$WORK/installed.txt" | tr '/' '\\' | while read -r f; do
  grep -qixF "C:\\Program Files\\Dorvane\\$f" "$WORK/native-dlls.txt" || echo "$f"; done | tr '\n' ' ')
if [ -s "$WORK/native-dlls.txt" ] && [ -z "$outside" ] && [ -z "$unused" ]; then
  step PASS "with an empty WINEPATH it loads $(wc -l <"$WORK/native-dlls.txt") DLLs, all from its own folder, and every installed DLL"
else
  step FAIL "it loads DLLs from its own folder only, and every installed one" "from elsewhere: ${outside:-none}; never loaded: ${unused:-none}"
fi

# The tray icon is a window of Wine's explorer that trayer takes in.
docked=
for _ in $(seq 40); do
  for t in $(xdotool search --class trayer 2>/dev/null); do
    xwininfo -id "$t" -tree 2>/dev/null | grep -q '"explorer.exe"' && docked=$t
  done
  [ -n "$docked" ] && break; sleep 0.25
done
[ -n "$docked" ] && step PASS "its icon docks in trayer" || step FAIL "its icon docks in trayer" "no icon window inside trayer"

if [ -n "$CONFIG" ]; then
  [ -n "${DORVANE_SHOTS:-}" ] && import -window "$CONFIG" -frame "$WORK/configuration.png" 2>/dev/null &&
    keep_shot "$WORK/configuration.png" windows-configuration.png
  # Wine draws the title bar and border of this window itself, inside the X window, around the
  # 481 x 279 client area; a control is clicked at its place there, in twips (15 to the pixel).
  eval "$(xdotool getwindowgeometry --shell "$CONFIG")"
  border=$(((WIDTH - 481) / 2))
  click_twips() { xdotool mousemove --window "$CONFIG" $((border + $1 / 15)) $((HEIGHT - 279 - border + $2 / 15)) click 1; }
  # Untick the other day's "Work Today?" box, in the frame at (30, 30), 52 twips below its picker.
  declare -A picker_top=([Sunday]=450 [Monday]=1020 [Tuesday]=1560 [Wednesday]=2100 [Thursday]=2640 [Friday]=3150 [Saturday]=3690)
  xdotool windowactivate --sync "$CONFIG" 2>/dev/null
  click_twips $((30 + 1830 + 112)) $((30 + ${picker_top[$OTHER]} + 52 + 105))
fi
flag=
for _ in $(seq 20); do flag=$(reg_value "$OPTIONS" "Work$OTHER"); [ "$flag" = 0 ] && break; sleep 0.25; done
[ "$flag" = 0 ] && step PASS "unticking $OTHER's \"Work Today?\" box writes Work$OTHER=0 to the registry at once" \
  || step FAIL "an edit in the window reaches the registry" "Work$OTHER is '${flag}'"

# The middle of the Hide button; the second start must bring the window back.
hidden=no
if [ -n "$CONFIG" ]; then
  click_twips $((4140 + 1485 / 2)) $((3810 + 315 / 2))
  for _ in $(seq 20); do [ -z "$(config_window)" ] && { hidden=yes; break; }; sleep 0.25; done
fi
SECOND_START=$(date +%s)
timeout 30 "$WINE64" "$EXE" >"$WORK/second.log" 2>&1
second=$?
shown=
for _ in $(seq 20); do shown=$(config_window); [ -n "$shown" ] && break; sleep 0.25; done
if [ "$second" = 0 ] && [ $hidden = yes ] && kill -0 "$APP" 2>/dev/null && [ -n "$shown" ]; then
  step PASS "with its window hidden (Hide), a second start shows it again and exits 0 ($(($(date +%s) - SECOND_START)) s)"
else
  step FAIL "with its window hidden, a second start shows it again and exits 0" "hidden by Hide: $hidden; shown after: ${shown:-no}; status $second; said: $(tr -d '\r' <"$WORK/second.log" | tr '\n' ' ')"
fi

W "$WORK/endsession.exe" Dorvane.exe 2>&1 | tr -d '\r' >"$WORK/endsession.log"
while read -r line; do info "$line"; done <"$WORK/endsession.log"
sleep 2
if grep -q 'WM_ENDSESSION (FALSE)' "$WORK/endsession.log" && kill -0 "$APP" 2>/dev/null && [ -n "$(config_window)" ]; then
  step PASS "a logoff that is cancelled (WM_QUERYENDSESSION, then WM_ENDSESSION FALSE) leaves it running"
else
  step FAIL "a cancelled logoff leaves it running" "$(tr '\n' ' ' <"$WORK/endsession.log"); running: $(kill -0 "$APP" 2>/dev/null && echo yes || echo no)"
fi

# Hidden again (Hide), and notepad made the active window, as the alert's minute comes.
if [ -n "$CONFIG" ] && [ -n "$(config_window)" ]; then
  CONFIG=$(config_window)
  eval "$(xdotool getwindowgeometry --shell "$CONFIG")"
  click_twips $((4140 + 1485 / 2)) $((3810 + 315 / 2))
  for _ in $(seq 20); do [ -z "$(config_window)" ] && break; sleep 0.25; done
fi
if [ -n "$NOTEPAD_WIN" ]; then
  other_geometry "$NOTEPAD_WIN"
  # Wine can turn down the window manager's activation; a click into it, as a user's, it does not.
  activate "$NOTEPAD_WIN" || { xdotool mousemove --sync $((OX + OW / 2)) $((OY + OH / 2)) click 1; wait_for 3 is_active "$NOTEPAD_WIN"; } ||
    info "notepad ($NOTEPAD_WIN) could not be made the active window: $(xprop -root _NET_ACTIVE_WINDOW)"
  info "notepad is active $(($(date +%s) - STARTED)) s after start; the configuration window is $([ -n "$(config_window)" ] && echo shown || echo hidden)"
fi

# The alert: a visible window that covers the whole screen, within the minute after start.
ALERT=
for _ in $(seq 150); do
  ALERT=$(xdotool search --onlyvisible --name '^Form1$' 2>/dev/null | head -n 1)
  [ -n "$ALERT" ] && break; kill -0 "$APP" 2>/dev/null || break; sleep 0.5
done
if [ -n "$ALERT" ]; then
  sleep 1
  geometry=$(xwininfo -id "$ALERT" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /Width:/ {w=$NF} /Height:/ {h=$NF} END {print w "x" h "+" x "+" y}')
  if [ "$geometry" = "${SCREEN_W}x${SCREEN_H}+0+0" ]; then
    step PASS "the alert comes at $ALARM, $(($(date +%s) - STARTED)) s after start, and covers the screen ($geometry)"
  else
    step FAIL "the alert covers the screen" "it is $geometry"
  fi
  import -window root "$WORK/alert.png" 2>/dev/null && keep_shot "$WORK/alert.png" windows-alert.png
  if [ -n "$NOTEPAD_WIN" ]; then
    stacked_step "the alert comes as the top window over the focused notepad, and covers it" "$ALERT" "$WORK/alert.png" \
      "$(pixel "$WORK/alert.png" $((SCREEN_W / 2)) $((SCREEN_H * 6 / 10)))"
  else
    step FAIL "the alert comes over Wine's notepad" "notepad showed no window: $(tr -d '\r' <"$WORK/notepad.log" | tail -n 2 | tr '\n' ' ')"
  fi
else
  step FAIL "the alert comes at its minute" "no window 'Form1' within 75 s"
fi

kill "$NOTEPAD" 2>/dev/null

# --- the end of the session ---
W wineboot -e >/dev/null 2>&1
status=
for _ in $(seq 40); do kill -0 "$APP" 2>/dev/null || break; sleep 0.25; done
if ! kill -0 "$APP" 2>/dev/null; then wait "$APP"; status=$?; fi
flag=$(reg_value "$OPTIONS" "Work$OTHER")
if [ "$status" = 0 ] && [ "$flag" = 0 ]; then
  step PASS "the end of the session (wineboot -e) ends it with status 0, the edit kept"
else
  step FAIL "the end of the session ends it with status 0, the edit kept" "status '${status:-still running}', Work$OTHER '$flag'"
fi
# wineboot then starts the next session as a logon does, with what the Startup folder holds.
CONFIG=
for _ in $(seq 120); do CONFIG=$(config_window); [ -n "$CONFIG" ] && break; sleep 0.25; done
[ -n "$CONFIG" ] && step PASS "the next session starts Dorvane again through the Startup shortcut" \
  || step FAIL "the next session starts Dorvane through the Startup shortcut" "no window '$TITLE'"

# --- a silent reinstall over that running copy ---
# It ends the copy as a logoff does and starts it again, as the user: exactly one Dorvane runs,
# another process than before, with the settings as they were.
before=$(dorvane_pids)
W reg query "$OPTIONS" 2>&1 | tr -d '\r' | sort >"$WORK/settings-before.txt"
REINSTALL_START=$(date +%s)
W "$INSTALLER" /S >"$WORK/reinstall.log" 2>&1
reinstall=$?
after= CONFIG=
for _ in $(seq 120); do
  after=$(dorvane_pids) CONFIG=$(config_window)
  [ -n "$after" ] && [ "$after" != "$before" ] && [ -n "$CONFIG" ] && [ "$(wc -l <<<"$after")" = 1 ] && break
  sleep 0.25
done
sleep 1
after=$(dorvane_pids)
W reg query "$OPTIONS" 2>&1 | tr -d '\r' | sort >"$WORK/settings-after.txt"
( cd "$INSTDIR" 2>/dev/null && find . -type f | sed 's|^\./||' | sort ) >"$WORK/reinstalled.txt"
if [ "$reinstall" = 0 ] && [ -n "$before" ] && [ -n "$after" ] && [ "$(wc -l <<<"$after")" = 1 ] &&
  ! grep -qxF "$after" <<<"$before" && [ -n "$CONFIG" ] && cmp -s "$WORK/installed.txt" "$WORK/reinstalled.txt" &&
  cmp -s "$WORK/settings-before.txt" "$WORK/settings-after.txt" && grep -q "Work$OTHER" "$WORK/settings-after.txt"; then
  step PASS "a silent reinstall over the running Dorvane ends it and starts it again ($(($(date +%s) - REINSTALL_START)) s): one copy runs, its window maps, settings and files as before"
else
  step FAIL "a silent reinstall over the running Dorvane leaves exactly one copy running, with its settings" \
    "status $reinstall; before: $(echo $before); after: $(echo $after); window: ${CONFIG:-none}; files: $(diff "$WORK/installed.txt" "$WORK/reinstalled.txt" | tr '\n' ' '); settings: $(diff "$WORK/settings-before.txt" "$WORK/settings-after.txt" | tr '\n' ' ')"
fi

# --- removal, while that copy runs ---
W 'C:\Program Files\Dorvane\Uninstall.exe' /S >"$WORK/uninstall.log" 2>&1
# The uninstaller runs on from a copy of itself in the temporary folder.
timeout 60 "$WINESERVER" -w
if [ -n "$CONFIG" ]; then
  [ -z "$(pgrep -f 'Program Files.Dorvane.Dorvane\.exe' 2>/dev/null | while read -r p; do
      tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && echo "$p"; done)" ] &&
    step PASS "the uninstaller first ends the running Dorvane" || step FAIL "the uninstaller first ends the running Dorvane" "it still runs"
fi
left=$( [ -d "$INSTDIR" ] && cd "$INSTDIR" && find . | sed 's|^\./||' | tr '\n' ' ')
[ ! -e "$INSTDIR" ] && step PASS "the uninstaller removes every installed file and the folder" \
  || step FAIL "the uninstaller removes every installed file" "left: $left"
if [ ! -e "$STARTUP_LNK" ] && [ -z "$(find "$DRIVE_C" -path '*/Start Menu/Programs/Dorvane*' | head -n 1)" ]; then
  step PASS "and both shortcuts, Start menu and Startup"
else
  step FAIL "the uninstaller removes both shortcuts" "$(find "$DRIVE_C" -path '*/Start Menu/Programs/*Dorvane*' | tr '\n' ' ')"
fi
if [ -z "$(W reg query "$UNINSTALL_KEY" 2>/dev/null | tr -d '\r' | grep -i '\\Dorvane')" ]; then
  step PASS "and the Apps & features entry"
else
  step FAIL "the uninstaller removes the Apps & features entry" "still there"
fi
if [ "$(reg_value "$OPTIONS" "Work$OTHER")" = 0 ] && [ "$(reg_value "$OPTIONS" "${TODAY}Time")" = "$ALARM" ]; then
  step PASS "the user's settings stay in $OPTIONS"
else
  step FAIL "the user's settings stay" "$(W reg query "$OPTIONS" 2>&1 | tr -d '\r' | tr '\n' ' ')"
fi

# --- removal at the start of a session ---
# The uninstaller is the first program of a new session, while the session's Startup shortcut
# starts Dorvane, whose window does not exist yet.
W "$INSTALLER" /S >"$WORK/install-again.log" 2>&1 && timeout 60 "$WINESERVER" -w
( while :; do dorvane_pids; sleep 0.1; done >"$WORK/session-copies.txt" ) &
WATCH=$!
W wineboot -e >/dev/null 2>&1
W 'C:\Program Files\Dorvane\Uninstall.exe' /S >"$WORK/uninstall-at-logon.log" 2>&1
timeout 60 "$WINESERVER" -w
kill "$WATCH" 2>/dev/null; wait "$WATCH" 2>/dev/null
started=$(sort -u "$WORK/session-copies.txt" | paste -sd " ")
running=$(dorvane_pids)
left=$( [ -d "$INSTDIR" ] && cd "$INSTDIR" && find . | sed 's|^\./||' | tr '\n' ' ')
if [ -n "$started" ] && [ -z "$running" ] && [ ! -e "$INSTDIR" ]; then
  step PASS "an uninstaller run right after wineboot -e, as the Startup shortcut starts Dorvane (process $started), ends it and leaves no file"
else
  step FAIL "an uninstaller run at the start of a session ends the Dorvane that the session starts and leaves no file" \
    "started by the session: ${started:-none}; still running: ${running:-none}; left: ${left:-nothing}"
fi

end_steps
