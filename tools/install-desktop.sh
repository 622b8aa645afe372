#!/bin/sh
# Adds Kelvora, already installed in PREFIX, to the desktop's application menu for this user:
# the icon into the user's hicolor theme and a launcher that starts PREFIX/kelvora.
#
# Usage: sh tools/install-desktop.sh PREFIX
set -eu

die() {
    printf 'install-desktop: %s\n' "$1" >&2
    exit 1
}

[ $# -eq 1 ] || die "usage: install-desktop.sh PREFIX"
[ -d "$1" ] || die "no such folder: $1"

here=$(CDPATH='' cd -- "$(dirname -- "$0")/.." && pwd)
prefix=$(CDPATH='' cd -- "$1" && pwd)
program=$prefix/kelvora
[ -x "$program" ] || die "$program not found; install the program first"
case $prefix in
*'
'*) die "the folder name holds a line break" ;;
esac

data=${XDG_DATA_HOME:-}
case $data in
/*) ;;
*) data=$HOME/.local/share ;; # unset, empty or relative: the default
esac
apps=$data/applications

# A desktop entry's string values escape "\"; Exec also quotes its argument, inside which '"',
# '`', '$' and '\' are escaped first, and writes "%" as "%%".
exec_value() {
    quoted=$(printf '%s' "$1" | sed -e 's/[\\"`$]/\\&/g' -e 's/\\/\\\\/g' -e 's/%/%%/g')
    printf '"%s"' "$quoted"
}
string_value() {
    printf '%s' "$1" | sed -e 's/\\/\\\\/g'
}

# The icon in each size it is drawn in (the sizes of src/ui/widgets/ProgramIcon.h), and scalable.
icons=$data/icons/hicolor
for size in 16 24 32 48 64 128 256; do
    install -d "$icons/${size}x$size/apps"
    install -m 644 "$here/resources/icons/kelvora-$size.png" "$icons/${size}x$size/apps/kelvora.png"
done
install -d "$icons/scalable/apps" "$apps"
install -m 644 "$here/resources/icons/kelvora.svg" "$icons/scalable/apps/kelvora.svg"

# The launcher is written beside its final name and moved into place whole.
entry=$apps/kelvora.desktop
exec_line="Exec=$(exec_value "$program")"
path_line="Path=$(string_value "$prefix")"
while IFS= read -r line || [ -n "$line" ]; do
    case $line in
    Exec=*) printf '%s\n' "$exec_line" ;;
    Path=*) printf '%s\n' "$path_line" ;;
    *) printf '%s\n' "$line" ;;
    esac
done <"$here/resources/kelvora.desktop" >"$entry.tmp"
chmod 644 "$entry.tmp"
mv -f "$entry.tmp" "$entry"

if command -v update-desktop-database >/dev/null 2>&1; then
    update-desktop-database "$apps" >/dev/null 2>&1 || true
fi

printf 'Installed %s\n' "$entry"
