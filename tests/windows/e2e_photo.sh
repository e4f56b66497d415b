#!/bin/bash
# End to end on the Windows photo tool: qelphoto.exe ($1) starts under Wine with a picture on the
# clipboard, and "AutoSave  " writes it as 1.bmp. The picture comes from the X clipboard, which
# Wine hands over as a Windows picture, or, given a Print Screen stand-in ($2, with its
# argument $3), from a Windows program that left it as a bitmap, as Windows' "Print Screen" does. Either
# way it is 3 x 2 opaque pixels; the bitmap is written out by hand below. With $3 "short" or
# "flat" the bitmap is damaged: the tool must say so and write nothing.
set -u
photo="$(realpath "$1")"
capture="$(realpath "$(dirname "$0")/capture-3x2.png")"
printscreen="${2:+$(realpath "$2")}"
. "$(dirname "$0")/e2e_support.sh"

sim="$work/sim"
mkdir -p "$sim/qel"
cd "$sim" || exit 1

damaged=""
case "${3:-}" in short | flat) damaged=1 ;; esac
if [ -n "$damaged" ]; then
    wine "$printscreen" "$3" >"$work/printscreen.log" 2>&1 &
    started="$started $!"
    wait_for 60 "damaged picture on the clipboard" grep -q "on the clipboard" "$work/printscreen.log"
elif [ -n "$printscreen" ]; then
    wine "$printscreen" ${3:+"$3"} >"$work/printscreen.log" 2>&1 || fail "the Print Screen stand-in failed"
else
    # xclip owns the clipboard for as long as it runs.
    xclip -quiet -selection clipboard -t image/png -i "$capture" >"$work/xclip.log" 2>&1 &
    started="$started $!"
    offers_png() {
        xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx image/png
    }
    wait_for 30 "picture on the clipboard" offers_png
fi

start_program "$photo"
exe=qelphoto.exe
# "AutoSave  " at 4680, 3240 twips, 1335 x 495, in a client area of 6960 x 4740.
click_in_client $exe 464 316 356 232
if [ -n "$damaged" ]; then
    # The message box's text, copied as the box copies it with Ctrl+C, must say why nothing was
    # saved; and nothing was.
    wait_for 60 "message box of $exe" window_count_is $exe 2
    focus_newest $exe
    keys ctrl+c
    says_damaged() { xclip -selection clipboard -o 2>/dev/null | grep -q "is damaged"; }
    wait_for 30 "message saying the picture is damaged" says_damaged
    answer_message_box $exe
    [ "$(ls)" = qel ] || fail "files written from a damaged picture: $(ls)"
    echo "PASSED"
    exit 0
fi
wait_for 60 "1.bmp" test -s 1.bmp
answer_message_box $exe

# 24 bits, rows bottom-up, each padded to 4 bytes; blue, green, red.
expected="$work/expected.bmp"
printf 'BM\x4e\0\0\0\0\0\0\0\x36\0\0\0' >"$expected"
printf '\x28\0\0\0\x03\0\0\0\x02\0\0\0\x01\0\x18\0\0\0\0\0\x18\0\0\0' >>"$expected"
printf '\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0' >>"$expected"
printf '\xff\xff\xff\x30\x20\x10\0\0\0\0\0\0' >>"$expected" # white, (16, 32, 48), black
printf '\0\0\xff\0\xff\0\xff\0\0\0\0\0' >>"$expected"       # red, green, blue
if ! cmp "$expected" 1.bmp; then
    echo "Expected:" && od -A d -t x1 "$expected"
    echo "Written:" && od -A d -t x1 1.bmp
    fail "1.bmp is not the picture on the clipboard"
fi
[ "$(ls)" = "$(printf '1.bmp\nqel')" ] || fail "files other than 1.bmp written: $(ls)"
echo "PASSED"
