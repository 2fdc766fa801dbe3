#!/usr/bin/env bash
# Every translation is whole: no text left unfinished or kept from code that no longer has it,
# no text of the code missing from it (lupdate run on a copy finds nothing new or gone), and
# lrelease compiles each file without a word of warning.
# Usage: complete.sh LRELEASE LUPDATE SOURCE_DIR FILE.ts...
set -euo pipefail
lrelease=$1
lupdate=$2
sources=$3
shift 3
qm=$(mktemp)
copy=$(mktemp --suffix=.ts)
trap 'rm -f "$qm" "$copy"' EXIT
status=0
texts() { grep -o '<source>.*</source>' "$1" | sort; }
for ts in "$@"; do
    cp "$ts" "$copy"
    # English's file holds only the counted texts, with their singular.
    only=()
    [[ $ts == *_en.ts ]] && only=(-pluralonly)
    (cd "$sources" && "$lupdate" -silent -no-obsolete -locations none "${only[@]}" -I engine \
        -I ui -extensions cpp,h,ui engine ui cli -ts "$copy")
    if grep -q 'type="unfinished"' "$copy" || ! diff <(texts "$ts") <(texts "$copy") >&2; then
        echo "out of date with the code: $ts (cmake --build build --target update_translations)"
        status=1
    fi
    if grep -nE 'type="(unfinished|obsolete|vanished)"' "$ts"; then
        echo "not finished: $ts"
        status=1
    fi
    out=$("$lrelease" "$ts" -qm "$qm" 2>&1)
    echo "$out"
    # lrelease's only other lines say which file it writes and how many texts it wrote.
    if grep -vE "^Updating '|^    Generated [0-9]+ translation\(s\) \([0-9]+ finished and 0 unfinished\)$" <<<"$out"; then
        echo "lrelease was not silent about $ts"
        status=1
    fi
done
exit $status
