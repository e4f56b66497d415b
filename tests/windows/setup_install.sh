#!/bin/bash
# The setup program, silently under Wine: installs into a simulator folder that already holds
# flights, scenarios, pictures, photos, a README.txt and the add-on's own QELedit.exe and
# qelphoto.exe, with shortcuts that start in that folder and an uninstall entry; installs again
# over itself; refuses to uninstall while QELedit runs; and, installed into a second simulator
# folder, removes the first installation, which leaves that folder byte for byte as it was,
# including files written after setup; the second one's uninstaller does the same there. Then
# the orders that could lose the add-on's programs: a backup folder in the way, a program of that
# name put there since setup, a backup folder that cannot be written, uninstalling twice or twice
# at once; and, without /D, the folder setup proposes.
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
# Setup with its windows, into FOLDER, past the license, folder and components pages with Enter
# (the default button), up to the message box that says TEXT.
setup_title="QEL tools $3 Setup"
setup_shows() { # FOLDER TEXT
    wine "$setup" "/D=$1" >/dev/null 2>&1 &
    shown_setup=$!
    started="$started $shown_setup"
    wait_for 60 "the setup's window" next_page
    next_page && next_page
    message_text="$2"
    wait_for 60 "the message \"$2\"" message_shown
}
# Enter in the newest of its windows: a message box over the setup's window.
next_page() {
    local window
    window="$(xdotool search --onlyvisible --name "^$setup_title" | tail -n 1)"
    [ -n "$window" ] && xdotool windowfocus "$window" key Return sleep 1
}
# Enter until setup ends (past the message box, the last page); its exit code in shown_status.
finish_setup() {
    wait_for 60 "end of setup" setup_ended
    wait "$shown_setup"
    shown_status=$?
}
setup_ended() {
    next_page
    ! kill -0 "$shown_setup" 2>/dev/null
}
message_shown() { wine "$inspect" message "$setup_title" | grep -qF "$message_text"; }
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
# So is setting up again: nothing replaced, not even the uninstaller.
uninstaller_time="$(stat -c %y "$sim/Uninstall QEL tools.exe")"
wine "$setup" /S "/D=$folder"
status=$?
[ $status = 2 ] && [ "$(ls -R "$sim")" = "$installed" ] &&
    [ "$(stat -c %y "$sim/Uninstall QEL tools.exe")" = "$uninstaller_time" ] ||
    fail "setup while QELedit ran: exit $status, or it changed the folder"
# With its windows, setup asks to close it; once it is closed, "Retry" installs.
setup_shows "$folder" "QELedit.exe is running. Close it, then choose Retry"
kill "$editor"
wait "$editor" 2>/dev/null
finish_setup
[ $shown_status = 0 ] || fail "setup after Retry: exit $shown_status"
[ "$(stat -c %y "$sim/Uninstall QEL tools.exe")" != "$uninstaller_time" ] ||
    fail "setup after Retry did not install"

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

# The add-on's programs, and in the way of keeping them a backup folder that holds one already,
# or a file of that name: setup changes nothing.
sim3="$work/sim3" backup="QEL tools backup" uninstaller="Uninstall QEL tools.exe"
folder3="$(winepath -w "$sim3")"
mkdir -p "$sim3/pilots" "$sim3/$backup"
cp "$work/before/QELedit.exe" "$work/before/qelphoto.exe" "$sim3/"
printf 'MZ another photo tool' >"$sim3/$backup/qelphoto.exe"
refused() { # WHAT
    rm -rf "$work/before3" && cp -a "$sim3" "$work/before3"
    wine "$setup" /S "/D=$folder3"
    local status=$?
    [ $status = 2 ] && diff -r "$work/before3" "$sim3" || fail "setup with $1: exit $status"
}
refused "a backup folder holding qelphoto.exe"
rm -r "${sim3:?}/$backup"
printf 'a file' >"$sim3/$backup"
refused "a file named $backup"
# The reason as the user reads it.
setup_shows "$folder3" "a file of that name is in the way"
finish_setup
diff -r "$work/before3" "$sim3" || fail "setup with a file named $backup changed the folder"
rm "$sim3/$backup" "$sim3/QELedit.exe"
# Installed there, then a QELedit.exe put there since: setup over itself keeps it as well.
wine "$setup" /S "/D=$folder3" || fail "setup into the third folder failed"
printf 'MZ another editor' >"$sim3/QELedit.exe"
# What uninstalling leaves: the simulator's, and the add-on's programs back.
mkdir -p "$work/after3/pilots"
cp "$sim3/QELedit.exe" "$work/before/qelphoto.exe" "$work/after3/"
wine "$setup" /S "/D=$folder3" || fail "setup over a foreign QELedit.exe failed"
cmp -s "$sim3/$backup/QELedit.exe" "$work/after3/QELedit.exe" &&
    cmp -s "$sim3/QELedit.exe" "$(dirname "$setup")/files/QELedit.exe" ||
    fail "setup over itself did not keep the QELedit.exe put there since"
# What setup kept cannot be put back: the uninstaller says so and removes nothing.
installed="$(ls -R "$sim3")"
chattr +i "$sim3/$backup"
wine "$sim3/$uninstaller" /S "_?=$folder3"
status=$?
chattr -i "$sim3/$backup"
if [ $status = 0 ] || [ "$(ls -R "$sim3")" != "$installed" ] || ! wine reg query "$key" >/dev/null 2>&1; then
    # What differs, so that a failure says which of the three it was.
    diff <(echo "$installed") <(ls -R "$sim3")
    wine reg query "$key" >/dev/null 2>&1 || echo "the uninstall entry is gone"
    fail "uninstall with a backup folder that cannot be written: exit $status, or it removed files"
fi
# Uninstalling in place leaves only the uninstaller, which cannot remove itself; run again, or
# twice at once, it removes nothing of what is there.
uninstall_leaves_the_addons() { # HOW
    [ -f "$sim3/$uninstaller" ] && diff -r -x "$uninstaller" "$work/after3" "$sim3" ||
        fail "uninstalling $1 did not leave the add-on's programs"
}
wine "$sim3/$uninstaller" /S "_?=$folder3" || fail "uninstall in the third folder failed"
uninstall_leaves_the_addons once
wine "$sim3/$uninstaller" /S "_?=$folder3" || fail "uninstalling again failed"
uninstall_leaves_the_addons twice
wine "$setup" /S "/D=$folder3" || fail "setup into the third folder again failed"
wine "$sim3/$uninstaller" /S "_?=$folder3" &
wine "$sim3/$uninstaller" /S "_?=$folder3"
wait $!
uninstall_leaves_the_addons "twice at once"

# Without /D, setup proposes the folder the programs would work in: the one they remember; when
# that holds no simulator any more, the first one their chooser finds (a "pilots" or "qel" folder
# in a usual install folder of a fixed drive, or one level below it, in the chooser's order).
proposed_is() { # WINDOWS_FOLDER WHAT
    wine "$setup" /S || fail "setup without /D failed"
    proposed="$(winepath -u "$1")"
    [ -f "$proposed/$uninstaller" ] || fail "setup did not propose the $2 $1"
    wine "$proposed/$uninstaller" /S || fail "uninstall from $1 failed"
    wait_for 120 "end of uninstalling from $1" uninstalled_from_proposed
}
uninstalled_from_proposed() {
    [ ! -e "$proposed/$uninstaller" ] && ! wine reg query "$key" >/dev/null 2>&1
}
mkdir -p "$work/sim4/qel"
wine reg add "$settings" /v SimulatorFolder /d "$(winepath -w "$work/sim4")" /f >/dev/null
proposed_is "$(winepath -w "$work/sim4")" "remembered folder"
rmdir "$work/sim4/qel"
c="$WINEPREFIX/drive_c" games="Program Files/Microsoft Games"
mkdir -p "$c/FS98A" "$c/FS_98/pilots" "$c/FSA/qel" "$c/$games/FS/qel"
touch "$c/FS98A/pilots"
wine reg add "$settings" /v SimulatorFolder /d "$(winepath -w "$work/sim4")" /f >/dev/null
proposed_is 'C:\FS_98' "first found folder"
rm -r "$c/FS_98" "$c/FSA"
proposed_is 'C:\Program Files\Microsoft Games\FS' "found folder"
rm -r "$c/FS98A" "$c/$games/FS"
echo "PASSED"
