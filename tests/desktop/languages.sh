#!/usr/bin/env bash
# Languages check: the real program in German, French, Arabic and Japanese, read as a screen reader reads it.
# Xvfb with openbox, one private session bus with the accessibility bus on it, and four copies side by
# side, each with a store of its own (an alert on Saturday at 7:05, a working day, and no message of its own, so that
# the default one is the translation's), its own LANGUAGE and locale, and the same faked clock: Saturday 2026-12-12,
# 7:04:15, so that the second check alerts. atspi.py reads each copy's tree; translations.py compares it with the
# copy's translation (translations/dorvane_<language>.ts) and with Qt's own (qtbase_<language>.qm).
# Steps, for each language: the configuration window's title, captions, names and descriptions are the translation's;
# at 7:05 the alert's default message, Saturday's reminder and its button are the translation's. In German, Alt+F
# opens Qt's colour dialog, whose title and buttons are Qt's translation, and Esc closes it. In Arabic the window is
# mirrored: the days' frame lies right of the display options'.
# Usage, in a checkout: bash tests/desktop/languages.sh [path/to/dorvane]
#   without a path, the checkout is built first
# One PASS/FAIL line per step; exit 0 when all pass, 1 when any step fails, 77 (skipped) when a package of
# DESKTOP_X11_PACKAGES, DESKTOP_ATSPI_PACKAGES or DESKTOP_LANGUAGES_PACKAGES (scripts/packages.sh) is missing.
# DORVANE_SHOTS=folder keeps languages-<language>.png (the configuration window), languages-de-colour.png and
# languages-<language>-alert.png there.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
need_packages DESKTOP_X11_PACKAGES DESKTOP_ATSPI_PACKAGES DESKTOP_LANGUAGES_PACKAGES
acc_exe "$@"
export TZ=UTC
LANGS=(de fr ar ja)
declare -A LOCALE=([de]=de_DE.UTF-8 [fr]=fr_FR.UTF-8 [ar]=ar_EG.UTF-8 [ja]=ja_JP.UTF-8)
QT_TRANSLATIONS=/usr/share/qt6/translations
T() { /usr/bin/python3 "$ACC_DIR/translations.py" "$@" 2>>"$WORK/translations.log"; }
ts_of() { echo "$SRC/translations/dorvane_$1.ts"; }
for l in "${LANGS[@]}"; do [ -f "$(ts_of "$l")" ] || fail "no translation $(ts_of "$l")"; done

# The locales, the system's where it has all four, else made here (LOCPATH, which hides the system's), while the
# display starts.
LOCPATH_ENV=()
MAKING=()
have=$(locale -a 2>/dev/null | tr 'A-Z' 'a-z')
for l in "${LANGS[@]}"; do
  grep -qx "$(tr 'A-Z' 'a-z' <<<"${LOCALE[$l]/UTF-8/utf8}")" <<<"$have" && continue
  mkdir -p "$WORK/locale"
  LOCPATH_ENV=(LOCPATH="$WORK/locale")
  break
done
if [ ${#LOCPATH_ENV[@]} -gt 0 ]; then
  for l in "${LANGS[@]}"; do
    localedef -i "${LOCALE[$l]%.UTF-8}" -c -f UTF-8 "$WORK/locale/${LOCALE[$l]}" >>"$WORK/localedef.log" 2>&1 &
    MAKING+=($!)
  done
fi
# No tray, whose panel would cover a corner of one of the windows in their pictures.
ACC_NO_TRAY=1 acc_display
start_atspi
for p in "${MAKING[@]}"; do wait "$p"; done
for l in "${LANGS[@]}"; do
  env "${LOCPATH_ENV[@]}" LC_ALL="${LOCALE[$l]}" locale charmap 2>/dev/null | grep -qx UTF-8 ||
    fail "no locale ${LOCALE[$l]}: $(tail -n 3 "$WORK/localedef.log" 2>/dev/null)"
done

declare -A COPY TITLE_OF
for l in "${LANGS[@]}"; do
  TITLE_OF[$l]=$(T text "$(ts_of "$l")" MainWindow "$TITLE")
  mkdir -p "$WORK/$l/Dorvane" && mkdir -m 700 "$WORK/$l/run"
  printf '[Options]\nSaturdayTime=7:05:00\nWorkSaturday=1\n' >"$WORK/$l/Dorvane/Dorvane.conf"
done
# Started together, so that their checks, 30 s apart from the start, come together too.
for l in "${LANGS[@]}"; do
  XDG_CONFIG_HOME="$WORK/$l" XDG_RUNTIME_DIR="$WORK/$l/run" LANGUAGE=$l LC_ALL=${LOCALE[$l]} LANG=${LOCALE[$l]} \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 env "${LOCPATH_ENV[@]}" \
    LD_PRELOAD="$(faketime_lib)" FAKETIME="@2026-12-12 07:04:15" FAKETIME_DONT_FAKE_MONOTONIC=1 \
    "$EXE" >"$WORK/$l.log" 2>&1 &
  COPY[$l]=$!
  PIDS+=($!)
done

# steps LANGUAGE: translations.py's lines as steps of this check; read from a process substitution, never a pipe,
# whose subshell would lose the count of failures.
steps() {
  local ok what why n=0
  while IFS=$'\t' read -r ok what why; do step "$ok" "$1: $what" "$why"; n=$((n + 1)); done
  [ "$n" -gt 0 ] || step FAIL "$1: translations.py compares the tree" "$(tail -n 3 "$WORK/translations.log")"
}
# x_window LANGUAGE TITLE: the copy's visible X window of that title.
x_window() {
  local w
  for w in $(xdotool search --onlyvisible --pid "${COPY[$1]}" 2>/dev/null); do
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$2" ] && { echo "$w"; return 0; }
  done
  return 1
}
# raise WINDOW: on top and active, retried as the window manager may answer late.
raise() {
  for _ in $(seq 20); do
    xdotool windowactivate "$1" 2>/dev/null
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && return 0
    sleep 0.2
  done
  return 1
}
no_x_window() { ! x_window "$@"; }
# keep WINDOW NAME: a picture of the window, raised, into DORVANE_SHOTS.
keep() { raise "$1" && sleep 0.3 && import -window "$1" "$WORK/$2" 2>/dev/null && keep_shot "$WORK/$2" "$2"; }

info "four copies started $(($(date +%s) - START)) s after the check"

# --- the configuration windows ---
# The configuration window is the program's one top-level frame, whatever its title.
has_frame() { tree "$1" && awk -F'\t' '$2 == "frame" || $2 == "window"' "$WORK/$1.tsv" | grep -q .; }
for l in "${LANGS[@]}"; do
  if ! wait_for 20 has_frame "$l"; then
    step FAIL "$l: a configuration window" "none in the tree; said: $(tr '\n' ' ' <"$WORK/$l.log")"
    continue
  fi
  steps "$l" < <(T window "$(ts_of "$l")" "$WORK/$l.tsv")
  w=$(x_window "$l" "${TITLE_OF[$l]}") && keep "$w" "languages-$l.png"
done

# Mirrored: the days' frame, on the left in English, is on the right in Arabic.
frame_x() { rows ar "${TITLE_OF[ar]}" panel "$(T text "$(ts_of ar)" MainWindow "$1")" | head -n 1 | cut -f 6 | cut -d, -f 1; }
days_x=$(frame_x "Input Times      ") options_x=$(frame_x "Display Options")
if [ -n "$days_x" ] && [ -n "$options_x" ] && [ "$days_x" -gt "$options_x" ]; then
  step PASS "ar: the window is mirrored: the days' frame (x $days_x) lies right of the display options' (x $options_x)"
else
  step FAIL "ar: the window is mirrored: the days' frame lies right of the display options'" \
    "days at x '${days_x}', display options at x '${options_x}'"
fi

# --- Qt's colour dialog, in German ---
/usr/lib/qt6/bin/lconvert -i "$QT_TRANSLATIONS/qtbase_de.qm" -o "$WORK/qtbase_de.ts" 2>>"$WORK/lconvert.log" ||
  fail "lconvert cannot read $QT_TRANSLATIONS/qtbase_de.qm: $(cat "$WORK/lconvert.log")"
COLOUR=$(T text "$WORK/qtbase_de.ts" QColorDialog "Select Color")
if w=$(x_window de "${TITLE_OF[de]}") && raise "$w"; then
  # A click in the message box, then Alt+F, as in the screen reader check.
  IFS=, read -r x y cw ch <<<"$(rows de "${TITLE_OF[de]}" text "$(T text "$(ts_of de)" MainWindow "Message to display")" |
    head -n 1 | cut -f 6)"
  [ -n "${ch:-}" ] && xdotool mousemove --sync $((x + cw / 2)) $((y + ch / 2)) click 1
  sleep 0.3
  xdotool key --clearmodifiers alt+f
  if wait_for 5 x_window de "$COLOUR" && wait_for 5 tree_has de "$COLOUR" "" ""; then
    steps de < <(T colour "$WORK/qtbase_de.ts" "$WORK/de.tsv")
    keep "$(x_window de "$COLOUR")" languages-de-colour.png
    xdotool key --clearmodifiers Escape
    if wait_for 5 no_x_window de "$COLOUR"; then step PASS "de: Esc closes the colour dialog"
    else step FAIL "de: Esc closes the colour dialog" "it is still shown"; fi
  else
    step FAIL "de: Alt+F opens Qt's colour dialog, titled \"$COLOUR\"" \
      "its windows: $(APP=${COPY[de]} app_windows | cut -d ' ' -f 6- | paste -sd ';')"
  fi
else
  step FAIL "de: Alt+F opens Qt's colour dialog" "the German window cannot be brought to the front"
fi

# --- the alerts, at 7:05 ---
for l in "${LANGS[@]}"; do
  if wait_for 60 tree_has "$l" "" alert ""; then
    steps "$l" < <(T alert "$(ts_of "$l")" "$WORK/$l.tsv")
    w=$(APP=${COPY[$l]} alert_window) && raise "$w" && sleep 0.5 && shot "$WORK/$l-alert.png" &&
      keep_shot "$WORK/$l-alert.png" "languages-$l-alert.png"
  else
    step FAIL "$l: the alert at 7:05" "no object with the role alert; said: $(tr '\n' ' ' <"$WORK/$l.log")"
  fi
done
for l in "${LANGS[@]}"; do
  kill -0 "${COPY[$l]}" 2>/dev/null || step FAIL "$l: still running at the end" "said: $(tr '\n' ' ' <"$WORK/$l.log")"
done

end_steps
