# Sourced by the build scripts and the checks: installs the Debian/Ubuntu packages that are missing,
# or skips a check that lacks them.

# Prints those of the packages that are not installed.
missing_packages() {
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || echo "$pkg"
    done
}

ensure_packages() {
    local list missing
    # Not from a process substitution, which can outlive an exec that follows (footprint.sh's).
    list=$(missing_packages "$@")
    [ -z "$list" ] && return 0
    mapfile -t missing <<<"$list"

    echo "Installing: ${missing[*]}"
    local as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            as_root=(sudo)
        else
            echo "These packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
            return 1
        fi
    fi
    export DEBIAN_FRONTEND=noninteractive
    # Another install may hold the package lock for a while; wait for it rather than fail.
    local wait=(-o DPkg::Lock::Timeout=900)
    "${as_root[@]}" apt-get "${wait[@]}" update -qq &&
        "${as_root[@]}" apt-get "${wait[@]}" install -y -qq --no-install-recommends "${missing[@]}"
}

# What building Dorvane needs.
# Its translations are compiled with Qt Linguist's lrelease (qt6-l10n-tools, found through qt6-tools-dev).
BUILD_PACKAGES=(cmake make g++ qt6-base-dev qt6-l10n-tools qt6-tools-dev libxcb1-dev fonts-liberation)
# What the alert's sound needs at run time (libcanberra with its PulseAudio backend, and the sound
# theme); without them the alert comes silent. The program loads libcanberra itself, so it is no build need.
SOUND_PACKAGES=(libcanberra0 libcanberra-pulse sound-theme-freedesktop)
# What the tests need besides.
# A font with Chinese and Japanese glyphs, without which the windows in those languages are measured in
# empty boxes.
TEST_PACKAGES=(qt6-qpa-plugins tzdata fonts-wqy-microhei)
# The coverage-guided fuzzer; the tests run without it where these cannot be had.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# The desktop checks, one group per desktop, each all that its checks need; a check whose group
# cannot be installed is skipped.
DESKTOP_X11_PACKAGES=(xvfb openbox trayer xdotool x11-utils imagemagick faketime libfaketime procps xterm)
DESKTOP_XFCE_PACKAGES=(xfce4-panel xfconf dbus-daemon libglib2.0-bin tesseract-ocr tesseract-ocr-eng
                       xvfb openbox xdotool x11-utils imagemagick xterm)
DESKTOP_WESTON_PACKAGES=(weston qt6-wayland imagemagick libfaketime)
# weston for weston-terminal, the other program's window there; xterm through Xwayland.
DESKTOP_GNOME_PACKAGES=(gnome-shell gnome-shell-extension-appindicator xwayland qt6-wayland dbus-daemon libglib2.0-bin
                        imagemagick libfaketime weston xterm)
DESKTOP_LXQT_PACKAGES=(lxqt-panel xvfb openbox xdotool x11-utils imagemagick dbus-daemon tesseract-ocr tesseract-ocr-eng)
# Login autostart under a real session manager.
DESKTOP_SESSION_PACKAGES=(xfce4-session xfconf openbox dbus-daemon xvfb xdotool x11-utils procps)
# KDE Plasma, about 360 packages: its checks run only on request, and the test command does not install it.
DESKTOP_PLASMA_PACKAGES=(plasma-workspace plasma-desktop kwin-x11 kwin-wayland qtwayland5 plasma-workspace-wayland
                         qt6-wayland xvfb xdotool imagemagick libfaketime tesseract-ocr tesseract-ocr-eng
                         dbus-daemon libglib2.0-bin xterm weston)
# The late alert check, besides DESKTOP_X11_PACKAGES: it speaks for logind on a private system bus and reads the
# alert and the tray message.
DESKTOP_WAKE_PACKAGES=(dbus-daemon python3-gi tesseract-ocr tesseract-ocr-eng)
# The screen reader check, besides DESKTOP_X11_PACKAGES: the accessibility bus on a private session bus, and an
# AT-SPI client.
DESKTOP_ATSPI_PACKAGES=(at-spi2-core python3-pyatspi gir1.2-atspi-2.0 dbus-daemon libglib2.0-bin)
# The sound check, besides DESKTOP_X11_PACKAGES: a PulseAudio server of its own on null sinks, a recorder of their
# monitors and sox to measure what it recorded.
DESKTOP_SOUND_PACKAGES=("${SOUND_PACKAGES[@]}" pulseaudio pulseaudio-utils sox)
# The languages check, besides DESKTOP_X11_PACKAGES and DESKTOP_ATSPI_PACKAGES: the locales it makes, Qt's own
# translations and lconvert to read them, and glyphs for Arabic (DejaVu) and Japanese.
DESKTOP_LANGUAGES_PACKAGES=(locales qt6-translations-l10n qt6-l10n-tools fonts-dejavu-core fonts-wqy-microhei)
# Making the Debian package (dpkg-shlibdeps, and file, with which CPack finds the binaries to scan).
DEB_PACKAGES=(dpkg-dev file)
# Checking it as Debian does, and installing it on a bare Debian 12 in a chroot.
DEB_CHECK_PACKAGES=(lintian desktop-file-utils appstream man-db groff-base)
DEB_CHROOT_PACKAGES=(debootstrap)
# The Windows syntax check: the MinGW-w64 cross compiler and its resource compiler.
WINDOWS_CHECK_PACKAGES=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64)
# The Windows build and its tests under Wine; the installer is made with nsis. Wine's own fonts
# draw the title bars and their buttons as Windows does.
WINDOWS_PACKAGES=("${WINDOWS_CHECK_PACKAGES[@]}" cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-l10n-tools xz-utils
                  wine64 xvfb fonts-liberation fonts-wine nsis)
# The installer ships Qt's own translations, from Debian's package of the same Qt version.
WINDOWS_PACKAGES+=(qt6-translations-l10n)

# need_packages GROUP...: skips the check (exit 77) unless every package of these groups is installed.
need_packages() {
    local group all=() missing
    for group in "$@"; do
        local -n packages=$group
        all+=("${packages[@]}")
        unset -n packages
    done
    missing=$(missing_packages "${all[@]}")
    [ -z "$missing" ] && return 0
    echo "$(basename "$0"): skipped, not installed: ${missing//$'\n'/ } (scripts/packages.sh: $*)"
    exit 77
}
