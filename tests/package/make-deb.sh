#!/usr/bin/env bash
# Makes the Debian package from a build folder into OUT_DIR, replacing an older one there.
#   tests/package/make-deb.sh BUILD_DIR OUT_DIR
set -uo pipefail
. "$(dirname "$0")/lib.sh"
need_packages DEB_PACKAGES
rm -rf "$2" && mkdir -p "$2" || exit 1
unset DORVANE_DEB_DIR
make_deb "$1" "$2"
