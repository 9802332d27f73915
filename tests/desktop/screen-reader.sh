#!/usr/bin/env bash
# Screen reader check: the real program read as Orca reads it, through AT-SPI, on Xvfb with openbox and trayer.
# A private session bus with the accessibility bus on it (at-spi-bus-launcher), the program with Qt's accessibility
# always on and its clock faked to 7:04:15 on a Tuesday with an alert at 7:05; atspi.py reads its tree.
# Steps: the configuration window is a top-level window named "Dorvane: Configuration"; each control a screen
# reader should name has its name, role and a description, and nothing that takes the focus goes unnamed; F1 in the
# message box and in a day's time open their helps, Alt+B the colour dialog, each in the tree and closed by Esc,
# the store left as it was; Alt+F and Alt+B choose the font and the background colour, typed into the colour
# dialog; at the alert minute (the second check) an "alert" named by its message, with its message label and its
# focused button, which Enter presses, in those colours.
# Usage, in a checkout: bash tests/desktop/screen-reader.sh [path/to/dorvane]
#   without a path, the checkout is built first
# One PASS/FAIL line per step; exit 0 when all pass, 1 when any step fails, 77 (skipped) when a package of
# DESKTOP_X11_PACKAGES or DESKTOP_ATSPI_PACKAGES (scripts/packages.sh) is missing.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
need_packages DESKTOP_X11_PACKAGES DESKTOP_ATSPI_PACKAGES
acc_exe "$@"
export TZ=UTC
MESSAGE='Get ready for work because it is now 7:05 AM on Tuesday.'
acc_display
acc_store 'TuesdayTime=7:05:00 AM' WorkTuesday=1

start_atspi
# Two checks, 30 s apart: the first at 7:04:45 leaves time for the keys, the second at 7:05:15 alerts.
FAKE_TIME="2026-12-08 07:04:15" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 acc_start "$EXE"

# field COLUMN WINDOW ROLE NAME: that column of the first matching row of the program's tree.
field() { local c=$1; shift; rows tree "$@" | head -n 1 | cut -f "$c"; }
# click_on ROLE NAME: a click in the middle of the configuration window's control, where the tree says it is.
click_on() {
  local x y w h
  IFS=, read -r x y w h <<<"$(field 6 "$TITLE" "$1" "$2")"
  [ -n "$h" ] && xdotool mousemove --sync $((x + w / 2)) $((y + h / 2)) click 1
}
no_alert() { ! alert_window; }

# --- the configuration window ---
wait_for 20 tree_has tree "$TITLE" "" "$TITLE" || fail "no window named \"$TITLE\" in the tree; $(cat "$WORK/atspi.log")"
ROLE=$(field 2 "$TITLE" "" "$TITLE")
# Qt gives its Window role to AT-SPI as "frame", the role of an application's top-level windows.
case $ROLE in
  frame | window) step PASS "configuration window: a top-level window (\"$ROLE\") named \"$TITLE\"" ;;
  *) step FAIL "configuration window: a top-level window named \"$TITLE\"" "role \"$ROLE\"" ;;
esac
missing=() expect=()
for day in Sunday Monday Tuesday Wednesday Thursday Friday Saturday; do
  expect+=("spin button:$day alert time" "check box:Work on $day")
done
expect+=("text:Message to display" "label:Font Color" "label:Background Color" "image:Help on variables in messages"
         "image:Help on inputting times" "push button:Hide" "push button:Quit")
for e in "${expect[@]}"; do
  [ -n "$(field 4 "$TITLE" "${e%%:*}" "${e#*:}")" ] || missing+=("${e#*:} (${e%%:*})")
done
# Each colour is a swatch and its caption, both named.
[ "$(rows tree "$TITLE" label "Font Color" | wc -l)" = 2 ] || missing+=("Font Color: swatch and caption")
[ "$(rows tree "$TITLE" label "Background Color" | wc -l)" = 2 ] || missing+=("Background Color: swatch and caption")
if [ ${#missing[@]} = 0 ]; then
  step PASS "configuration window: the ${#expect[@]} controls, swatches and help icons have their roles, names and descriptions"
else
  step FAIL "configuration window: the controls have their roles, names and descriptions" "missing: ${missing[*]}"
fi
unnamed=$(awk -F'\t' -v w="$TITLE" '$1 == w && $5 ~ /focusable/ && ($3 == "" || $4 == "") {print $2 " \"" $3 "\""}' \
  "$WORK/tree.tsv" | paste -sd ',')
[ -z "$unnamed" ] && step PASS "configuration window: everything that takes the focus has a name and a description" ||
  step FAIL "configuration window: everything that takes the focus has a name and a description" "not: $unnamed"

# --- the keys ---
has_focus() { tree && rows tree "$TITLE" "$1" "$2" | cut -f 5 | grep -q focused; }
esc() { xdotool key --clearmodifiers Escape; }
# pick_colour #RRGGBB: typed into the colour dialog's HTML box (Alt+H), then OK.
pick_colour() { xdotool key --clearmodifiers alt+h ctrl+a && xdotool type "$1" && xdotool key Return; }
# key_opens WHAT ROLE NAME KEY TITLE ANSWER...: a click on the control, whose focus the tree shows, then the key opens
# a window titled TITLE, which the tree holds too, and the ANSWER command closes it again.
key_opens() {
  local what=$1 role=$2 name=$3 key=$4 title=$5
  shift 5
  click_on "$role" "$name"
  if ! wait_for 3 has_focus "$role" "$name"; then
    step FAIL "$what" "a click on \"$name\" gives it no focus that a screen reader sees"; return 1
  fi
  xdotool key --clearmodifiers "$key"
  if ! wait_window "^$title\$" 5 >/dev/null; then step FAIL "$what" "no window \"$title\" within 5 s"; return 1; fi
  wait_for 3 tree_has tree "$title" "" "$title"
  info "$title: $(field 2 "$title" "" "$title") in the tree; its text: $(awk -F'\t' -v w="$title" \
    '$1 == w && $2 == "label" && $3 != "" {print $3; exit}' "$WORK/tree.tsv" | cut -c 1-70)"
  tree_has tree "$title" "" "$title" || { step FAIL "$what" "\"$title\" is not in the tree"; return 1; }
  "$@"
  if wait_gone "^$title\$" 5; then step PASS "$what"; else step FAIL "$what" "\"$title\" does not close on $*"; fi
}
stored() { grep -x "$1" "$STORE" >/dev/null; }
BEFORE=$(cat "$STORE")
key_opens "F1 in the message box opens the help on variables in messages; Esc closes it" text "Message to display" \
  F1 "Help for variables in messages" esc
key_opens "F1 in Tuesday's time opens the help on inputting times; Esc closes it" "spin button" "Tuesday alert time" \
  F1 "Help for inputting times" esc
key_opens "Alt+B opens the colour dialog; Esc closes it" text "Message to display" alt+b "Select Color" esc
[ "$(cat "$STORE")" = "$BEFORE" ] && step PASS "the store is as it was after those keys" ||
  step FAIL "the store is as it was after those keys" "$(diff <(echo "$BEFORE") "$STORE" | tr '\n' ' ')"
# Navy text (0x00BBGGRR 0x800000) on yellow (0x00FFFF).
key_opens "Alt+F opens the colour dialog; a colour typed in and Enter close it" text "Message to display" alt+f \
  "Select Color" pick_colour '#000080'
stored FontColor=8388608 && ! grep -q BackColor "$STORE" && step PASS "that colour is the font colour now" ||
  step FAIL "that colour is the font colour now" "stored: $(grep Color "$STORE" | tr '\n' ' ')"
key_opens "Alt+B opens the colour dialog; a colour typed in and Enter close it" text "Message to display" alt+b \
  "Select Color" pick_colour '#ffff00'
stored BackColor=65535 && stored FontColor=8388608 && step PASS "that colour is the background colour now" ||
  step FAIL "that colour is the background colour now" "stored: $(grep Color "$STORE" | tr '\n' ' ')"

# --- the alert ---
if wait_for 60 tree_has tree "" alert ""; then
  NAME=$(field 3 "" alert "")
  AT=$(field 1 "" alert "")
  [ "$NAME" = "$MESSAGE" ] && step PASS "the alert at 7:05: an \"alert\" named by its message: \"$NAME\"" ||
    step FAIL "the alert at 7:05: an \"alert\" named by its message" "named \"$NAME\""
  LABEL=$(awk -F'\t' -v w="$AT" -v m="$MESSAGE" '$1 == w && $2 == "label" && ($3 == m || $7 == m)' "$WORK/tree.tsv")
  [ -n "$LABEL" ] && step PASS "the alert's label speaks the message" ||
    step FAIL "the alert's label speaks the message" "$(rows tree "$AT" label "" | cut -f 2-4,7)"
  BUTTON=$(rows tree "$AT" "push button" "Ok... I'll get ready now")
  case $(cut -f 4,5 <<<"$BUTTON") in
    ?*$'\t'*focused*) step PASS "the alert's button, named and described, has the focus" ;;
    *) step FAIL "the alert's button, named and described, has the focus" "$(cut -f 2-5 <<<"$BUTTON")" ;;
  esac
  sleep 1
  shot "$WORK/alert.png"; keep_shot "$WORK/alert.png" screen-reader-alert.png
  [ "$(pixel "$WORK/alert.png" 5 $((SCREEN_H - 5)))" = 255,255,0 ] && step PASS "the alert is in the colours the keys chose" ||
    step FAIL "the alert is in the colours the keys chose" "a corner is $(pixel "$WORK/alert.png" 5 $((SCREEN_H - 5)))"
  xdotool key --clearmodifiers Return
  if wait_for 5 no_alert; then step PASS "Enter presses it: the alert is gone"
  else step FAIL "Enter presses it: the alert is gone" "it is still shown"; fi
else
  step FAIL "the alert at 7:05: an \"alert\" named by its message" "no object with the role \"alert\": $(cut -f 1,2 "$WORK/tree.tsv" | sort -u | tr '\n' ' ')"
fi

end_steps
