#!/bin/bash
# End to end on the Windows editor: QELedit.exe ($1), driven under Wine with keys alone, saves the
# typical scenario in a sample simulator folder; the file is compared byte for byte with the
# scenario written out by hand, then run as the launcher runs it, as qeltemp.bat under Wine's cmd.
set -u
editor="$(realpath "$1")"
. "$(dirname "$0")/e2e_support.sh"

sim="$work/sim"
mkdir -p "$sim/pilots" "$sim/qel"
echo flight >"$sim/pilots/Meigs Evening.stn"
cd "$sim" || exit 1

start_program "$editor"
exe=qeledit.exe
focus_newest $exe
# A click on the flight list (client area 560 x 351), below its one name, gives it the focus.
click_in_client $exe 560 351 72 190
keys Down # the flight
# "Overcast" (left of "No Changes"), and in its dialog "Gray" and Enter for "OK".
keys Tab Tab Tab Left
wait_for 60 "Overcast dialog" window_count_is $exe 2
focus_newest $exe
keys Down Down Return
wait_for 30 "closing of the Overcast dialog" window_count_is $exe 1
focus_newest $exe
# Ground texture: from "No Changes" up to "Default" and left to "Summer"; cloud set "Set2".
keys Tab Up Left Tab Up
# Past the applet box, the picker button and the picture name to the description.
keys Tab Tab Tab Tab
xdotool type --delay 50 "Gray evening over Meigs"
keys Tab ctrl+a
xdotool type --delay 50 "demo.qel"
keys Tab space
wait_for 60 "qel/demo.qel" test -s qel/demo.qel
answer_message_box $exe

expected="$work/expected.qel"
printf '@echo off\r\ngoto next\r\nGray evening over Meigs\r\ndemo.qel\r\napp\r\n \r\n' >"$expected"
printf 'Meigs Evening.stn\r\ndemo.qel\r\nGray evening over Meigs\r\nOG\r\nFSUM\r\nSET2\r\n' >>"$expected"
printf 'app\r\n:next\r\n\r\ncall qel.bat OG FSUM SET2\r\n\r\n:end\r\ndel qeltemp.bat >nul\r\n' >>"$expected"
if ! cmp "$expected" qel/demo.qel; then
    echo "Expected:" && od -c "$expected"
    echo "Saved:" && od -c qel/demo.qel
    fail "the saved scenario differs"
fi

# The launcher copies the scenario to qeltemp.bat and runs it; its qel.bat gets the three codes.
cp qel/demo.qel qeltemp.bat
# Each argument in brackets: three codes, and no fourth argument.
printf '@echo off\r\n>arguments.txt echo [%%1] [%%2] [%%3] [%%4]\r\n' >qel.bat
timeout 120 wine cmd /c qeltemp.bat >"$work/cmd.log" 2>&1 || fail "cmd failed: $(cat "$work/cmd.log")"
printf '[OG] [FSUM] [SET2] []\r\n' >"$work/arguments.txt"
cmp "$work/arguments.txt" arguments.txt || {
    od -c arguments.txt
    fail "qel.bat was not called with OG FSUM SET2"
}
[ ! -e qeltemp.bat ] || fail "qeltemp.bat was not deleted"
echo "PASSED"
