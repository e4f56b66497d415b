#!/bin/sh
# Runs one Windows test program under Wine; CTest calls it for every test program of the Windows
# build (the build's CMAKE_CROSSCOMPILING_EMULATOR). The Wine prefix, display and server are the
# test session's (scripts/windows test). A QtTest program's console output does not reach a pipe
# under Wine, so its log goes to a file that is shown afterwards.
exe="$1"
shift
case "$(basename "$exe")" in
tst_*)
    log="$(mktemp)"
    wine "$exe" "$@" -o "$log,txt"
    status=$?
    cat "$log"
    rm -f "$log"
    exit "$status"
    ;;
*) exec wine "$exe" "$@" ;;
esac
