#!/bin/bash
# The Windows programs carry what Explorer shows (icon, version information) and their manifest:
# Windows 10/11, per-monitor DPI awareness v2, asInvoker, and the system's ANSI code page kept
# (no UTF-8 code page, which would change the bytes of every scenario the editor writes).
# $1: the inspector (setup_probe.cpp), $2 and $3: QELedit.exe and qelphoto.exe, $4: the version.
set -u
status=0 version="$4"
check() { # EXE DESCRIPTION
    local got
    got="$(wine "$1" version "$2" | tr -d '\r')"
    diff <(printf '%s\n' "ProductName: QEL tools" "FileDescription: $3" "FileVersion: $version" \
        "ProductVersion: $version" "CompanyName: The QEL tools developers" \
        "LegalCopyright: Copyright (c) 2026 The QEL tools developers" "License: MIT" \
        "Icons: 1, large and small: yes" "Icon sizes: 16 20 24 32 40 48 64 256") \
        <(head -n 9 <<<"$got") || status=1
    for wanted in '<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>' \
        '<requestedExecutionLevel level="asInvoker"' '>PerMonitorV2</dpiAwareness>'; do
        grep -qF "$wanted" <<<"$got" || { echo "$2: no $wanted in the manifest" && status=1; }
    done
    ! grep -qi 'activeCodePage' <<<"$got" || { echo "$2: the manifest sets a code page" && status=1; }
}
check "$1" "$2" "QELedit scenario editor"
check "$1" "$3" "QEL Photo Lab photo tool"
exit $status
