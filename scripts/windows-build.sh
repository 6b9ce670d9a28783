#!/bin/sh
# Usage: windows-build.sh [qt]
#
# Cross-builds the editor and its tests for 64-bit Windows on Debian with MinGW-w64, runs every test
# suite under Wine, and makes the players' archive: build/windows/Rostermaker-<version>-win64.zip and its
# .sha256. The archive is then unpacked into a copy of demo/ and its Rostermaker.exe run from there under
# Wine, with nothing else on its DLL path; its window is saved as build/windows/screenshot.png. Last, the
# archive's rostermaker-check.exe checks the demo's class files there, also named by wildcards that it
# expands itself, and its reports are shown. With "qt" the script stops once Qt for Windows is built.
#
# Every Windows program runs under Wine on one virtual display and one Wine server that the script starts
# for all of them.
#
# Qt for Windows is not packaged by Debian, so the first run builds it from Debian's own source package
# of the Qt installed here (about 40 minutes on two cores) into a cache folder outside the repository:
# $ROSTERMAKER_WINDOWS_CACHE, by default ~/.cache/rostermaker-windows. Later runs reuse it.
set -eu
cd "$(dirname "$0")/.."
source_dir=$(pwd)
cache=${ROSTERMAKER_WINDOWS_CACHE:-$HOME/.cache/rostermaker-windows}
qt="$cache/qt"
toolchain="$cache/mingw-w64-x86_64.cmake"
build="$source_dir/build/windows"
jobs=$(nproc)

# --- What the cross-build needs ------------------------------------------------------------------
./scripts/install-deps.sh dpkg-dev ninja-build perl g++-mingw-w64-x86-64-posix wine64 fonts-wine zip unzip \
    x11-utils

. ./scripts/qtbase-source.sh

# --- Qt for Windows, built once into the cache --------------------------------------------------
write_toolchain() {
    mkdir -p "$cache"
    cat > "$toolchain" <<'EOF'
# MinGW-w64 (POSIX threads), 64-bit Windows.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
EOF
}

build_qt() {
    if [ -f "$qt/.complete" ]; then
        echo "Qt for Windows: using $qt"
        return
    fi
    echo "Qt for Windows: building it into $qt (once; about 40 minutes on two cores)"
    fetch_qtbase_source "$cache"
    write_toolchain
    # The host's Qt (moc, rcc, uic and its CMake packages) generates code for the Windows build.
    # Left out: modules the editor does not use, and two features that Debian's source cannot build
    # for Windows: tablet events (its wintab.h was removed) and dynamic OpenGL (needs OpenGL).
    cmake -S "$cache/source/qtbase" -B "$cache/qt-build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$qt" \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF \
        -DFEATURE_xml=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF \
        -DFEATURE_tabletevent=OFF -DFEATURE_dynamicgl=OFF
    cmake --build "$cache/qt-build" --parallel "$jobs"
    cmake --install "$cache/qt-build"
    touch "$qt/.complete"
}

build_qt
[ "${1:-}" = qt ] && exit 0

# --- The editor, its tests and the archive ------------------------------------------------------
mingw_runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
mingw_threads=/usr/x86_64-w64-mingw32/lib
export WINEDEBUG=-all WINEPREFIX="$cache/wine"
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)

"$qt/bin/qt-cmake" -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DROSTERMAKER_BENCH=OFF -DROSTERMAKER_WERROR=ON
cmake --build "$build" --parallel "$jobs"

# One virtual display and one Wine server serve every Windows program below, started once: a display and
# a server per program made some starts fail at random ("X connection to :99 broken").
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1100x750x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap '"$wineserver" -k 2>/dev/null || true; kill "$xvfb_pid" 2>/dev/null || true' EXIT
export DISPLAY=":$display"
tries=0
until xdpyinfo >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ "$tries" -le 50 ] || { echo "The virtual display :$display did not start"; exit 1; }
    sleep 0.2
done
if [ ! -d "$WINEPREFIX" ]; then
    echo "Wine: preparing its prefix in $WINEPREFIX (once)"
    "$wine" wineboot --init >/dev/null 2>&1 || true
    "$wineserver" -w # the server that wineboot started ends
fi
"$wineserver" -p # stays until the end of the script

# Runs a Windows program under Wine, with the Qt and MinGW DLLs on its path, for at most ten minutes. The
# tests use the offscreen platform, as on Linux; Wine itself wants the display.
winepath_of() { printf 'Z:%s' "$1" | tr / '\\'; }
run_windows() {
    WINEPATH="$(winepath_of "$qt/bin");$(winepath_of "$mingw_runtime");$(winepath_of "$mingw_threads")" \
        QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$(winepath_of "$qt/plugins")" \
        timeout 600 "$wine" "$@" 2>>"$build/wine.log"
}

# Wine gives a test no console of its own, so each writes its log into a file.
echo "Tests under Wine:"
failed=0
rm -rf "$build/test-logs" && mkdir -p "$build/test-logs"
for name in $(ctest --test-dir "$build" -N | sed -n 's/^ *Test *#[0-9]*: //p'); do
    test=$(ls "$build"/tests/*/"$name".exe) # only the suites of this build, none left by an older one
    log="$build/test-logs/$name.txt"
    rm -f "$log"
    start=$(date +%s)
    if (cd "$(dirname "$test")" && run_windows "$test" -o "$(winepath_of "$log"),txt"); then
        result=passed
    else
        result=FAILED
        failed=1
    fi
    echo "  $name: $result, $(grep -a '^Totals:' "$log" 2>/dev/null | cut -d, -f1-3 | cut -c9-) in $(( $(date +%s) - start )) s"
done
[ "$failed" -eq 0 ] || { echo "Test suites failed under Wine: see $build/test-logs/"; exit 1; }

(cd "$build" && cpack -G ZIP)
archive=$(ls "$build"/Rostermaker-*-win64.zip)
echo "Archive: $archive"

# The unpacked archive in a game folder of its own, started with nothing but Windows' own DLLs besides it.
trial="$build/trial"
rm -rf "$trial" && cp -r "$source_dir/demo" "$trial" && rm -rf "$trial/tool"
unzip -q "$archive" -d "$trial"
folder=$(ls -d "$trial"/Rostermaker-*-win64)
[ -f "$folder/README.txt" ] || { echo "The archive lacks the players' guide README.txt"; exit 1; }
(cd "$folder" && WINEPATH= sh -c '
    "$0" Rostermaker.exe & pid=$!
    sleep 15
    import -window root png:- | convert - -trim +repage "$1"
    kill $pid 2>/dev/null || true' "$wine" "$build/screenshot.png" 2>>"$build/wine.log")
echo "Screenshot of the unpacked editor under Wine: $build/screenshot.png"
size=$(identify -format '%wx%h' "$build/screenshot.png")
[ "$size" = 781x529 ] || { echo "The unpacked editor did not open its 781x529 window (the screen showed $size)"; exit 1; }

# --- rostermaker-check.exe on the demo game ----------------------------------------------------------
# The unpacked checker run from its folder as an admin runs it in a console, with the archive's settings
# file beside it, on the demo's class files copied into its characters folder. The demo holds one class
# edited by hand with an error (an item its weapons file lacks), so the check must end with status 1:
# 0 would mean that the error went unseen, 2 that the check could not run.
mkdir -p "$folder/characters"
cp "$source_dir"/demo/tool/characters/*.cfg "$folder/characters/"
report="$build/check-report.txt"
check_status=0
(cd "$folder" && WINEPATH= timeout 120 xvfb-run -a "$wine" rostermaker-check.exe >"$report" \
    2>"$build/check-errors.txt") || check_status=$?
echo "rostermaker-check.exe on the demo game under Wine (exit status $check_status):"
cat "$report"
if [ -s "$build/check-errors.txt" ]; then
    echo "Its standard error (with Wine's own):"
    cat "$build/check-errors.txt"
fi
if [ "$check_status" -ne 1 ] || ! grep -q 'Scout\.cfg:13: error: ' "$report" ||
    ! grep -q '^3 classes: 2 sound, 0 with warnings, 1 with errors' "$report"; then
    echo "rostermaker-check.exe did not report the demo's hand-edited class as expected (exit status 1)"
    exit 1
fi

# The Command Prompt passes wildcards on as typed, so the checker expands them itself: "characters\*.cfg"
# names the same three classes (status 1 for the hand-edited one); a pattern that matches nothing is a
# path that cannot be checked (status 2), while the classes named beside it are still checked.
wildcards="$build/check-wildcards.txt"
run_check() {
    check_status=0
    (cd "$folder" && WINEPATH= timeout 120 xvfb-run -a "$wine" rostermaker-check.exe "$@" >>"$wildcards" \
        2>>"$build/check-errors.txt") || check_status=$?
}
: >"$wildcards"
run_check 'characters\*.cfg'
all_status=$check_status
run_check --quiet 'characters\S*.CFG' 'characters\*.none'
echo "rostermaker-check.exe with wildcards under Wine (exit statuses $all_status and $check_status):"
cat "$wildcards"
if [ "$all_status" -ne 1 ] || ! grep -q '^3 classes: 2 sound, 0 with warnings, 1 with errors' "$wildcards" ||
    [ "$check_status" -ne 2 ] || ! grep -q '^characters\\Scout\.cfg:13: error: ' "$wildcards" ||
    ! grep -q '^characters\\\*\.none: error: no file or folder matches \[no-such-file\]' "$wildcards"; then
    echo "rostermaker-check.exe did not expand its wildcards as expected"
    exit 1
fi
