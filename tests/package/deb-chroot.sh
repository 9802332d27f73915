#!/usr/bin/env bash
# Installs the Debian package on a bare Debian 12 (debootstrap --variant=minbase) in a chroot, from the
# same mirror as this machine's apt sources, and checks that:
#   - apt-get install ./dorvane_*.deb pulls everything the program needs (recommends left out);
#   - the installed program starts under Xvfb in the chroot and shows its configuration window, and
#     ends with status 0 on SIGTERM;
#   - apt-get remove takes away every file of the package but its one conffile, the autostart entry,
#     which dpkg keeps until purge; purge leaves nothing named dorvane on the system.
#
#   tests/package/deb-chroot.sh BUILD_DIR
#
# Needs root, debootstrap and a private mount namespace (unshare); exits 77 where these are missing or
# the mirror cannot be reached. The debootstrapped tree is cached as a tarball in
# ${DORVANE_CHROOT_CACHE:-~/.cache/dorvane} (about 200 MB), so later runs skip the download; delete
# it to bootstrap afresh. The packages installed on top always come from the mirror.
# DORVANE_SHOTS=folder  keeps a screenshot of the program in the chroot there.
set -uo pipefail
. "$(dirname "$0")/lib.sh"
build=$(cd "${1:?usage: deb-chroot.sh BUILD_DIR}" && pwd)

[ "$(id -u)" = 0 ] || { echo "SKIP: needs root for debootstrap and chroot"; exit 77; }
need_packages DEB_CHROOT_PACKAGES DEB_PACKAGES
# Mounts made for the chroot vanish with this script's own mount namespace.
if [ -z "${DORVANE_IN_NAMESPACE:-}" ]; then
    unshare -m true 2>/dev/null || { echo "SKIP: no private mount namespace here"; exit 77; }
    DORVANE_IN_NAMESPACE=1 exec unshare -m --propagation private bash "$0" "$@"
fi

elapsed() { echo "$(($(date +%s) - START)) s"; }
work=$(mktemp -d /tmp/dorvane-chroot.XXXXXX)
root=$work/root
cleanup() {
    # Whatever still runs in the chroot goes first, then its mounts, then the tree; the tree only
    # once nothing is mounted in it, so that nothing of the host's /dev can go with it.
    local proc
    for proc in /proc/[0-9]*; do
        [ "$(readlink "$proc/root" 2>/dev/null)" = "$root" ] && kill -9 "${proc#/proc/}" 2>/dev/null
    done
    umount "$root/dev/shm" "$root/proc" 2>/dev/null
    if grep -q " $root/" /proc/self/mounts; then
        echo "still mounted under $root; left in place"
    else
        rm -rf --one-file-system "$work"
    fi
}
trap cleanup EXIT

deb=$(make_deb "$build" "$work") || exit 1
echo "INFO  $(basename "$deb") made ($(elapsed))"

# The host's Debian mirror: the URI of its bookworm sources, deb822 or one-line.
mirror_of() { # mirror_of SUITE
    local suite=$1
    {
        cat /etc/apt/sources.list.d/*.sources 2>/dev/null | awk -v s="$suite" '
            /^$/ { if (found && uri) print uri; found = 0; uri = "" }
            /^URIs:/ { uri = $2 }
            /^Suites:/ { for (i = 2; i <= NF; i++) if ($i == s) found = 1 }
            END { if (found && uri) print uri }'
        cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
            awk -v s="$suite" '$1 == "deb" && $0 !~ /\[/ && $3 == s { print $2 } $1 == "deb" && $0 ~ /\[/ { for (i = 2; i <= NF; i++) if ($i ~ /\]$/) { if ($(i + 2) == s) print $(i + 1); break } }'
    } | head -n 1
}
mirror=$(mirror_of bookworm)
mirror=${mirror:-http://deb.debian.org/debian}
security=$(mirror_of bookworm-security)
echo "INFO  mirror $mirror${security:+, security $security}"

cache=${DORVANE_CHROOT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/dorvane}
tarball=$cache/debootstrap-bookworm-minbase.tar
mkdir -p "$root"
if [ -f "$tarball" ]; then
    tar -C "$root" -xf "$tarball" || { echo "the cached tree $tarball does not unpack"; exit 1; }
    echo "INFO  bare Debian 12 unpacked from $tarball ($(elapsed))"
else
    if ! debootstrap --variant=minbase bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1; then
        tail -5 "$work/debootstrap.log"
        echo "SKIP: debootstrap could not build a Debian 12 tree from $mirror"
        exit 77
    fi
    mkdir -p "$cache"
    tar -C "$root" -cf "$tarball.$$.part" . && mv "$tarball.$$.part" "$tarball"
    echo "INFO  bare Debian 12 bootstrapped from $mirror and cached in $tarball ($(elapsed))"
fi

# debootstrap made the tree's own device nodes; the host's /dev stays out of it.
mount -t proc proc "$root/proc"
mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"
cp /etc/resolv.conf "$root/etc/resolv.conf"
{
    echo "deb $mirror bookworm main"
    echo "deb $mirror bookworm-updates main"
    [ -n "$security" ] && echo "deb $security bookworm-security main"
} >"$root/etc/apt/sources.list"
# Nothing installed here may start a service.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"

in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"; }
apt_in_root() { in_root apt-get -q -y -o APT::Install-Recommends=false "$@"; }

if ! apt_in_root update >"$work/apt.log" 2>&1; then
    tail -5 "$work/apt.log"
    echo "SKIP: the chroot cannot reach $mirror"
    exit 77
fi
# The tools of this check only; the package must bring the rest itself.
apt_in_root install xvfb xdotool x11-utils >>"$work/apt.log" 2>&1 || { tail -20 "$work/apt.log"; exit 1; }
echo "INFO  test tools installed in the chroot ($(elapsed))"

cp "$deb" "$root/tmp/"
debname=$(basename "$deb")
if apt_in_root install "./tmp/$debname" >"$work/install.log" 2>&1 && in_root dpkg -s dorvane >/dev/null 2>&1; then
    step PASS "apt-get install ./$debname on a bare Debian 12" \
        "$(grep -c '^Setting up' "$work/install.log") packages set up"
else
    step FAIL "apt-get install ./$debname on a bare Debian 12" "$(tail -5 "$work/install.log" | tr '\n' ';')"
    exit 1
fi
rm -f "$root/tmp/$debname"
echo "INFO  package installed ($(elapsed))"

# --- the installed program on an X server in the chroot, as an ordinary user ---
in_root useradd -m -u 4321 tester
# The chroot's X server shares the host's abstract socket names; it picks a display free on both
# itself (a taken abstract name makes it try the next) and names it once it listens.
in_root Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 150); do [ -s "$work/display" ] && break; sleep 0.1; done
d=$(head -n 1 "$work/display" 2>/dev/null)
[ -n "$d" ] || step FAIL "Xvfb starts in the chroot" "$(tail -n 3 "$work/xvfb.log" | tr '\n' ' ')"
tester=(chroot --userspec=4321:4321 "$root" /usr/bin/env -i PATH=/usr/bin:/bin HOME=/home/tester
    USER=tester LANG=C.UTF-8 DISPLAY=":$d" XDG_RUNTIME_DIR=/tmp/run-tester)
as_tester() { "${tester[@]}" "$@"; }
in_root install -d -m 700 -o tester -g tester /tmp/run-tester
# The command line the menu and autostart entries give.
cmd=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/dorvane.desktop")
# Started directly, not through a function, so that $! is the program and the signal reaches it.
"${tester[@]}" $cmd >"$work/app.log" 2>&1 &
app=$!
window=
for _ in $(seq 60); do
    window=$(as_tester xdotool search --onlyvisible --name '^Dorvane: Configuration$' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    kill -0 "$app" 2>/dev/null || break
    sleep 0.25
done
if [ -n "$window" ]; then
    step PASS "the installed '$cmd' shows its configuration window under Xvfb" \
        "$(as_tester xwininfo -id "$window" | grep -E 'Width|Height' | tr -s ' ' | tr '\n' ' ')"
else
    step FAIL "the installed '$cmd' shows its configuration window under Xvfb" "$(tr '\n' ';' <"$work/app.log")"
fi
if [ -n "${DORVANE_SHOTS:-}" ] && command -v import >/dev/null; then
    mkdir -p "$DORVANE_SHOTS"
    import -display ":$d" -window root "$DORVANE_SHOTS/deb-chroot.png" 2>/dev/null
fi
kill -TERM "$app" 2>/dev/null
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then
    step FAIL "SIGTERM ends the program" "still running after 5 s"
    kill -9 "$app"
else
    wait "$app"; status=$?
    if [ "$status" = 0 ]; then step PASS "SIGTERM ends the program with status 0"
    else step FAIL "SIGTERM ends the program with status 0" "status $status"; fi
fi
kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null
echo "INFO  program run ($(elapsed))"

# --- remove, then purge ---
in_root dpkg-query -L dorvane >"$work/files"
conffiles=$(in_root dpkg-query -W -f='${Conffiles}' dorvane | awk 'NF { print $1 }')
apt_in_root remove dorvane >"$work/remove.log" 2>&1 || { tail -5 "$work/remove.log"; exit 1; }
left=()
while read -r path; do
    [ -e "$root$path" ] || [ -L "$root$path" ] || continue
    # A folder that other packages share stays.
    [ -d "$root$path" ] && [ ! -L "$root$path" ] && in_root dpkg-query -S "$path" >/dev/null 2>&1 && continue
    grep -qxF "$path" <<<"$conffiles" && continue
    left+=("$path")
done <"$work/files"
if [ ${#left[@]} = 0 ]; then
    step PASS "apt-get remove takes every file of the package but its conffile" "kept: $(echo $conffiles)"
else
    step FAIL "apt-get remove takes every file of the package but its conffile" "left: ${left[*]}"
fi
apt_in_root purge dorvane >"$work/purge.log" 2>&1 || { tail -5 "$work/purge.log"; exit 1; }
rm -rf "$root/home/tester/.config/Dorvane"
stray=$(find "$root" -xdev -iname '*dorvane*' -not -path "$root/tmp/*" -not -path "$root/proc/*" 2>/dev/null |
    sed "s|^$root||")
if [ -z "$stray" ] && ! in_root dpkg -s dorvane >/dev/null 2>&1; then
    step PASS "apt-get purge leaves nothing named dorvane"
else
    step FAIL "apt-get purge leaves nothing named dorvane" "$(echo $stray)"
fi

end_steps
