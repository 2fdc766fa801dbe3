#!/usr/bin/env bash
# kestrel's arguments: --help and --version answer without a display, and a FOLDER that
# is not one is refused with status 2 before any window opens.
# Usage: kestrel-arguments.sh KESTREL
set -uo pipefail
kestrel=$1
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
failed=0
fail() { echo "FAIL: $*"; failed=1; }

out=$("${nodisplay[@]}" "$kestrel" --help) || fail "--help: status $?"
grep -q '^Usage: kestrel \[FOLDER\]' <<<"$out" || fail "--help: no usage line"
"${nodisplay[@]}" "$kestrel" --version >/dev/null || fail "--version: status $?"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"${nodisplay[@]}" "$kestrel" "$scratch/gone" >/dev/null 2>"$scratch/err"
status=$?
[ $status -eq 2 ] || fail "a missing FOLDER: status $status, not 2"
grep -qF "not a folder: $scratch/gone" "$scratch/err" || fail "a missing FOLDER: $(cat "$scratch/err")"
"${nodisplay[@]}" "$kestrel" "$scratch" "$scratch" >/dev/null 2>&1
status=$?
[ $status -eq 2 ] || fail "two FOLDERs: status $status, not 2"
# In the user's language, before any window.
out=$(LANGUAGE='' LC_ALL=de_DE.UTF-8 "${nodisplay[@]}" "$kestrel" --help) || fail "--help in German"
grep -q '^Aufruf: kestrel \[FOLDER\]' <<<"$out" || fail "--help in German: $out"
LANGUAGE='' LC_ALL=fr_FR.UTF-8 "${nodisplay[@]}" "$kestrel" "$scratch/gone" 2>"$scratch/err"
grep -qxF "kestrel: pas un dossier : $scratch/gone" <(sed 's/\xc2\xa0/ /g' "$scratch/err") ||
    fail "a missing FOLDER in French: $(cat "$scratch/err")"
[ $failed -eq 0 ] && echo "ok"
exit $failed
