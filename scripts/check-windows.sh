#!/usr/bin/env bash
# Checks that every source still compiles for Windows, with the MinGW-w64 cross compiler against
# the installed Qt headers. Nothing is linked: this catches POSIX headers and calls that are not
# guarded, not a full Windows build.
#   scripts/check-windows.sh 'DEFINITION;...'
# The definitions are the program's, as its build gives them; the windows_syntax test passes them
# (ctest --test-dir build -R windows_syntax).
set -euo pipefail
[ $# = 1 ] || { sed -n '2,7p' "$0" >&2; exit 2; }
IFS=';' read -ra program <<<"$1"
cd "$(dirname "$0")/.."
. scripts/packages.sh
ensure_packages "${WINDOWS_CHECK_PACKAGES[@]}" qt6-base-dev || exit 77

cxx=x86_64-w64-mingw32-g++
moc=/usr/lib/qt6/libexec/moc
qt=$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || echo x86_64-linux-gnu)
qt=/usr/include/$qt/qt6

# Sources that Windows builds leave out.
unix_only=(app/alarmsound_unix.cpp)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# MinGW ships a few POSIX headers that MSVC lacks; shadow them so that an unguarded include fails.
mkdir "$work/posix-only" "$work/posix-only/sys"
for h in unistd.h dirent.h pwd.h sys/file.h sys/socket.h sys/wait.h; do
    echo "#error \"<$h> is POSIX only: guard it with Q_OS_UNIX\"" >"$work/posix-only/$h"
done

includes=(-I"$work/posix-only" -I"$qt" -I"$qt/QtCore" -I"$qt/QtGui" -I"$qt/QtWidgets" -I"$qt/QtTest"
          -Icore -Iui -Iapp -Itests -Ifuzz -I"$work")
# Besides those, the Qt modules' that the tests use, and the Windows names of the programs they start.
defines=(-DQT_CORE_LIB -DQT_GUI_LIB -DQT_WIDGETS_LIB -DQT_TESTLIB_LIB "${program[@]/#/-D}"
         -DEDITDRIVER='"editdriver.exe"' -DDORVANE_EXE='"Dorvane.exe"' -DSTOREWRITER='"storewriter.exe"'
         -DDORVANE_LANGUAGES='"de,ar"' -DDORVANE_SOURCE_DIR='"."' -DDORVANE_LUPDATE='"lupdate.exe"')

sources=()
for f in core/*.cpp ui/*.cpp app/*.cpp tests/*.cpp fuzz/*.cpp bench/*.cpp bench/floor/*.cpp; do
    [ -e "$f" ] || continue
    [[ " ${unix_only[*]} " == *" $f "* ]] && continue
    sources+=("$f")
done

# Tests that end in '#include "tst_x.moc"' need that file; moc's output is the same for any target.
for f in "${sources[@]}"; do
    if grep -q "^#include \"$(basename "${f%.cpp}").moc\"" "$f"; then
        "$moc" "${defines[@]}" "${includes[@]}" "$f" -o "$work/$(basename "${f%.cpp}").moc"
    fi
done

# The Linux Qt headers draw dllimport warnings from MinGW; only warnings in our own files are shown.
own_warning='^(core|ui|app|tests|fuzz|bench)/[^:]+:[0-9]+:[0-9]+: warning'
check_one() {
    local f=$1 log=$work/${1//\//_}.log
    if ! "$cxx" -std=c++20 -fsyntax-only -Wall -Wextra "${defines[@]}" "${includes[@]}" "$f" 2>"$log"; then
        echo "FAIL $f"
        cat "$log"
        touch "$work/failed.$(basename "$log")"
    elif grep -qE "$own_warning" "$log"; then
        echo "ok   $f (with warnings)"
        grep -E "$own_warning" "$log"
    else
        echo "ok   $f"
    fi
}

# Two at a time, one per core.
running=0
for f in "${sources[@]}"; do
    check_one "$f" >"$work/${f//\//_}.out" &
    running=$((running + 1))
    if [ "$running" -ge 2 ]; then
        wait -n || true
        running=$((running - 1))
    fi
done
wait
for f in "${sources[@]}"; do cat "$work/${f//\//_}.out"; done
failed=$(find "$work" -maxdepth 1 -name 'failed.*' | wc -l)

# The icon and version record that the Windows build links in, with the values CMake fills in
# standing for themselves here.
sed -e "s|@CMAKE_CURRENT_SOURCE_DIR@|$PWD/resources|" -e 's|@DORVANE_RC_VERSION@|1,0,0,0|' \
    -e 's|@PROJECT_VERSION@|1.0|' resources/dorvane.rc.in >"$work/dorvane.rc"
if ! grep -q '@[A-Z_]*@' "$work/dorvane.rc" &&
    x86_64-w64-mingw32-windres "$work/dorvane.rc" -O coff -o "$work/dorvane.res.o" 2>"$work/windres.log"; then
    echo "ok   resources/dorvane.rc.in"
else
    echo "FAIL resources/dorvane.rc.in"
    grep '@[A-Z_]*@' "$work/dorvane.rc" >>"$work/windres.log"
    cat "$work/windres.log"
    failed=$((failed + 1))
fi

echo "${#sources[@]} sources and the version resource checked for Windows, $failed failed; not built there: ${unix_only[*]}"
[ "$failed" -eq 0 ]
