#!/usr/bin/env bash
# Every translation is whole: no text left unfinished or kept from code that no longer has it,
# and lrelease compiles each file without a word of warning.
# Usage: complete.sh LRELEASE FILE.ts...
set -euo pipefail
lrelease=$1
shift
qm=$(mktemp)
trap 'rm -f "$qm"' EXIT
status=0
for ts in "$@"; do
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
