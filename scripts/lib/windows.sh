# What the scripts that build or run the Windows programs share: finding (or building) the Qt
# for Windows, configuring a cross build against it, and running programs under Wine. Sourced by
# scripts/windows and scripts/bench; expects `root` (the source tree), `out` (where an archive
# of Qt is unpacked) and `test_build` or `wine_prefix` (where the Wine prefix goes).

# Where a Qt built here is kept. Named after its configuration (built for size, see
# scripts/build-windows-qt), so that a Qt built before with another configuration is not reused.
windows_qt_cache="${XDG_CACHE_HOME:-$HOME/.cache}/qeltools/windows-qt-size"

# Prints the folder of a Qt for Windows, unpacking or building it first when needed.
windows_qt() {
    ready_windows_qt 2>/dev/null && return
    local cache="$windows_qt_cache"
    echo "Building Qt for Windows into $cache (once; about 25 minutes)" >&2
    "$root/scripts/build-windows-qt" "$cache" "$cache/qt-mingw64-static.tar.xz" >&2
    find_qt_in "$cache"
}

# The same without building: the Qt that QEL_WINDOWS_QT names (unpacked when it is an archive),
# else the one built before into the cache. Fails when there is none.
ready_windows_qt() {
    local given="${QEL_WINDOWS_QT:-}" unpacked stamp
    if [ -n "$given" ]; then
        case "$given" in /*) ;; *) given="$PWD/$given" ;; esac
        if [ -d "$given" ]; then
            echo "$given"
            return
        fi
        [ -f "$given" ] || { echo "QEL_WINDOWS_QT: no such folder or archive: $given" >&2; return 1; }
        unpacked="$out/qt"
        stamp="$unpacked/.from-$(basename "$given")-$(stat -c %s-%Y "$given")"
        if [ ! -e "$stamp" ]; then
            rm -rf "$unpacked" && mkdir -p "$unpacked"
            echo "Unpacking $given" >&2
            tar -C "$unpacked" -xf "$given" && touch "$stamp"
        fi
        find_qt_in "$unpacked"
        return
    fi
    find_qt_in "$windows_qt_cache"
}

find_qt_in() {
    local config
    config="$(find "$1" -maxdepth 5 -path '*/lib/cmake/Qt6/qt.toolchain.cmake' -print -quit)"
    [ -n "$config" ] || { echo "No Qt for Windows in $1" >&2; return 1; }
    (cd "$(dirname "$config")/../../.." && pwd)
}

configure() { # BUILD_DIR QT_DIR [cmake options]
    local build="$1" qt="$2"
    shift 2
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_EXE_LINKER_FLAGS="-static" "$@" >/dev/null
}

# Runs "$@" with Wine set up for this build: its own prefix, no debug output, no Mono or Gecko
# installer, a virtual X display of its own and one Wine server for the whole run, ended
# afterwards whatever the outcome. The display has no window manager, so Wine is told to manage
# the windows itself; otherwise it waits two seconds for one each time a window is hidden.
with_wine() {
    export WINEPREFIX="${wine_prefix:-$test_build/wineprefix}" WINEARCH=win64 WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    # Wine takes the ANSI code page from the locale: windows-1252 unless a test sets another.
    export LC_ALL=C.UTF-8
    mkdir -p "$WINEPREFIX"
    wineserver -k 2>/dev/null || true
    local status=0
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
        trap "wineserver -k 2>/dev/null" EXIT
        wineserver -p && wineboot --init &&
            wine reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /t REG_SZ /d N /f >/dev/null &&
            "$@"' wine-session "$@" || status=$?
    wineserver -k 2>/dev/null || true
    return "$status"
}

