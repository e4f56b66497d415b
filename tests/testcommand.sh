#!/usr/bin/env bash
# scripts/test's Windows stage without a Qt for Windows and with one beside the clone, run from a
# copy of the script in a clone of its own whose deps and windows scripts stand in.
set -u
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/clone/scripts/lib"
cp "$1" "$tmp/clone/scripts/test"
cp "$(dirname "$1")/lib/windows.sh" "$tmp/clone/scripts/lib/"
printf '#!/bin/sh\n' >"$tmp/clone/scripts/deps"
printf '#!/bin/sh\necho "Windows stage with $QEL_WINDOWS_QT"\n' >"$tmp/clone/scripts/windows"
chmod +x "$tmp/clone/scripts/"*
run() {
    env -u QEL_WINDOWS_QT HOME="$tmp/home" XDG_CACHE_HOME="$tmp/cache" QEL_TEST_STAGES=windows \
        "$@" "$tmp/clone/scripts/test" 2>&1
}
fail() { echo "FAIL: $*" && exit 1; }

out="$(run env -u CI)" || fail "a missing Qt for Windows failed the run: $out"
grep -q 'Skipping the Windows stage.*scripts/build-windows-qt.*25 minutes' <<<"$out" ||
    fail "no note on the skipped stage: $out"
run env CI=true >/dev/null && fail "under CI a missing Qt for Windows passed"
mkdir -p "$tmp/shared/windows-qt" && touch "$tmp/shared/windows-qt/qt.tar.xz"
out="$(run env -u CI)" && grep -q "Windows stage with .*/shared/windows-qt/qt.tar.xz" <<<"$out" ||
    fail "the Qt for Windows beside the clone was not used: $out"
echo "the Windows stage runs, skips or fails as it should"
