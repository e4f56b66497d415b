#!/bin/sh
# Runs the suite given as $1 (the clipboard suite, the message box suite) on a virtual X display.
# Exits 77 (a skip for CTest), with the reason, only when no working X display can be started here.
suite="$1"
if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "SKIPPED: xvfb-run is not installed (scripts/deps installs it)"
    exit 77
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# xvfb-run may run the command even when Xvfb died at once, so the display is probed first: the
# suite listing its functions has to connect to it. The marker tells a display that never worked
# apart from a suite that failed.
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    QT_QPA_PLATFORM=xcb "$1" -functions >"$0.probe" 2>&1 || exit 1
    touch "$0"
    QT_QPA_PLATFORM=xcb exec "$1"' "$work/started" "$suite" 2>"$work/xvfb.log"
status=$?
if [ ! -e "$work/started" ]; then
    echo "SKIPPED: no X display could be started here:"
    cat "$work/xvfb.log" "$work/started.probe" 2>/dev/null
    exit 77
fi
cat "$work/xvfb.log" >&2
exit "$status"
