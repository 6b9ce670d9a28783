#!/bin/sh
# Usage: linux-portable.sh [qt | bench [runs]]
#
# Builds the portable Linux folder and proves it: the editor and rostermaker-check linked with a static
# Qt, so that the folder needs of the system only the C library and, for the editor, the X and font
# libraries every desktop has. In turn it
# - builds Qt once (below) and the programs and every test suite against it, and runs the suites;
# - makes build/linux-portable/Rostermaker-<version>-Linux-x86_64.tar.gz (and its .sha256) and checks
#   every ELF file in it: the libraries it needs and the C library's symbol versions (at most 2.34);
# - adds the menu entry from a folder with an awkward name, validates it and starts the editor by it;
# - on a bare Debian 11 checks that the launcher names the C library it lacks; and
# - on bare Debian 12 and 13 systems (debootstrap --variant=minbase) unpacked into a copy of the demo
#   game: runs rostermaker-check with nothing installed, then installs the X server for the test and the
#   desktop's libraries (no Qt, no fonts but DejaVu), opens the editor, saves a screenshot, picks a class
#   by key presses and saves it, and compares that class file with the one the system-Qt build writes for
#   the same keys.
# With "qt" it stops once Qt is built; with "bench" it builds both and compares the start-up of the
# portable and the system-Qt editor (runs per case, 10 by default) instead.
#
# Qt is built once from Debian's own source package of the Qt installed here (an hour or more on two
# shared cores) into a cache folder outside the repository: $ROSTERMAKER_LINUX_CACHE, by default
# ~/.cache/rostermaker-linux. The bare systems are made once into the same folder; later runs reuse both.
# Runs as root (debootstrap, chroot).
set -eu
cd "$(dirname "$0")/.."
source_dir=$(pwd)
cache=${ROSTERMAKER_LINUX_CACHE:-$HOME/.cache/rostermaker-linux}
qt="$cache/qt"
build="$source_dir/build/linux-portable"
jobs=2
libdir=/usr/lib/x86_64-linux-gnu
mode=${1:-all}

# --- What the build needs --------------------------------------------------------------------------
# The X and font libraries' headers, and the static archives of the xcb utility libraries, which not
# every desktop has and which are linked into the editor.
./scripts/install-deps.sh dpkg-dev ninja-build perl libfontconfig-dev libfreetype-dev libx11-dev \
    libx11-xcb-dev libxcb1-dev libxcb-icccm4-dev libxcb-image0-dev libxcb-keysyms1-dev \
    libxcb-render-util0-dev libxcb-randr0-dev libxcb-render0-dev libxcb-shape0-dev libxcb-shm0-dev \
    libxcb-sync-dev libxcb-xfixes0-dev libxcb-xkb-dev libxcb-util-dev libxkbcommon-dev \
    libxkbcommon-x11-dev libatspi2.0-dev python3 debootstrap desktop-file-utils libglib2.0-bin xdotool \
    x11-utils

. ./scripts/qtbase-source.sh

# --- Qt, static, built once into the cache ---------------------------------------------------------
# What is left out and why:
# - modules the programs do not use (network, SQL, XML, print support, concurrent, OpenGL);
# - ICU, GLib, Zstandard, libproxy, journald: libraries that would have to be on the player's system;
# - the platform plugins for devices without X (framebuffer, EGLFS, VNC, DirectFB) and their input
#   libraries, the GTK theme and session management (libSM).
# Qt's own copies of zlib, libpng, HarfBuzz, PCRE2, double-conversion, BLAKE2 and xcb-xinput are built
# in. FreeType and fontconfig stay the system's (every desktop has them). D-Bus is not linked: Qt loads
# libdbus-1 when the system has it, so screen readers (AT-SPI) work where a desktop runs them.
build_qt() {
    if [ -f "$qt/.complete" ]; then
        echo "Qt (static): using $qt"
        return
    fi
    echo "Qt (static): building it into $qt (once; about an hour on two cores)"
    fetch_qtbase_source "$cache"
    rm -rf "$cache/qt-build"
    cmake -S "$cache/source/qtbase" -B "$cache/qt-build" -G Ninja \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$qt" -DBUILD_SHARED_LIBS=OFF \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_xml=OFF -DFEATURE_printsupport=OFF \
        -DFEATURE_concurrent=OFF -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_egl=OFF \
        -DFEATURE_icu=OFF -DFEATURE_glib=OFF -DFEATURE_zstd=OFF -DFEATURE_journald=OFF \
        -DFEATURE_libudev=OFF -DFEATURE_evdev=OFF -DFEATURE_libinput=OFF -DFEATURE_mtdev=OFF \
        -DFEATURE_tslib=OFF -DFEATURE_linuxfb=OFF -DFEATURE_eglfs=OFF -DFEATURE_vnc=OFF \
        -DFEATURE_directfb=OFF -DFEATURE_kms=OFF -DFEATURE_gtk3=OFF -DFEATURE_xcb_sm=OFF \
        -DFEATURE_tuiotouch=OFF -DFEATURE_androiddeployqt=OFF -DFEATURE_jpeg=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_harfbuzz=OFF \
        -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF \
        -DFEATURE_system_freetype=ON -DFEATURE_fontconfig=ON -DFEATURE_xcb=ON -DFEATURE_xkbcommon_x11=ON \
        -DINPUT_bundled_xcb_xinput=yes -DFEATURE_dbus=ON -DINPUT_dbus=runtime
    cmake --build "$cache/qt-build" --parallel "$jobs"
    cmake --install "$cache/qt-build"
    cp "$cache/source/qtbase/.debian-version" "$qt/debian-source-version"
    cp "$cache/qt-build/config.summary" "$qt/config.summary"
    rm -rf "$cache/qt-build" # 3 GB of objects, not needed again
    touch "$qt/.complete"
}

build_qt
[ "$mode" = qt ] && exit 0

# Qt's licences and notices for the folder, written once beside the Qt they belong to.
notices="$qt/rostermaker-notices"
if [ ! -f "$notices/Qt.txt" ]; then
    [ -f "$qt/config.summary" ] || cp "$cache/qt-build/config.summary" "$qt/config.summary"
    rm -rf "$notices.tmp" && mkdir -p "$notices.tmp"
    python3 packaging/qt-notices.py "$cache/source/qtbase" "$(cat "$qt/debian-source-version")" \
        "$qt/config.summary" "$notices.tmp"
    mv "$notices.tmp" "$notices"
fi

# --- The programs and their tests, on that Qt -----------------------------------------------------
# Linked into the programs besides Qt: libstdc++ (ROSTERMAKER_PORTABLE, with the C library's floor), the
# xcb utility libraries and libxcb's extension libraries (Debian's static archives; libxcb-xkb stays the
# system's, as libxkbcommon-x11 needs it anyway) and libX11-xcb. The C library, libgcc_s, libX11, libxcb,
# libxkbcommon(-x11), fontconfig and FreeType stay the system's.
static_x=""
for library in ICCCM:icccm IMAGE:image KEYSYMS:keysyms RENDERUTIL:render-util RANDR:randr RENDER:render \
    SHAPE:shape SHM:shm SYNC:sync XFIXES:xfixes; do
    static_x="$static_x -DXCB_${library%%:*}_LIBRARY=$libdir/libxcb-${library#*:}.a"
done
mkdir -p "$build"
# shellcheck disable=SC2086 # static_x is a list of arguments
"$qt/bin/qt-cmake" -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DROSTERMAKER_WERROR=ON -DROSTERMAKER_PORTABLE=ON -DROSTERMAKER_QT_NOTICES="$notices" $static_x \
    -DX11_XCB_LIBRARY="$libdir/libX11-xcb.a" -DCMAKE_CXX_STANDARD_LIBRARIES="$libdir/libxcb-util.a" \
    >"$build/configure.log" ||
    { cat "$build/configure.log"; exit 1; }
cmake --build "$build" --parallel "$jobs"

# The system-Qt build: the reference for the class files and the start-up times.
./scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --parallel "$jobs"
reference=$source_dir/build/release

# --- Start-up, the portable and the system-Qt editor side by side --------------------------------------
if [ "$mode" = bench ]; then
    runs=${2:-10}
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    "$build/bench/rostermaker_startup_bench" --make-game "$work/demo"
    "$build/bench/rostermaker_startup_bench" --make-game "$work/items100000" 100000
    # median <file> <key>: the median of a key's values over the lines of a file.
    median() {
        tr ' ' '\n' <"$1" | sed -n "s/^$2=//p" | sort -n |
            awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
    }
    display=90
    while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
    Xvfb ":$display" -screen 0 1100x750x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
    sleep 2
    echo "| Platform | Game folder | Build | Start-up (from main) | Whole process | Peak RSS |"
    echo "|---|---|---|---:|---:|---:|"
    for platform in offscreen xcb; do
        for case in demo items100000; do
            for build_name in portable system-Qt; do
                program="$build/bench/rostermaker_startup_bench"
                [ "$build_name" = system-Qt ] && program="$reference/bench/rostermaker_startup_bench"
                : >"$work/$platform-$case-$build_name.txt"
            done
            # Alternately, after one warm-up run each, so that both meet the same machine.
            for run in $(seq 0 "$runs"); do
                for build_name in portable system-Qt; do
                    program="$build/bench/rostermaker_startup_bench"
                    [ "$build_name" = system-Qt ] && program="$reference/bench/rostermaker_startup_bench"
                    started=$(date +%s%N)
                    line=$(DISPLAY=":$display" QT_QPA_PLATFORM=$platform "$program" "$work/$case")
                    ended=$(date +%s%N)
                    [ "$run" -eq 0 ] ||
                        echo "$line process_ms=$(((ended - started) / 1000))e-3" >>"$work/$platform-$case-$build_name.txt"
                done
            done
            for build_name in portable system-Qt; do
                file="$work/$platform-$case-$build_name.txt"
                awk -v p="$platform" -v c="$case" -v b="$build_name" -v s="$(median "$file" startup_ms)" \
                    -v w="$(median "$file" process_ms)" -v r="$(median "$file" peak_rss_mb)" \
                    'BEGIN { printf "| %s | %s | %s | %.1f ms | %.1f ms | %.1f MB |\n", p, c, b, s, w, r }'
            done
        done
    done
    echo "Medians of $runs runs each, $(date -u +%Y-%m-%d), load average $(cut -d' ' -f1-3 /proc/loadavg)."
    exit 0
fi

echo "Tests against the portable build:"
ctest --test-dir "$build" --parallel "$jobs" --output-on-failure

# --- The archive and its ELF files -------------------------------------------------------------------
rm -f "$build"/Rostermaker-*-Linux-x86_64.tar.gz*
(cd "$build" && cpack -G TGZ >/dev/null)
archive=$(ls "$build"/Rostermaker-*-Linux-x86_64.tar.gz)
unpacked="$build/unpacked"
rm -rf "$unpacked" && mkdir -p "$unpacked"
tar -xzf "$archive" -C "$unpacked"
folder=$(ls -d "$unpacked"/Rostermaker-*-Linux-x86_64)
echo "Archive: $archive ($(du -k "$archive" | cut -f1) KiB; unpacked $(du -sk "$folder" | cut -f1) KiB)"
(cd "$folder" && find . -type f -exec ls -l {} + | awk '{ printf "  %9d  %s %s\n", $5, $1, $9 }')

# Each ELF file: the libraries it needs of the system, none beyond those a desktop has (the checker: the C
# library alone), and the newest symbol version of the C library that it asks for, at most 2.34 (Ubuntu
# 22.04, Debian 12, Fedora 35, RHEL 9). No libstdc++ versions: it is linked in.
floor=2.34
echo "ELF files, the libraries they need and their newest C library symbol version (at most GLIBC_$floor):"
failed=0
for file in $(find "$folder" -type f | sort); do
    [ "$(head -c 4 "$file" | od -An -c | tr -d ' ')" = '177ELF' ] || continue
    name=${file#"$folder"/}
    needed=$(readelf -d "$file" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' | tr '\n' ' ')
    allowed="libc.so.6 libm.so.6 ld-linux-x86-64.so.2 libgcc_s.so.1"
    [ "$name" = rostermaker-check ] || allowed="$allowed libX11.so.6 libxcb.so.1 libxcb-xkb.so.1 libxkbcommon.so.0"
    [ "$name" = rostermaker-check ] || allowed="$allowed libxkbcommon-x11.so.0 libfontconfig.so.1 libfreetype.so.6"
    for library in $needed; do
        case " $allowed " in
        *" $library "*) ;;
        *) echo "  $name needs $library, which the folder may not expect of a system"; failed=1 ;;
        esac
    done
    versions=$(objdump -T "$file" | grep -o '(\?GLIBC_[0-9.]*' | tr -d '(' | sort -u -V)
    newest=$(echo "$versions" | tail -1)
    echo "  $name: $newest ($(objdump -T "$file" | grep -c "($newest)") symbols:" \
        "$(objdump -T "$file" | grep "($newest)" | awk '{ print $NF }' | sort -u | head -6 | tr '\n' ' ')...)"
    echo "    needs: $needed"
    if [ "$(printf '%s\n%s\n' "GLIBC_$floor" "$newest" | sort -V | tail -1)" != "GLIBC_$floor" ]; then
        echo "  $name asks for $newest, newer than GLIBC_$floor"
        failed=1
    fi
    if objdump -T "$file" | grep -q 'GLIBCXX_\|CXXABI_'; then
        echo "  $name needs the system's libstdc++"
        failed=1
    fi
done
[ "$failed" -eq 0 ] || { echo "The folder needs more of a system than it may"; exit 1; }

# Screen readers: the folder's editor by keyboard alone, read through the accessibility tree (AT-SPI, over
# the D-Bus library that Qt loads when the system has it).
echo "The folder's editor by keyboard, read as a screen reader reads it:"
timeout 300 ./scripts/keyboard-check.sh "$folder/rostermaker"

# --- The host's X server, for the menu entry and the system-Qt reference --------------------------------
# free_display: the number of a display that neither this system nor a bare one uses yet (an X server
# in a chroot listens on the same abstract socket as one outside).
free_display() {
    number=$1
    while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] ||
        grep -q "@/tmp/.X11-unix/X$number\$" /proc/net/unix; do
        number=$((number + 1))
    done
    echo "$number"
}
display=$(free_display 90)
Xvfb ":$display" -screen 0 1100x750x24 -nolisten tcp >/dev/null 2>&1 &
host_xvfb=$!
bare_root=""
cleanup() {
    kill "$host_xvfb" 2>/dev/null || true
    [ -z "$bare_root" ] || leave_bare_system
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# drive_editor <display> <xauthority> <game folder as the host sees it> <screenshot>: the key presses that
# pick the demo's class Grenadier, give it the callsign Bare and save it, then end the editor.
drive_editor() {
    (
        export DISPLAY=":$1" XAUTHORITY="$2"
        saved="$3/Rostermaker/characters/Grenadier.cfg"
        before=$(cksum <"$saved")
        timeout 60 xdotool search --sync --name 'Halcyx Rostermaker' windowfocus --sync >/dev/null
        sleep 2
        import -window root png:- | convert - -trim +repage "$4"
        size=$(identify -format '%wx%h' "$4")
        [ "$size" = 781x529 ] || { echo "The editor did not open its 781x529 window (the screen showed $size)"; exit 1; }
        xdotool key --delay 150 alt+Down Down Return
        sleep 1
        xdotool key --delay 150 Tab ctrl+a
        xdotool type --delay 80 Bare
        xdotool key --delay 150 alt+s
        tries=0
        while [ "$(cksum <"$saved")" = "$before" ]; do
            tries=$((tries + 1))
            [ "$tries" -le 50 ] || { echo "The editor did not save Grenadier.cfg"; exit 1; }
            sleep 0.2
        done
        sleep 0.5
        xdotool key alt+c 2>/dev/null || true # under xvfb-run the server ends with the editor, before the key's release
    )
}

# new_game <folder>: a copy of the demo game with the archive unpacked into it as Rostermaker/, and the
# demo's classes in its characters folder.
new_game() {
    rm -rf "$1" && mkdir -p "$1"
    (cd "$source_dir/demo" && tar -cf - --exclude=./tool --exclude=./README.md .) | tar -xf - -C "$1"
    tar -xzf "$archive" -C "$1"
    mv "$1"/Rostermaker-*-Linux-x86_64 "$1/Rostermaker"
    mkdir -p "$1/Rostermaker/characters"
    cp "$source_dir"/demo/tool/characters/*.cfg "$1/Rostermaker/characters/"
}

# wait_for_display <display> <xauthority>
wait_for_display() {
    tries=0
    until DISPLAY=":$1" XAUTHORITY="$2" xdpyinfo >/dev/null 2>&1; do
        tries=$((tries + 1))
        [ "$tries" -le 100 ] || { echo "The virtual display :$1 did not start"; exit 1; }
        sleep 0.2
    done
}
wait_for_display "$display" /dev/null

# --- The menu entry ------------------------------------------------------------------------------------
# From a folder whose name holds what a desktop entry must quote or escape; the entry must validate, and
# the desktop's way of starting it (GLib's, as GNOME's menus use) must start the editor of that folder.
# (The editor itself takes a backslash in its folder's path for a separator, so it is not asked to read
# its settings here.)
odd="$build/menu entry/Grimvale \$HOME's \"100%\" \`games\` back\\slash"
new_game "$odd"
export XDG_DATA_HOME="$build/menu entry/data"
"$odd/Rostermaker/Rostermaker" --install-menu-entry
entry="$XDG_DATA_HOME/applications/rostermaker.desktop"
desktop-file-validate "$entry"
DISPLAY=":$display" gio launch "$entry" >"$build/menu-entry.log" 2>&1 &
started=""
tries=0
until [ -n "$started" ]; do
    for pid in $(pgrep -x rostermaker); do
        [ "$(readlink "/proc/$pid/exe")" != "$odd/Rostermaker/rostermaker" ] || started=$pid
    done
    tries=$((tries + 1))
    [ "$tries" -le 100 ] || { echo "The menu entry did not start the editor"; cat "$entry" "$build/menu-entry.log"; exit 1; }
    sleep 0.2
done
kill "$started"
"$odd/Rostermaker/Rostermaker" --remove-menu-entry
[ ! -e "$entry" ] || { echo "--remove-menu-entry left $entry"; exit 1; }
unset XDG_DATA_HOME
echo "Menu entry: valid, and it starts the editor from \"$odd\""

# --- The system-Qt editor on the same game: the class file to compare with -----------------------------
host_game="$build/host-game"
new_game "$host_game"
cp "$reference/src/rostermaker" "$host_game/Rostermaker/rostermaker"
(cd "$host_game/Rostermaker" && env -i PATH=/usr/bin:/bin HOME="$HOME" DISPLAY=":$display" ./rostermaker \
    >"$build/host-editor.log" 2>&1 &)
drive_editor "$display" /dev/null "$host_game" "$build/screenshot-system-qt.png"
expected="$host_game/Rostermaker/characters/Grenadier.cfg"
if cmp -s "$expected" "$source_dir/demo/tool/characters/Grenadier.cfg"; then
    echo "The system-Qt editor saved Grenadier.cfg unchanged: the key presses did not reach it"
    exit 1
fi

# --- Bare Debian systems ---------------------------------------------------------------------------------
# Each made once with debootstrap --variant=minbase into the cache (with its package lists), then copied
# afresh for every run, so that each run starts from minbase. The packages it downloads are kept in the
# cache too.
mirror=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -1)
[ -n "$mirror" ] || mirror=$(awk '$1 == "deb" { print $2; exit }' /etc/apt/sources.list)

in_bare() { chroot "$bare_root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"; }

# Unmounts what a run mounted in the bare system, and never removes anything through a mount.
leave_bare_system() {
    awk -v root="$bare_root/" 'index($2, root) == 1 { print $2 }' /proc/mounts | sort -r |
        while read -r mount; do umount -l "$mount" || true; done
    bare_root=""
}
remove_bare_copy() {
    if awk -v root="$1/" 'index($2, root) == 1 { found = 1 } END { exit !found }' /proc/mounts; then
        echo "Still mounted below $1: not removed"
        exit 1
    fi
    rm -rf --one-file-system "$1"
}

# bare_failed <message>: says what failed and what each program needs of the bare system.
bare_failed() {
    echo "$1"
    for program in rostermaker rostermaker-check; do
        echo "ldd $program:"
        in_bare ldd "/game/Rostermaker/$program" || true
    done
    exit 1
}

# fresh_bare_system <suite>: a fresh copy of the suite's minbase system, unmounted, as $bare_root, with the
# archive unpacked into a copy of the demo game (/game, the editor's folder /game/Rostermaker).
fresh_bare_system() {
    pristine="$cache/bare/$1"
    if [ ! -f "$pristine/.complete" ]; then
        echo "Bare system $1: debootstrap --variant=minbase into $pristine (once)"
        mkdir -p "$cache/bare"
        [ ! -e "$pristine" ] || remove_bare_copy "$pristine"
        debootstrap --variant=minbase "$1" "$pristine" "$mirror" >"$cache/bare/$1.log" 2>&1 ||
            { tail -20 "$cache/bare/$1.log"; exit 1; }
        chroot "$pristine" apt-get update -q >>"$cache/bare/$1.log" 2>&1
        touch "$pristine/.complete"
    fi
    bare_root="$build/bare/$1"
    [ ! -e "$bare_root" ] || remove_bare_copy "$bare_root"
    mkdir -p "$build/bare"
    cp -a "$pristine" "$bare_root"
    echo "== Debian $(cat "$bare_root/etc/debian_version") ($1, minbase: $(in_bare dpkg-query -W | wc -l) packages)"
    mkdir -p "$bare_root/game"
    (cd "$source_dir/demo" && tar -cf - --exclude=./tool --exclude=./README.md .) | tar -xf - -C "$bare_root/game"
    cp "$archive" "$bare_root/tmp/"
    in_bare tar -xzf "/tmp/$(basename "$archive")" -C /game
    mv "$bare_root"/game/Rostermaker-*-Linux-x86_64 "$bare_root/game/Rostermaker"
    mkdir -p "$bare_root/game/Rostermaker/characters"
    cp "$source_dir"/demo/tool/characters/*.cfg "$bare_root/game/Rostermaker/characters/"
}

# Debian 11, whose C library (2.31) is older than the folder's floor: the launcher says so.
fresh_bare_system bullseye
launcher_status=0
in_bare sh -c 'cd /game/Rostermaker && ./Rostermaker </dev/null' >"$build/launcher-bullseye.txt" 2>&1 ||
    launcher_status=$?
echo "The launcher on Debian 11, exit status $launcher_status:"
sed 's/^/  /' "$build/launcher-bullseye.txt"
if [ "$launcher_status" -ne 1 ] || ! grep -q "version \`GLIBC_2.34' not found" "$build/launcher-bullseye.txt"; then
    bare_failed "The launcher did not name the C library that Debian 11 lacks"
fi
remove_bare_copy "$bare_root"
bare_root=""

for suite in bookworm trixie; do
    fresh_bare_system "$suite"
    mount -t proc proc "$bare_root/proc"
    mount --bind /dev "$bare_root/dev"
    mount --bind /dev/pts "$bare_root/dev/pts"
    mkdir -p "$cache/bare/$suite-packages"
    mount --bind "$cache/bare/$suite-packages" "$bare_root/var/cache/apt/archives"
    cp /etc/resolv.conf "$bare_root/etc/resolv.conf"
    printf '#!/bin/sh\nexit 101\n' >"$bare_root/usr/sbin/policy-rc.d" && chmod +x "$bare_root/usr/sbin/policy-rc.d"
    # The checker with nothing installed beyond minbase: the demo's hand-edited class, status 1.
    echo "ldd rostermaker-check:"
    in_bare ldd /game/Rostermaker/rostermaker-check | sed 's/^/  /'
    check_status=0
    in_bare sh -c 'cd /game/Rostermaker && ./rostermaker-check' >"$build/check-report-$suite.txt" 2>&1 ||
        check_status=$?
    echo "rostermaker-check on the demo game (exit status $check_status):"
    sed 's/^/  /' "$build/check-report-$suite.txt"
    if [ "$check_status" -ne 1 ] || ! grep -q 'Scout\.cfg:13: error: ' "$build/check-report-$suite.txt" ||
        ! grep -q '^3 classes: 2 sound, 0 with warnings, 1 with errors' "$build/check-report-$suite.txt"; then
        bare_failed "rostermaker-check did not report the demo's hand-edited class as expected (exit status 1)"
    fi

    # The editor without the desktop's libraries: the launcher names what is missing.
    launcher_status=0
    in_bare sh -c 'cd /game/Rostermaker && ./Rostermaker </dev/null' >"$build/launcher-$suite.txt" 2>&1 ||
        launcher_status=$?
    echo "The launcher on minbase (no X, no fonts), exit status $launcher_status:"
    sed 's/^/  /' "$build/launcher-$suite.txt"
    if [ "$launcher_status" -ne 1 ] || ! grep -q '^    libxcb\.so\.1$' "$build/launcher-$suite.txt"; then
        bare_failed "The launcher did not name the libraries that minbase lacks"
    fi

    # The X server for the test and the desktop's libraries: no Qt, no fonts beyond DejaVu.
    echo "Installing the X server for the test (xvfb, xauth) and the desktop's libraries"
    in_bare env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends xvfb xauth \
        libx11-6 libxcb1 libxkbcommon0 libxkbcommon-x11-0 libfontconfig1 libfreetype6 >"$build/apt-$suite.log" 2>&1 ||
        { tail -20 "$build/apt-$suite.log"; bare_failed "apt-get install failed in the bare $suite"; }
    qt_files=$(find "$bare_root/usr/lib" -name 'libQt*' | wc -l)
    fonts=$(find "$bare_root/usr/share/fonts" -type f -name '*.[ot]tf' -printf '%f\n' | sort | tr '\n' ' ')
    echo "Now $(in_bare dpkg-query -W | wc -l) packages; Qt libraries: $qt_files; fonts: $fonts"
    [ "$qt_files" -eq 0 ] || bare_failed "The bare $suite has Qt libraries"
    for font in $fonts; do
        case $font in DejaVu*) ;; *) bare_failed "The bare $suite has a font beyond DejaVu: $font" ;; esac
    done
    echo "ldd rostermaker:"
    in_bare ldd /game/Rostermaker/rostermaker | sed 's/^/  /'
    ! in_bare ldd /game/Rostermaker/rostermaker | grep -q 'not found' ||
        bare_failed "The editor still misses libraries in the bare $suite"

    # The editor, started by its launcher under the bare system's own X server and driven by key presses
    # from outside through that server's socket.
    bare_display=$(free_display $((display + 1)))
    rm -f "$bare_root/tmp/xauthority"
    in_bare sh -c "cd /game/Rostermaker && exec xvfb-run -n $bare_display -f /tmp/xauthority \
        -s '-screen 0 1100x750x24 -nolisten tcp' ./Rostermaker" >"$build/editor-$suite.log" 2>&1 &
    bare_editor=$!
    tries=0
    until [ -s "$bare_root/tmp/xauthority" ]; do
        tries=$((tries + 1))
        [ "$tries" -le 100 ] || bare_failed "xvfb-run did not start in the bare $suite"
        sleep 0.2
    done
    wait_for_display "$bare_display" "$bare_root/tmp/xauthority"
    drive_editor "$bare_display" "$bare_root/tmp/xauthority" "$bare_root/game" "$build/screenshot-$suite.png" ||
        { cat "$build/editor-$suite.log"; bare_failed "The editor did not do what the keys asked in the bare $suite"; }
    tries=0
    while kill -0 "$bare_editor" 2>/dev/null; do
        tries=$((tries + 1))
        [ "$tries" -le 50 ] || bare_failed "The editor did not end on Alt+C in the bare $suite"
        sleep 0.2
    done
    echo "Screenshot of the editor in the bare $suite: $build/screenshot-$suite.png"
    if ! cmp "$bare_root/game/Rostermaker/characters/Grenadier.cfg" "$expected"; then
        bare_failed "The portable editor in the bare $suite saved other bytes than the system-Qt editor"
    fi
    echo "Grenadier.cfg saved in the bare $suite: the same $(wc -c <"$expected") bytes as the system-Qt editor's"
    leave_bare_system
done
echo "The portable folder passed: $archive"
