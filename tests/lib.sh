# shellcheck shell=bash
# Shared by the shell checks: a line for each step, a last line with the count of those that failed,
# and need_packages from scripts/packages.sh, which skips a check whose packages are not installed.
set -u
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/packages.sh"
FAILS=0
START=$(date +%s)

step() { # step PASS|FAIL "what" ["why"]
  printf '%s  %s%s\n' "$1" "$2" "${3:+: $3}"
  [ "$1" = PASS ] || FAILS=$((FAILS + 1))
}
# A failure after which the check cannot go on.
fail() { echo "FAIL: $*"; FAILS=$((FAILS + 1)); exit 1; }
# The last line of a check, and its status.
end_steps() {
  echo "$(basename "$0"): $FAILS step(s) failed after $(($(date +%s) - START)) s"
  [ "$FAILS" = 0 ]
}
