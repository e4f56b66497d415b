#!/usr/bin/env bash
# Wine as the oracle for the code page of scenario files on Linux: under each locale setting,
# the code page the Linux build chooses (codepage_host.cpp, built here for this system) must be
# the one Wine gives a Windows program (codepage.cpp), as it gives it the add-on's launcher.
#   codepage_wine.sh STAND_IN_EXE SOURCE_ROOT WORK_FOLDER
set -euo pipefail
standin="$1" root="$2" work="$3"
mkdir -p "$work/obj"
compiler=(c++)
command -v ccache >/dev/null && compiler=(ccache c++)
objects=()
for source in tests/windows/codepage_host.cpp editor/ansi_unix.cpp editor/codepages.cpp \
    common/files/simulatorfolder.cpp common/files/simulatorfolder_unix.cpp common/files/paths.cpp \
    common/files/paths_unix.cpp; do
    object="$work/obj/$(basename "$source" .cpp).o"
    # shellcheck disable=SC2046
    "${compiler[@]}" -std=c++20 -fPIC -I"$root/common/files" -I"$root/editor" $(pkg-config --cflags Qt6Core) \
        -c "$root/$source" -o "$object"
    objects+=("$object")
done
# shellcheck disable=SC2046
c++ "${objects[@]}" $(pkg-config --libs Qt6Core) -o "$work/codepage"

# Locales that decide the table's harder rows (Unicode only, territory, script, one that Wine
# does not know), made once into a folder of their own, which LOCPATH names for those rows.
own="$work/locales"
mkdir -p "$own"
for locale in hi_IN zh_TW el_CY sr_RS sr_RS@latin; do
    name="${locale%@*}.UTF-8${locale#"${locale%@*}"}"
    [ -d "$own/$name" ] || localedef -i "$locale" -f UTF-8 "$own/$name"
done

# Settings of their own, so that a CodePage value of the user's cannot decide.
export XDG_CONFIG_HOME="$work/config"
status=0
# de_DE.UTF-8 and ru_RU (ISO-8859-5) are locales the system lacks, xx_XX none at all.
for setting in "LANG=ru_RU.UTF-8" "LC_CTYPE=pl_PL.UTF-8" "LC_ALL=el_GR.UTF-8 LANG=ru_RU.UTF-8" \
    "LC_ALL=ja_JP.UTF-8" "LANG=de_DE.UTF-8 LC_CTYPE=ru_RU.UTF-8" \
    "LANG=ru_RU.UTF-8 LC_CTYPE=de_DE.UTF-8" "LANG=ru_RU" "LC_ALL=xx_XX.UTF-8" "LC_ALL=C.UTF-8" "" \
    "LOCPATH=$own LANG="{hi_IN.UTF-8,zh_TW.UTF-8,el_CY.UTF-8,sr_RS.UTF-8,sr_RS.UTF-8@latin}; do
    # shellcheck disable=SC2086
    wine="$(env -u LC_ALL -u LC_CTYPE -u LANG $setting wine "$standin" | tr -d '\r')"
    # shellcheck disable=SC2086
    linux="$(env -u LC_ALL -u LC_CTYPE -u LANG $setting "$work/codepage")"
    echo "${setting:-no locale set}: Wine $wine, Linux build $linux"
    [ -n "$wine" ] && [ "$wine" = "$linux" ] || status=1
done
exit "$status"
