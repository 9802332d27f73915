#!/usr/bin/env bash
# Makes the Debian package from a build folder and checks it as Debian's tools do: lintian, the
# menu and autostart entries, the AppStream metadata, the manual page, and what the package holds.
#
#   tests/package/deb-checks.sh BUILD_DIR
#
# Exits 77 where the checking tools are not installed.
set -uo pipefail
. "$(dirname "$0")/lib.sh"
build=$(cd "${1:?usage: deb-checks.sh BUILD_DIR}" && pwd)

need_packages DEB_PACKAGES DEB_CHECK_PACKAGES

work=$(mktemp -d /tmp/dorvane-deb.XXXXXX)
trap 'rm -rf "$work"' EXIT
deb=$(make_deb "$build" "$work") || exit 1
echo "INFO  $(basename "$deb")"

# No tag at warning level or above; the informational ones are shown for the record.
if lintian --fail-on error,warning --display-info "$deb" >"$work/lintian.log" 2>"$work/lintian.err"; then
    step PASS "lintian: no error or warning"
else
    step FAIL "lintian: no error or warning" "$(grep -E '^[EW]:' "$work/lintian.log" | tr '\n' ';')$(grep -v 'root privileges' "$work/lintian.err")"
fi
sed 's/^/      /' "$work/lintian.log"

root=$work/root
dpkg-deb -x "$deb" "$root"
menu=$root/usr/share/applications/dorvane.desktop
autostart=$root/etc/xdg/autostart/dorvane.desktop
for f in /usr/bin/dorvane /usr/share/applications/dorvane.desktop /etc/xdg/autostart/dorvane.desktop \
    /usr/share/icons/hicolor/16x16/apps/dorvane.png /usr/share/icons/hicolor/32x32/apps/dorvane.png \
    /usr/share/icons/hicolor/48x48/apps/dorvane.png /usr/share/icons/hicolor/scalable/apps/dorvane.svg \
    /usr/share/metainfo/org.dorvane.dorvane.metainfo.xml /usr/share/man/man1/dorvane.1.gz \
    /usr/share/doc/dorvane/copyright /usr/share/doc/dorvane/changelog.gz; do
    if [ -f "$root$f" ]; then step PASS "installs $f"; else step FAIL "installs $f" "missing"; fi
done

for entry in "$menu" "$autostart"; do
    name=${entry#"$root"}
    if out=$(desktop-file-validate "$entry" 2>&1) && [ -z "$out" ]; then
        step PASS "desktop-file-validate $name"
    else
        step FAIL "desktop-file-validate $name" "$out"
    fi
done
exec_of() { sed -n 's/^Exec=//p' "$1"; }
if [ -f "$autostart" ] && [ "$(exec_of "$autostart")" = "$(exec_of "$menu")" ]; then
    step PASS "the autostart entry starts the program as the menu entry does: Exec=$(exec_of "$menu")"
else
    step FAIL "the autostart entry's Exec is the menu entry's"
fi

metainfo=$root/usr/share/metainfo/org.dorvane.dorvane.metainfo.xml
if out=$(appstreamcli validate --no-net "$metainfo" 2>&1); then
    step PASS "appstreamcli validate --no-net"
else
    step FAIL "appstreamcli validate --no-net" "$out"
fi
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
if [ -n "$launchable" ] && [ -f "$root/usr/share/applications/$launchable" ]; then
    step PASS "the AppStream launchable is the menu entry $launchable"
else
    step FAIL "the AppStream launchable names the menu entry" "launchable '$launchable'"
fi

man=$root/usr/share/man/man1/dorvane.1.gz
out=$( { MANWIDTH=80 man --warnings -l "$man" >/dev/null; zcat "$man" | groff -man -ww -z; } 2>&1)
if [ -z "$out" ] && MANWIDTH=80 man -l "$man" 2>/dev/null | grep -q 'SIGTERM'; then
    step PASS "the manual page renders without warnings"
else
    step FAIL "the manual page renders without warnings" "$out"
fi

# The relations Debian resolves on install.
depends=$(dpkg-deb -f "$deb" Depends)
recommends=$(dpkg-deb -f "$deb" Recommends)
for pkg in qt6-qpa-plugins fonts-liberation libqt6widgets6 libqt6gui6; do
    if grep -Eq "(^|, )$pkg( |,|$)" <<<"$depends"; then step PASS "depends on $pkg"
    else step FAIL "depends on $pkg" "Depends: $depends"; fi
done
for pkg in qt6-wayland qt6-translations-l10n; do
    if grep -Eq "(^|, )$pkg( |,|$)" <<<"$recommends"; then step PASS "recommends $pkg"
    else step FAIL "recommends $pkg" "Recommends: $recommends"; fi
done
dpkg-deb -e "$deb" "$work/control"
if [ "$(cat "$work/control/conffiles" 2>/dev/null)" = /etc/xdg/autostart/dorvane.desktop ]; then
    step PASS "the autostart entry is the package's only conffile"
else
    step FAIL "the autostart entry is the package's only conffile"
fi
version=$(dpkg-deb -f "$deb" Version)
top=$(zcat "$root/usr/share/doc/dorvane/changelog.gz" | sed -n '1s/^dorvane (\([^)]*\)).*/\1/p')
if [ "$top" = "$version" ]; then step PASS "the changelog's latest entry is version $version"
else step FAIL "the changelog's latest entry is the package's version" "$top, package $version"; fi

end_steps
