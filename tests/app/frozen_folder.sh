#!/bin/sh
# A program folder that refuses new files, for the settings test: "freeze DIR PORTFILE" makes
# DIR with dt/PORTFILE and a marevo.ini, then marks DIR immutable (chattr +i, which binds the
# superuser too, where a read-only mode would not); "thaw DIR" undoes it and removes DIR.
# Where chattr is refused the folder stays writable and the test says it is skipped.
dir=$2
chattr -i "$dir" 2>/dev/null
rm -rf "$dir"
[ "$1" = thaw ] && exit 0
mkdir -p "$dir/dt" || exit 1
cp "$3" "$dir/dt/" || exit 1
printf '; mine\r\n[WINDOWS]\r\nONEORSEVEN=7\r\n[MINE]\r\na=b\r\n' > "$dir/marevo.ini" || exit 1
chattr +i "$dir" 2>/dev/null || echo "chattr refused: $dir stays writable"
exit 0
