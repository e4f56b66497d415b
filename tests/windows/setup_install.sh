#!/bin/bash
# The setup program, silently under Wine: installs into a simulator folder that already holds
# flights, scenarios, pictures, photos, a README.txt and the add-on's own QELedit.exe and
# qelphoto.exe, with shortcuts that start in that folder and an uninstall entry; installs again
# over itself; refuses to uninstall while QELedit runs; and, installed into a second simulator
# folder, removes the first installation, which leaves that folder byte for byte as it was,
# including files written after setup; the second one's uninstaller does the same there.
# $1: the inspector (setup_probe.cpp), $2: the setup program (made by scripts/windows test),
# $3: the version.
set -u
inspect="$(realpath "$1")"
setup="$2"
. "$(dirname "$0")/e2e_support.sh"
[ -f "$setup" ] || fail "no $setup: scripts/windows test makes it"
# Wine would turn the shortcuts into menu entries of this machine's desktop.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-};winemenubuilder.exe=d"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\QEL tools'

sim="$work/sim"
mkdir -p "$sim/pilots" "$sim/qel"
printf 'flight\r\n' >"$sim/pilots/Meigs Evening.stn"
printf '@echo off\r\n' >"$sim/qel/demo.qel"
printf 'BM picture' >"$sim/qel/demo.bmp"
printf 'BM photo' >"$sim/1.bmp"
printf 'The simulator\r\n' >"$sim/README.txt"
printf 'MZ the add-on'"'"'s editor' >"$sim/QELedit.exe"
printf 'MZ the add-on'"'"'s photo tool' >"$sim/qelphoto.exe"
cp -a "$sim" "$work/before"
folder="$(winepath -w "$sim")"
settings='HKCU\Software\QEL tools\QEL tools'
wine reg delete "$settings" /f >/dev/null 2>&1

wine "$setup" /S /DESKTOP "/D=$folder" || fail "setup failed"
for file in QELedit.exe qelphoto.exe "QEL tools LICENSE.txt" "QEL tools README.txt" \
    "Uninstall QEL tools.exe"; do
    [ -f "$sim/$file" ] || fail "setup did not install $file"
done
cmp -s "$sim/README.txt" "$work/before/README.txt" || fail "setup replaced the simulator's README.txt"
for file in QELedit.exe qelphoto.exe; do
    cmp -s "$sim/QEL tools backup/$file" "$work/before/$file" || fail "the add-on's $file was not kept"
done
shortcut() { wine "$inspect" shortcut "$@" | tr -d '\r'; }
for place in programs desktop; do
    # The shortcut's target, then its "Start in".
    [ "$(shortcut $place QELedit)" = "$folder\QELedit.exe"$'\n'"$folder" ] &&
        [ "$(shortcut $place "QEL Photo Lab")" = "$folder\qelphoto.exe"$'\n'"$folder" ] ||
        fail "shortcuts in $place: $(shortcut $place QELedit) $(shortcut $place "QEL Photo Lab")"
done
entry="$(wine reg query "$key" | tr -d '\r')"
for value in "DisplayName    REG_SZ    QEL tools" "Publisher    REG_SZ    The QEL tools developers" \
    "DisplayVersion    REG_SZ    $3" "EstimatedSize    REG_DWORD    0x"; do
    grep -qF "$value" <<<"$entry" || fail "uninstall entry without $value: $entry"
done
recorded="$(wine reg query "$settings" /v SimulatorFolder 2>/dev/null | tr -d '\r')"
grep -qF "SimulatorFolder    REG_SZ    $folder" <<<"$recorded" ||
    fail "setup did not record the simulator folder: $recorded"
# Started from another folder, with no "Start in", both programs go to the folder setup recorded:
# their main windows come, never the question for the folder.
mkdir -p "$work/elsewhere"
cd "$work/elsewhere" || exit 1
for exe_title in "QELedit.exe:QELedit 3.0 for Nubivar & Grundex" "qelphoto.exe:QEL Photo Lab"; do
    exe="${exe_title%%:*}" class="$(tr 'A-Z' 'a-z' <<<"${exe_title%%:*}")"
    start_program "$sim/$exe"
    title="$(xdotool getwindowname "$(program_windows "$class")")"
    [ "$title" = "${exe_title#*:}" ] || fail "$exe started elsewhere showed \"$title\""
    kill "$program"
    wait_for 30 "end of $exe" window_count_is "$class" 0
done
cd "$work" || exit 1

# Written after setup, by the tools or by hand; then setup again over the same version.
printf 'new\r\n' | tee "$sim/qel/later.qel" "$work/before/qel/later.qel" >/dev/null
printf 'BM 2' | tee "$sim/2.bmp" "$work/before/2.bmp" >/dev/null
wine "$setup" /S "/D=$folder" || fail "setup over itself failed"
# Uninstalling while QELedit runs is refused with a code and leaves everything in place.
installed="$(ls -R "$sim")"
# Started in the simulator folder, as its shortcut starts it.
(cd "$sim" && exec wine QELedit.exe) >"$work/qeledit.log" 2>&1 &
editor=$!
started="$started $editor"
editor_shown() { [ -n "$(program_windows qeledit.exe)" ]; }
wait_for 120 "window of QELedit" editor_shown
wine "$sim/Uninstall QEL tools.exe" /S "_?=$folder" && fail "uninstall said it succeeded while QELedit ran"
[ "$(ls -R "$sim")" = "$installed" ] && wine reg query "$key" >/dev/null 2>&1 &&
    [ "$(shortcut programs QELedit)" != missing ] || fail "uninstall while QELedit ran removed files"
kill "$editor"
wait "$editor" 2>/dev/null

# A second simulator folder: setup removes the first installation, then installs there.
sim2="$work/sim2"
mkdir -p "$sim2/pilots"
printf 'other\r\n' >"$sim2/pilots/Other.stn"
cp -a "$sim2" "$work/before2"
folder2="$(winepath -w "$sim2")"
wine "$setup" /S "/D=$folder2" || fail "setup in a second folder failed"
diff -r "$work/before" "$sim" || fail "the first folder differs after setup removed it"
grep -qF "$folder2" <<<"$(wine reg query "$key" /v InstallLocation | tr -d '\r')" ||
    fail "the uninstall entry does not name the second folder"
[ "$(shortcut programs QELedit)" = "$folder2\QELedit.exe"$'\n'"$folder2" ] ||
    fail "the shortcut does not start the second folder's QELedit: $(shortcut programs QELedit)"

wine "$sim2/Uninstall QEL tools.exe" /S || fail "uninstall failed"
# The uninstaller runs from a copy of itself and returns at once.
uninstalled() { [ ! -e "$sim2/Uninstall QEL tools.exe" ] && ! wine reg query "$key" >/dev/null 2>&1; }
wait_for 120 "end of uninstalling" uninstalled
wine reg query "$settings" /v SimulatorFolder >/dev/null 2>&1 &&
    fail "the uninstaller left the recorded simulator folder"
diff -r "$work/before2" "$sim2" || fail "the second folder differs after uninstalling"
for place in programs desktop; do
    [ "$(shortcut $place QELedit)$(shortcut $place "QEL Photo Lab")" = missingmissing ] ||
        fail "shortcuts left in $place"
done
echo "PASSED"
